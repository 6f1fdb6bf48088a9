// La classifica: il nome, il posto d'un punteggio, la riga nuova in evidenza (il file lo guardano tracce e tst_ostile).
#include <QLabel>
#include <QtTest>

#include "app/modgenerale.h"
#include "scores/classifica.h"
#include "scores/frmclassifica.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "ui/aspetto.h"

class TestClassifica : public QObject {
  Q_OBJECT

private slots:
  void nome_data() { tabella("classifica-nome"); }
  void nome() {
    const auto [risposta, atteso] = dati<QString, QString>("risposta", "atteso");
    QCOMPARE(pfuncNormalizzaNome(risposta), atteso);
  }

  // il posto d'un punteggio nuovo fra quelli dal primo al quinto, e se entra
  void posto_data() { tabella("classifica-posto"); }
  void posto() {
    const auto [punteggi, nuovo, posto, entra] = dati<QString, double, int, bool>("punteggi", "nuovo", "posto", "entra");
    const QStringList p = punteggi.split(u' ');
    for (int i = 1; i <= 5; ++i) gudtClassifica[i] = {"N" + p[i - 1], "1° round", p[i - 1]};
    QCOMPARE(pfuncPostoClassifica(nuovo, gudtClassifica), posto);
    QCOMPARE(pfuncSiQualifica(static_cast<qint32>(nuovo)), entra);
  }

  // la riga appena presa, anche la quinta, e' in rosso grassetto
  void rigaNuovaInEvidenza() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileIni, leggiFile(GORBIO_SORGENTI "/tests/dati/classifica-piena.ini"));
    gintPosizioneClassifica = 5;
    frmClassifica f;
    const auto* l = f.findChild<QLabel*>(QStringLiteral("lblPunteggio_5"));
    QVERIFY(l->font().bold() && pfuncColoreTesto(l) == QColor(255, 0, 0));
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
