// La classifica: il nome, il posto d'un punteggio, le scritture nel file e la riga nuova in evidenza.
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

  // una voce inserita al terzo posto: le altre scendono intere, l'ultima si perde; le sezioni
  // nuove vanno in fondo nell'ordine Nome, Punteggio, Info, lo spazio finale del nome resta
  void salvataggio() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileIni, "[Toob]\r\nk=7\r\n");
    // dal primo al quinto: N900 con 900 punti ... N500 con 500
    for (int p = 1; p <= 5; ++p) gudtClassifica[p] = {"N" + QString::number(1000 - 100 * p), "1° round", QString::number(1000 - 100 * p)};
    psubInserisciVoce(gudtClassifica, 3, pfuncNuovaVoce("abcdefghijk lmn", 700, 12));
    QVERIFY(pfuncSalvaClassifica());
    QCOMPARE(leggiFile(gstrFileIni), leggiFile(GORBIO_SORGENTI "/tests/dati/classifica.ini"));
    // riletta nella finestra, la riga appena presa (anche la quinta) e' in rosso grassetto
    gintPosizioneClassifica = 5;
    frmClassifica f;
    const auto* l = f.findChild<QLabel*>(QStringLiteral("lblPunteggio_5"));
    QVERIFY(l->font().bold() && pfuncColoreTesto(l) == QColor(255, 0, 0));
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
