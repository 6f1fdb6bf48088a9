// La classifica: nomi, posti e le quindici scritture nel file delle impostazioni.
#include <QtTest>

#include <span>

#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {
const QStringList PIENA = {"900", "800", "700", "600", "500"};

// Tabella con i punteggi dati dal primo al quinto posto (nome = "N" + punteggio).
TabellaClassifica tabella(const QStringList& punteggi) {
  TabellaClassifica t{};
  for (int p = 1; p <= 5; ++p) t[p] = {"N" + punteggi[p - 1], "1° round", punteggi[p - 1]};
  return t;
}
}  // namespace

class TestClassifica : public QObject {
  Q_OBJECT

private slots:
  void nome_data() {
    colonne<QString, QString>("risposta", "atteso");
    QTest::newRow("spazi ai lati e maiuscole a caso") << "  mARIO rOSSI " << "Mario Rossi";
    QTest::newRow("tagliato a 12 prima delle iniziali") << "de la cruz fernandez" << "De La Cruz F";
    QTest::newRow("spazio finale dopo il taglio resta") << "abcdefghijk lmn" << "Abcdefghijk ";
    QTest::newRow("spazi doppi conservati") << "a  b" << "A  B";
    QTest::newRow("lettere accentate") << "éLODIE dÀ" << "Élodie Dà";
    QTest::newRow("il taglio non spezza un carattere") << "abcdefghijk\U0001F600zz" << "Abcdefghijk\U0001F600";
  }
  void nome() {
    const auto [risposta, atteso] = dati<QString, QString>("risposta", "atteso");
    QCOMPARE(pfuncNormalizzaNome(risposta), atteso);
  }

  void posto_data() {
    colonne<QStringList, double, int>("punteggi", "nuovo", "atteso");
    QTest::newRow("tabella azzerata: primo") << QStringList(5, "vuoto") << 1.0 << 1;
    QTest::newRow("secondo dopo una partita") << QStringList{"500", "vuoto", "vuoto", "vuoto", "vuoto"} << 300.0 << 2;
    QTest::newRow("pari al terzo: sopra di lui") << PIENA << 700.0 << 3;
    QTest::newRow("tra terzo e quarto") << PIENA << 650.0 << 4;
    QTest::newRow("pari al quinto: quinto") << PIENA << 500.0 << 5;
    QTest::newRow("sotto il quinto: fuori") << PIENA << 499.0 << 0;
    QTest::newRow("tabella non ordinata") << QStringList{"100", "900", "800", "700", "600"} << 650.0 << 5;
  }
  void posto() {
    const auto [punteggi, nuovo, atteso] = dati<QStringList, double, int>("punteggi", "nuovo", "atteso");
    QCOMPARE(pfuncPostoClassifica(nuovo, tabella(punteggi)), atteso);
  }

  void salvataggio() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileIni, "[Toob]\r\nk=7\r\n");
    gudtClassifica = tabella(PIENA);
    psubInserisciVoce(gudtClassifica, 3, pfuncNuovaVoce("abcdefghijk lmn", 700, 12));
    QVERIFY(pfuncSalvaClassifica());
    gudtClassifica = {};
    psubLeggiClassifica();
    QStringList righe;
    for (const tVoceClassifica& v : std::span(gudtClassifica).subspan(1))
      righe << v.Nome + '|' + v.Info + '|' + v.Punteggio;
    // le voci scendono intere; l'ultima si perde
    QCOMPARE(righe, QStringList({"N900|1° round|900", "N800|1° round|800", "Abcdefghijk|12° round|700",
                                 "N700|1° round|700", "N600|1° round|600"}));
    // sezioni nuove nell'ordine delle scritture, il resto intatto, lo spazio finale scritto
    const QByteArray file = leggiFile(gstrFileIni);
    QVERIFY(file.startsWith("[Toob]\r\nk=7\r\n[Nome]\r\n1=N900\r\n"));
    QVERIFY(file.indexOf("[Nome]") < file.indexOf("[Punteggio]"));
    QVERIFY(file.indexOf("[Punteggio]") < file.indexOf("[Info]"));
    QVERIFY(file.contains("3=Abcdefghijk \r\n"));
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
