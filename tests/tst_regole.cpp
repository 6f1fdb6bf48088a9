// Le regole pure: tempo per round, livello, estrazione, tasti, punteggio.
#include <QtTest>

#include "play/regole.h"

class TestRegole : public QObject {
  Q_OBJECT

private slots:
  void tempoELivello_data() {
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("tempo");
    QTest::addColumn<int>("livello");  // 0 = il titolo non cambia
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
    QFETCH(int, round);
    QFETCH(QString, tempo);
    QFETCH(int, livello);
    const LimiteTempo l = pfuncLimiteTempo(round);
    QCOMPARE(l.testo, tempo);
    QCOMPARE(pfuncTestoTempo(l.minuti, l.secondi), tempo);
    QCOMPARE(pfuncLivelloDaMostrare(round), livello);
  }

  // prima e ultima voce raggiungibili, con meta' peso; nulla fuori da 1..N
  void estrazione_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("indice");
    QTest::newRow("zero") << 0.0 << 1;
    QTest::newRow("appena sotto meta' passo") << 0.4999 / 4099 << 1;
    QTest::newRow("meta' passo: pari") << 0.5 / 4099 << 2;
    QTest::newRow("quasi uno") << 0.99999999 << 4100;
    QTest::newRow("ultimo mezzo passo") << 1.0 - 0.4999 / 4099 << 4100;
    QTest::newRow("prima dell'ultimo mezzo passo") << 1.0 - 0.5001 / 4099 << 4099;
  }
  void estrazione() {
    QFETCH(double, r);
    QFETCH(int, indice);
    QCOMPARE(pfuncIndiceEstratto(r, 4100), indice);
  }

  void tasti_data() {
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("pulsante");
    QTest::newRow("A") << int('A') << 1;
    QTest::newRow("a") << int('a') << 1;
    QTest::newRow("e") << int('e') << 5;
    QTest::newRow("E") << int('E') << 5;
    QTest::newRow("L dopo I") << int('l') << 10;
    QTest::newRow("V") << int('v') << 20;
    QTest::newRow("Z") << int('Z') << 21;
    for (char c : {'j', 'K', 'w', 'X', 'y'}) QTest::addRow("%c senza pulsante", c) << int(c) << 0;
    QTest::newRow("cifra") << int('5') << 0;
    QTest::newRow("spazio") << 32 << 0;
    QTest::newRow("accentata") << 0xE8 << 0;
  }
  void tasti() {
    QFETCH(int, tasto);
    QFETCH(int, pulsante);
    QCOMPARE(pfuncPulsantePerTasto(tasto), pulsante);
  }

  void punteggio_data() {
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<int>("minuti");
    QTest::addColumn<int>("secondi");
    QTest::addColumn<bool>("jolly");
    QTest::addColumn<int>("vocali");
    QTest::addColumn<int>("errori");
    QTest::addColumn<int>("punti");
    QTest::newRow("sette lettere, 2:10, A ed E, tre errori") << 7 << 2 << 10 << false << 2 << 3 << 1310;
    QTest::newRow("dieci lettere, un secondo, pulita") << 10 << 0 << 1 << false << 0 << 0 << 2102;
    QTest::newRow("tre minuti pieni") << 6 << 3 << 0 << false << 0 << 0 << 1560;
    QTest::newRow("jolly") << 6 << 0 << 0 << true << 0 << 0 << 700;
    QTest::newRow("negativo") << 6 << 0 << 0 << true << 5 << 7 << -150;
  }
  void punteggio() {
    QFETCH(int, lunghezza);
    QFETCH(int, minuti);
    QFETCH(int, secondi);
    QFETCH(bool, jolly);
    QFETCH(int, vocali);
    QFETCH(int, errori);
    QFETCH(int, punti);
    QCOMPARE(pfuncPunteggioRound({lunghezza, minuti, secondi, jolly, vocali, errori}), punti);
  }
};

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
