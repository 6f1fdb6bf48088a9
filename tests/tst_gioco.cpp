// Le regole pure che le tracce non raggiungono: il tempo e il livello dei round alti,
// il punteggio delle parole lunghe.
#include <QtTest>

#include "play/regole.h"
#include "support/aiuti.h"

class TestGioco : public QObject {
  Q_OBJECT

private slots:
  void tempoELivello_data() { tabella("regole-tempo"); }
  void tempoELivello() {
    const auto [tempo, livello] = dati<QString, int>("tempo", "livello");
    const int round = QString(QTest::currentDataTag()).toInt();
    const LimiteTempo l = pfuncLimiteTempo(round);
    QCOMPARE(l.testo, tempo);
    QCOMPARE(pfuncTestoTempo(l.minuti, l.secondi), tempo);
    QCOMPARE(pfuncLivelloDaMostrare(round), livello);
  }

  void punteggio_data() { tabella("regole-punteggio"); }
  void punteggio() {
    const auto [lettere, minuti, secondi, jolly, vocali, errori, punti] = dati<int, int, int, bool, int, int, int>(
        "lettere", "minuti", "secondi", "jolly", "vocali", "errori", "punti");
    QCOMPARE(pfuncPunteggioRound({lettere, minuti, secondi, jolly, vocali, errori}), punti);
  }
};

QTEST_GUILESS_MAIN(TestGioco)
#include "tst_gioco.moc"
