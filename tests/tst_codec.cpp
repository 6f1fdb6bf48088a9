// La codifica a coppie di lettere della parola segreta nelle partite salvate.
#include <QtTest>
#include <random>

#include "play/regole.h"
#include "support/aiuti.h"
#include "words/codec.h"

class TestCodec : public QObject {
  Q_OBJECT

private slots:
  void variante_data() {
    colonne<int, int>("selettore", "variante");
    for (int s : {-32768, -1, 0, 1, 5, 26, 32767}) QTest::addRow("%d", s) << s << 0;
    for (int s : {6, 10}) QTest::addRow("%d", s) << s << 1;
    for (int s : {11, 15}) QTest::addRow("%d", s) << s << 2;
    for (int s : {16, 20}) QTest::addRow("%d", s) << s << 3;
    for (int s : {21, 25}) QTest::addRow("%d", s) << s << 4;
  }
  void variante() {
    const auto [selettore, variante] = dati<int, int>("selettore", "variante");
    QCOMPARE(pfuncVarianteCodice(selettore), variante);
  }

  // ogni selettore da -32768 a 32767 ritrova la parola
  void andataRitornoPerOgniSelettore() {
    std::mt19937 g(7);
    for (int s = -32768; s <= 32767; ++s) {
      QString parola;
      const int n = 6 + static_cast<int>(g() % 5);
      for (int i = 0; i < n; ++i) parola += ALFABETO_GIOCO[static_cast<int>(g() % 21)];
      const QString codificata = mfuncCodifica(parola, s);
      if (codificata.size() != 3 * n - 1) QFAIL(qPrintable(QStringLiteral("lunghezza per %1").arg(s)));
      if (mfuncDecodifica(codificata, s).trimmed() != parola.toLower()) {
        QFAIL(qPrintable(QStringLiteral("%1 con selettore %2").arg(parola).arg(s)));
      }
    }
  }

  // in ogni variante: 21 codici diversi di due maiuscole separati da uno spazio, minuscole come maiuscole
  void formaInOgniVariante() {
    for (int s : {0, 6, 11, 16, 21}) {
      const QString c = mfuncCodifica(ALFABETO_GIOCO, s);
      QCOMPARE(c.size(), 62);
      QSet<QString> codici;
      for (int i = 0; i < c.size(); ++i) QVERIFY((i + 1) % 3 == 0 ? c[i] == u' ' : c[i].isUpper());
      for (int i = 0; i < 21; ++i) codici.insert(c.mid(3 * i, 2));
      QCOMPARE(codici.size(), 21);
      QCOMPARE(mfuncCodifica(ALFABETO_GIOCO.toLower(), s), c);
    }
  }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
