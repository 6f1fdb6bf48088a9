// Partite salvate: valori scritti, controlli della lettura, andata e ritorno, file rovinati.
#include <QtTest>
#include <random>

#include "app/modgenerale.h"
#include "persistence/partitasalvata.h"
#include "play/regole.h"
#include "support/aiuti.h"
#include "words/codec.h"

namespace {

// round 5, 2:05, VALIGIA con la V scoperta, tre errori
StatoPartita statoBase() {
  StatoPartita s{5, 2, 5, 1234, "VALIGIA", 3, 6, true, {}, {"", "V", "_", "_", "_", "_", "_", "_", "", "", ""}};
  s.lettere.fill(true);
  s.lettere[0] = s.lettere[20] = false;
  return s;
}

QByteArray salvata(const StatoPartita& s, int r, const QString& chiave = {}, const QString& valore = {}) {
  double x = 0;
  QList<VoceIni> v = pfuncVociPartita(s, r, [&x] { return x = std::fmod(x + 0.37, 1.0); });
  for (VoceIni& voce : v) {
    if (voce.chiave == chiave) voce.valore = valore;
  }
  // "<manca>" toglie la chiave
  v.removeIf([](const VoceIni& voce) { return voce.valore == u"<manca>"; });
  return pfuncApplicaScritture({}, v);
}

bool possibile(const StatoPartita& s) {
  return s.round >= 1 && s.round <= 99 && s.minuti >= 0 && s.secondi >= 0 && s.secondi < 60 && s.errori >= 0 &&
         s.errori <= 8 && s.daScoprire >= 0 && s.daScoprire <= 10 && s.parola.size() >= 6 && s.parola.size() <= 10 &&
         std::all_of(s.parola.begin(), s.parola.end(), [](QChar c) { return ALFABETO_GIOCO.contains(c); });
}

}  // namespace

class TestPartitaSalvata : public QObject {
  Q_OBJECT

private slots:
  void init() { psubAzzeraStatoModulo(); }

  void chiaviEValoriScritti() {
    QStringList chiavi = {"ATTENZIONE", "38pistoni", "mib-q", "girasolino", "fiorba", "vortice", "cloudrover", "ventagli", "polenta!"};
    for (int i = 1; i <= 21; ++i) chiavi << QString::number(i * i - 1);
    for (int i = 1; i <= 10; ++i) chiavi << QString::number(2 * i + 440);
    const QList<double> casuali = {0.0, 0.34, 0.99};
    int n = 0;
    QStringList scritte, valori;
    for (const VoceIni& v : pfuncVociPartita(statoBase(), 10, [&] { return casuali[n++ % 3]; })) {
      QCOMPARE(v.sezione, QStringLiteral("Veltrak Mr.Gorbio 1.0 - Partita salvata"));
      scritte << v.chiave;
      valori << v.valore;
    }
    QCOMPARE(scritte, chiavi);
    // round 5 con r 10 = 35, 2:05 con r 10 = 225, V -> W, _ -> Z, vuota -> K
    QCOMPARE(valori.mid(1, 3), QStringList({"35", "225", "2000"}));
    QCOMPARE(valori.mid(6, 3), QStringList({"34", "46", "33"}));
    // parole segno a caso dal gruppo giusto: la V (20) e' gia' tentata
    QCOMPARE(valori.mid(26, 4), QStringList({"tramway", "veltrak", "ciclo", "tramway"}));
    QCOMPARE(valori.mid(30, 3), QStringList({"W", "Z", "Z"}));
    QCOMPARE(valori.constLast(), QStringLiteral("K"));
    QCOMPARE(pfuncCercaValore(salvata(statoBase(), 3), pfuncSezionePartita(), "38pistoni"), std::optional<QString>("28"));
  }

