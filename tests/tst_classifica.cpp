// La classifica: nomi, posti e le quindici scritture nel file delle impostazioni.
#include <QtTest>

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

  // il posto, e se il punteggio entra: maggiore di 0 e non minore del quinto
  void posto_data() {
    colonne<QStringList, double, int, bool>("punteggi", "nuovo", "posto", "entra");
    const QStringList vuota(5, "vuoto");
    QTest::newRow("tabella azzerata: primo") << vuota << 1.0 << 1 << true;
    QTest::newRow("zero non entra mai") << vuota << 0.0 << 1 << false;
    QTest::newRow("negativo") << vuota << -50.0 << 0 << false;
    QTest::newRow("secondo dopo una partita") << QStringList{"500", "vuoto", "vuoto", "vuoto", "vuoto"} << 300.0 << 2 << true;
    QTest::newRow("pari al terzo: sopra di lui") << PIENA << 700.0 << 3 << true;
    QTest::newRow("tra terzo e quarto") << PIENA << 650.0 << 4 << true;
    QTest::newRow("pari al quinto: quinto") << PIENA << 500.0 << 5 << true;
    QTest::newRow("sotto il quinto: fuori") << PIENA << 499.0 << 0 << false;
    QTest::newRow("tabella non ordinata") << QStringList{"100", "900", "800", "700", "600"} << 650.0 << 5 << true;
  }
  void posto() {
    const auto [punteggi, nuovo, posto, entra] = dati<QStringList, double, int, bool>("punteggi", "nuovo", "posto", "entra");
    gudtClassifica = tabella(punteggi);
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
    gudtClassifica = tabella(PIENA);
    psubInserisciVoce(gudtClassifica, 3, pfuncNuovaVoce("abcdefghijk lmn", 700, 12));
    QVERIFY(pfuncSalvaClassifica());
    QCOMPARE(leggiFile(gstrFileIni), leggiFile(GORBIO_SORGENTI "/tests/dati/classifica.ini"));
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
