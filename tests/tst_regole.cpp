// Le regole pure: tempo per round, livello, estrazione, tasti, punteggio.
#include <QtTest>

#include "play/regole.h"
#include "support/aiuti.h"

class TestRegole : public QObject {
  Q_OBJECT

private slots:
  void tempoELivello_data() {
    // livello: 0 = il titolo non cambia
    colonne<int, QString, int>("round", "tempo", "livello");
    QTest::newRow("1") << 1 << "03 : 00" << 1;
    QTest::newRow("5 ha ancora tre minuti") << 5 << "03 : 00" << 0;
    QTest::newRow("6") << 6 << "02 : 30" << 2;
    QTest::newRow("7 non cambia il titolo") << 7 << "02 : 30" << 0;
    QTest::newRow("11") << 11 << "02 : 00" << 3;
    QTest::newRow("16") << 16 << "01 : 30" << 4;
    QTest::newRow("21") << 21 << "01 : 00" << 5;
    QTest::newRow("25") << 25 << "01 : 00" << 0;
    QTest::newRow("26 e' il primo a trenta secondi") << 26 << "00 : 30" << 6;
    QTest::newRow("96 ultimo livello") << 96 << "00 : 30" << 20;
    QTest::newRow("101 resta al venti") << 101 << "00 : 30" << 0;
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
    QTest::newRow("zero") << 0.0 << 1;
    QTest::newRow("appena sotto meta' passo") << 0.4999 / 4099 << 1;
    QTest::newRow("meta' passo: pari") << 0.5 / 4099 << 2;
    QTest::newRow("ultimo mezzo passo") << 1.0 - 0.4999 / 4099 << 4100;
    QTest::newRow("prima dell'ultimo mezzo passo") << 1.0 - 0.5001 / 4099 << 4099;
  }
  void estrazione() {
    const auto [r, indice] = dati<double, int>("r", "indice");
    QCOMPARE(pfuncIndiceEstratto(r, 4100), indice);
  }

  void tasti_data() {
    colonne<int, int>("tasto", "pulsante");
    QTest::newRow("a minuscola") << int('a') << 1;
    QTest::newRow("E maiuscola") << int('E') << 5;
    QTest::newRow("L dopo I") << int('l') << 10;
    QTest::newRow("V") << int('v') << 20;
    QTest::newRow("Z") << int('Z') << 21;
    for (char c : {'j', 'K', 'w', 'X', 'y', '5', ' '}) QTest::addRow("'%c' senza pulsante", c) << int(c) << 0;
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
    QTest::newRow("dieci lettere, un secondo, pulita") << DatiPunteggio{10, 0, 1, false, 0, 0} << 2102;
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