  // un valore cambiato in un file con r = 7: rifiutato, o letto se resta coerente
  void unValoreCambiato_data() {
    colonne<QString, QString, QString, int>("chiave", "valore", "atteso", "rifiuto");
    auto riga = [](const char* nome, const QString& chiave, const QString& valore, const char* atteso,
                   Rifiuto r = Rifiuto::Nessuno) { QTest::newRow(nome) << chiave << valore << atteso << int(r); };
    riga("round 99", "38pistoni", "9808", "round=99");
    riga("numero seguito da testo", "38pistoni", "32abc", "round=5");
    riga("radice 4,5", "38pistoni", "27.25", "", Rifiuto::Round);
    riga("radice 0", "38pistoni", "7", "", Rifiuto::Round);
    riga("round 100", "38pistoni", "10007", "", Rifiuto::Round);
    riga("negativo sotto la radice", "38pistoni", "3", "", Rifiuto::Round);
    riga("non e' un numero", "38pistoni", "abc", "", Rifiuto::NonNumero);
    riga("chiave mancante", "38pistoni", "<manca>", "", Rifiuto::ChiaveMancante);
    riga("tempo zero", "mib-q", "97", "tempo=0:00");
    riga("mezzo secondo: al pari in basso", "mib-q", "221.5", "tempo=2:04");
    riga("tempo negativo", "mib-q", "96", "", Rifiuto::Tempo);
    riga("minuti oltre 16 bit", "mib-q", "99999999999", "", Rifiuto::Tempo);
    riga("punteggio negativo", "girasolino", "263", "punti=-500");
    riga("punteggio oltre 32 bit", "girasolino", "2147484411", "", Rifiuto::Punteggio);
    riga("codice sconosciuto: r 0", "fiorba", "12345", "", Rifiuto::Round);
    riga("parola di dieci lettere", "vortice", mfuncCodifica("PRECIPIZIO", 7), "parola=PRECIPIZIO");
    riga("parola con J", "vortice", mfuncCodifica("PAJAZZO", 7), "", Rifiuto::Parola);
    riga("cinque lettere", "vortice", mfuncCodifica("PALAZ", 7), "", Rifiuto::Parola);
    riga("otto errori", "cloudrover", "36", "errori=8");
    riga("nove errori", "cloudrover", "37", "", Rifiuto::Errori);
    riga("10,5 nascoste: al pari, 10", "ventagli", "70", "nascoste=10");
    riga("11,5 nascoste: al pari, 12", "ventagli", "76", "", Rifiuto::DaScoprire);
    riga("jolly usato", "polenta!", "40", "jolly=0");
    riga("jolly incoerente", "polenta!", "28", "", Rifiuto::Jolly);
    riga("NODO in maiuscole", "0", "NODO", "A=0");
    riga("parola segno estranea", "0", "nodi", "", Rifiuto::Lettera);
    riga("casella K", "442", "K", "casella1=|");
    riga("casella vuota", "442", "", "", Rifiuto::Casella);
  }
  void unValoreCambiato() {
    const auto [chiave, valore, atteso, rifiuto] =
        dati<QString, QString, QString, int>("chiave", "valore", "atteso", "rifiuto");
    const PartitaLetta letta = pfuncLeggiPartita(salvata(statoBase(), 7, chiave, valore));
    QCOMPARE(int(letta.rifiuto), rifiuto);
    if (!letta.stato) return;
    const StatoPartita& s = *letta.stato;
    const QString visto = QStringLiteral("round=%1 tempo=%2:%3 punti=%4 parola=%5 errori=%6 nascoste=%7 jolly=%8 A=%9")
                              .arg(s.round).arg(s.minuti).arg(s.secondi, 2, 10, QChar(u'0')).arg(s.punteggio).arg(s.parola)
                              .arg(s.errori).arg(s.daScoprire).arg(s.jollyDisponibile).arg(s.lettere[1]) +
                          " casella1=" + s.caselle[1] + "|";
    QVERIFY2(visto.contains(atteso), qPrintable(visto));
  }

  void andataERitorno() {
    std::mt19937 g(2002);
    auto tra = [&g](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    for (int prova = 0; prova < 40; ++prova) {
      StatoPartita s{tra(1, 99), tra(0, 3), tra(0, 59), static_cast<qint32>(g()), "", tra(0, 8), tra(0, 10), tra(0, 1) == 1};
      for (int i = tra(6, 10); i > 0; --i) s.parola += ALFABETO_GIOCO[tra(0, 20)];
      for (int i = 1; i <= 21; ++i) s.lettere[i] = tra(0, 1);
      for (int i = 1; i <= 10; ++i) s.caselle[i] = QStringList{"", "_", QString(ALFABETO_GIOCO[tra(0, 20)])}[tra(0, 2)];
      for (int r = 1; r <= 25; ++r) QVERIFY2(pfuncLeggiPartita(salvata(s, r)).stato == s, qPrintable(QString::number(r)));
    }
  }

  // ogni byte cambiato e ogni troncamento: una partita possibile o un rifiuto
  void fileRovinati() {
    QCOMPARE(pfuncLeggiPartita({}).rifiuto, Rifiuto::ChiaveMancante);
    QCOMPARE(pfuncLeggiPartita(salvata(statoBase(), 7) + ';' + QByteArray(64 * 1024, 'x')).rifiuto, Rifiuto::Dimensione);
    StatoPartita lunga = statoBase();
    lunga.parola = QStringLiteral("PRECIPIZIO");
    for (const QByteArray& buono : {salvata(statoBase(), 3), salvata(lunga, 25)}) {
      for (qsizetype n = 0; n < buono.size(); ++n) {
        const PartitaLetta letta = pfuncLeggiPartita(buono.left(n));
        QVERIFY(!letta.stato || possibile(*letta.stato));
      }
      for (qsizetype i = 0; i < buono.size(); ++i) {
        for (char b : {char(buono[i] ^ 0x01), char(buono[i] ^ 0x20), '\0', '\n', '=', '\xC3'}) {
          QByteArray rotto = buono;
          rotto[i] = b;
          const PartitaLetta letta = pfuncLeggiPartita(rotto);
          QVERIFY(!letta.stato || possibile(*letta.stato));
        }
      }
    }
  }
};

QTEST_MAIN(TestPartitaSalvata)
#include "tst_partitasalvata.moc"
