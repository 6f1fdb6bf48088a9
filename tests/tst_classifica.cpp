// La classifica: il nome come si scrive e le scritture nel file (i posti e la finestra li guardano le tracce).
#include <QtTest>

#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

class TestClassifica : public QObject {
  Q_OBJECT

private slots:
  void nome_data() { tabella("classifica-nome"); }
  void nome() {
    const auto [risposta, atteso] = dati<QString, QString>("risposta", "atteso");
    QCOMPARE(pfuncNormalizzaNome(risposta), atteso);
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
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
