// La codifica a coppie di lettere della parola segreta nelle partite salvate.
#include <QtTest>
#include <random>

#include "words/codec.h"

class TestCodec : public QObject {
  Q_OBJECT

private slots:
  void sostituzione_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("trova");
    QTest::addColumn<QString>("sostituto");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("senza sovrapposizioni") << "aaaa" << "aa" << "b" << "bb";
    QTest::newRow("resto alla fine") << "aaa" << "aa" << "b" << "ba";
    QTest::newRow("maiuscole diverse") << "aAa" << "a" << "x" << "xAx";
    QTest::newRow("sostituto piu' lungo") << "ciao" << "a" << " MR" << "ci MRo";
    QTest::newRow("nessuna occorrenza") << "ciao" << "z" << "b" << "ciao";
    QTest::newRow("testo vuoto") << "" << "a" << "b" << "";
  }
  void sostituzione() {
    QFETCH(QString, testo);
    QFETCH(QString, trova);
    QFETCH(QString, sostituto);
    QFETCH(QString, atteso);
    QCOMPARE(mfuncReplaceC(testo, trova, sostituto), atteso);
  }

  void variante_data() {
    QTest::addColumn<int>("selettore");
    QTest::addColumn<int>("variante");
    for (int s : {-32768, -1, 0, 1, 5, 26, 32767}) QTest::addRow("%d", s) << s << 0;
    for (int s : {6, 10}) QTest::addRow("%d", s) << s << 1;
    for (int s : {11, 15}) QTest::addRow("%d", s) << s << 2;
    for (int s : {16, 20}) QTest::addRow("%d", s) << s << 3;
    for (int s : {21, 25}) QTest::addRow("%d", s) << s << 4;
  }
  void variante() {
    QFETCH(int, selettore);
    QFETCH(int, variante);
    QCOMPARE(pfuncVarianteCodice(selettore), variante);
  }

  // ogni selettore da -32768 a 32767 ritrova la parola
  void andataRitornoPerOgniSelettore() {
    const QString alfabeto = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");
    std::mt19937 g(7);
    for (int s = -32768; s <= 32767; ++s) {
      QString parola;
      const int n = 6 + static_cast<int>(g() % 5);
      for (int i = 0; i < n; ++i) parola += alfabeto[static_cast<int>(g() % 21)];
      const QString codificata = mfuncCodifica(parola, s);
      if (codificata.size() != 3 * n - 1) QFAIL(qPrintable(QStringLiteral("lunghezza per %1").arg(s)));
      if (mfuncDecodifica(codificata, s).trimmed() != parola.toLower()) {
        QFAIL(qPrintable(QStringLiteral("%1 con selettore %2").arg(parola).arg(s)));
      }
    }
  }

  void ogniLetteraInOgniVariante() {
    const QString alfabeto = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");
    for (int s : {0, 6, 11, 16, 21}) {
      QSet<QString> codici;
      for (QChar c : alfabeto) {
        const QString codice = mfuncCodifica(QString(c), s);
        QCOMPARE(codice.size(), 2);
        QVERIFY(codice[0].isUpper() && codice[1].isUpper());
        codici.insert(codice);
      }
      QCOMPARE(codici.size(), 21);
    }
  }

  void formaDelTestoCodificato() {
    const QString c = mfuncCodifica(QStringLiteral("CAVOLO"), 3);
    QCOMPARE(c.size(), 17);
    for (int i = 0; i < c.size(); ++i) QCOMPARE(c[i] == u' ', (i + 1) % 3 == 0);
    QCOMPARE(mfuncCodifica(QStringLiteral("cavolo"), 3), c);
  }

  void lettereFuoriAlfabetoPassano() {
    const QString c = mfuncCodifica(QStringLiteral("AJA"), 12);
    QVERIFY(c.contains(u'J'));
    QCOMPARE(mfuncDecodifica(c, 12).trimmed(), QStringLiteral("aJa"));
    QCOMPARE(mfuncDecodifica(QString(), 0), QStringLiteral(" "));
  }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
