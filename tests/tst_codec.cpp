// La codifica a coppie di lettere: la sostituzione e la scelta della variante.
// Le tabelle dei codici le fissano i file di riferimento di tst_partitasalvata.
#include <QtTest>

#include "support/aiuti.h"
#include "words/codec.h"

class TestCodec : public QObject {
  Q_OBJECT

private slots:
  void variante_data() {
    colonne<int, int>("selettore", "variante");
    const int righe[][2] = {{-32768, 0}, {-1, 0}, {0, 0}, {5, 0},  {6, 1},  {10, 1}, {11, 2},
                            {15, 2},     {16, 3}, {20, 3}, {21, 4}, {25, 4}, {26, 0}, {32767, 0}};
    for (const auto& [s, v] : righe) QTest::addRow("%d", s) << s << v;
  }
  void variante() {
    const auto [selettore, variante] = dati<int, int>("selettore", "variante");
    QCOMPARE(pfuncVarianteCodice(selettore), variante);
  }

  void codificaEDecodifica() {
    // sostituzione senza sovrapposizioni, con resto piu' corto, attenta alle maiuscole
    QCOMPARE(mfuncReplaceC("aaaa", "aa", "b") + mfuncReplaceC("aaa", "aa", "b"), QStringLiteral("bbba"));
    QCOMPARE(mfuncReplaceC("aAa", "a", "b") + mfuncReplaceC("a", "aa", "b"), QStringLiteral("bAba"));
    // sei lettere: 17 caratteri, coppie separate da uno spazio; minuscole come maiuscole
    const QString c = mfuncCodifica("CAVOLO", 3);
    QCOMPARE(c.size(), 17);
    QCOMPARE(QString(c).remove(QRegularExpression("[A-Z]{2}( |$)")), QString());
    QCOMPARE(mfuncCodifica("cavolo", 3), c);
    // una J passa intatta; il testo vuoto torna con lo spazio davanti
    QCOMPARE(mfuncDecodifica(mfuncCodifica("PAJAZZO", 7), 7), QStringLiteral("paJazzo"));
    QCOMPARE(mfuncDecodifica("", 0), QStringLiteral(" "));
  }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
