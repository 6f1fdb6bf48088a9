// Le regole pure: tempo per round, livello, estrazione, tasti, punteggio.
#include <QtTest>

#include "play/regole.h"
#include "support/aiuti.h"

class TestRegole : public QObject {
  Q_OBJECT

private slots:
  // primo e ultimo round di ogni fascia; livello 0 = il titolo non cambia
  void tempoELivello_data() {
    colonne<int, QString, int>("round", "tempo", "livello");
    const std::tuple<int, const char*, int> righe[] = {
        {1, "03 : 00", 1},  {5, "03 : 00", 0},  {6, "02 : 30", 2},  {7, "02 : 30", 0},  {10, "02 : 30", 0},
        {11, "02 : 00", 3}, {15, "02 : 00", 0}, {16, "01 : 30", 4}, {20, "01 : 30", 0}, {21, "01 : 00", 5},
        {25, "01 : 00", 0}, {26, "00 : 30", 6}, {96, "00 : 30", 20}, {101, "00 : 30", 0}};
    for (const auto& [round, tempo, livello] : righe) QTest::addRow("%d", round) << round << tempo << livello;
  }
  void tempoELivello() {
    const auto [round, tempo, livello] = dati<int, QString, int>("round", "tempo", "livello");
    const LimiteTempo l = pfuncLimiteTempo(round);
    QCOMPARE(l.testo, tempo);
    QCOMPARE(pfuncTestoTempo(l.minuti, l.secondi), tempo);
    QCOMPARE(pfuncLivelloDaMostrare(round), livello);
  }

  // prima e ultima voce con meta' peso, arrotondamento al pari; nulla fuori da 1..N
  void estrazione_data() {
    colonne<double, int>("r", "indice");
    const std::pair<double, int> righe[] = {{0.0, 1}, {0.4999 / 4099, 1}, {0.5 / 4099, 2}, {1.0 - 0.5001 / 4099, 4099},
                                            {1.0 - 0.4999 / 4099, 4100}};
    for (const auto& [r, i] : righe) QTest::addRow("%.9f", r) << r << i;
  }
  void estrazione() {
    const auto [r, indice] = dati<double, int>("r", "indice");
    QCOMPARE(pfuncIndiceEstratto(r, 4100), indice);
  }

  void tasti_data() {
    colonne<int, int>("tasto", "pulsante");
    const std::pair<char, int> righe[] = {{'a', 1}, {'E', 5}, {'i', 9}, {'l', 10}, {'U', 19}, {'v', 20}, {'Z', 21},
                                          {'j', 0}, {'K', 0}, {'w', 0}, {'X', 0},  {'y', 0},  {'5', 0},  {'@', 0}};
    for (const auto& [c, p] : righe) QTest::addRow("%c", c) << int(c) << p;
    QTest::newRow("accentata") << 0xE8 << 0;
  }
  void tasti() {
    const auto [tasto, pulsante] = dati<int, int>("tasto", "pulsante");
    QCOMPARE(pfuncPulsantePerTasto(tasto), pulsante);
  }

  void punteggio_data() {
    // caso: lettere, minuti, secondi, jolly, vocali, errori
    colonne<DatiPunteggio, int>("caso", "punti");
    QTest::newRow("sette lettere, 2:10, A ed E, tre errori") << DatiPunteggio{7, 2, 10, false, 2, 3} << 1310;
    QTest::newRow("dieci lettere, un secondo: bonus") << DatiPunteggio{10, 0, 1, false, 0, 0} << 2102;
    QTest::newRow("nove lettere: niente bonus") << DatiPunteggio{9, 0, 1, false, 0, 0} << 1802;
    QTest::newRow("tre minuti pieni") << DatiPunteggio{6, 3, 0, false, 0, 0} << 1560;
    QTest::newRow("jolly") << DatiPunteggio{6, 0, 0, true, 0, 0} << 700;
    QTest::newRow("negativo") << DatiPunteggio{6, 0, 0, true, 5, 7} << -150;
  }
  void punteggio() {
    const auto [caso, punti] = dati<DatiPunteggio, int>("caso", "punti");
    QCOMPARE(pfuncPunteggioRound(caso), punti);
  }
};

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
