// Partite salvate: file di riferimento scritti a mano, uno per ogni r (1..25, cinque
// per variante della codifica), e i controlli della lettura valore per valore.
#include <QtTest>

#include "app/modgenerale.h"
#include "persistence/partitasalvata.h"
#include "support/aiuti.h"
#include "words/codec.h"

namespace {
QByteArray riferimento(int r) {
  return leggiFile(QStringLiteral(GORBIO_SORGENTI "/tests/dati/partite/r%1.cap").arg(r, 2, 10, QChar(u'0')));
}
}  // namespace

class TestPartitaSalvata : public QObject {
  Q_OBJECT

private slots:
  void init() { psubAzzeraStatoModulo(); }

  // il file si legge nello stato scritto nella sua sezione [atteso], e salvare quello
  // stato con lo stesso r (e le stesse parole segno) riscrive il file byte per byte
  void fileDiRiferimento_data() {
    QTest::addColumn<int>("r");
    for (int r = 1; r <= 25; ++r) QTest::addRow("r %d", r) << r;
  }
  void fileDiRiferimento() {
    QFETCH(int, r);
    const QByteArray file = riferimento(r);
    const auto atteso = [&](const char* chiave) { return pfuncCercaValore(file, "atteso", chiave).value_or("?"); };
    QCOMPARE(atteso("r").toInt(), r);
    const QStringList tempo = atteso("tempo").split(u':');
    StatoPartita s{atteso("round").toInt(), tempo[0].toInt(),         tempo[1].toInt(),
                   atteso("punti").toInt(), atteso("parola"),         atteso("errori").toInt(),
                   atteso("nascoste").toInt(), atteso("jolly") == u"1"};
    for (int i = 1; i <= 21; ++i) s.lettere[i] = atteso("lettere")[i - 1] == u'1';
    for (int i = 1; i <= 10; ++i) s.caselle[i] = QString(atteso("caselle")[i - 1]).remove(u'.');
    const PartitaLetta letta = pfuncLeggiPartita(file);
    QCOMPARE(int(letta.rifiuto), 0);
    QVERIFY(letta.stato == s);
    const QStringList segni = {"veltrak", "zeb", "tramway", "nodo", "ciclo", "faro"};
    int i = 0;
    const auto casuale = [&] {
      const auto segno = pfuncCercaValore(file, pfuncSezionePartita(), pfuncChiaveLettera(++i));
      return (segni.indexOf(segno.value_or("")) % 3 + 0.5) / 3;
    };
    QCOMPARE(pfuncApplicaScritture({}, pfuncVociPartita(s, r, casuale)), file.left(file.indexOf("[atteso]")));
  }

  // un valore cambiato nel file con r = 7: rifiutato, o letto se resta coerente
  void unValoreCambiato_data() {
    colonne<QString, QString, QString, int>("chiave", "valore", "atteso", "rifiuto");
    auto riga = [](const char* nome, const QString& chiave, const QString& valore, const char* atteso,
                   Rifiuto r = Rifiuto::Nessuno) { QTest::newRow(nome) << chiave << valore << atteso << int(r); };
    riga("file vuoto", "<vuoto>", "", "", Rifiuto::ChiaveMancante);
    riga("file troppo grande", "ATTENZIONE", QString(64 * 1024, u'x'), "", Rifiuto::Dimensione);
    riga("round 99", "38pistoni", "9808", "round=99");
    riga("numero seguito da testo", "38pistoni", "32abc", "round=5");
    riga("radice 4,5", "38pistoni", "27.25", "", Rifiuto::Round);
    riga("radice 0", "38pistoni", "7", "", Rifiuto::Round);
    riga("round 100", "38pistoni", "10007", "", Rifiuto::Round);
    riga("non e' un numero", "38pistoni", "abc", "", Rifiuto::NonNumero);
    riga("chiave mancante", "38pistoni", "<manca>", "", Rifiuto::ChiaveMancante);
    riga("tempo zero", "mib-q", "97", "tempo=0:00");
    riga("mezzo secondo: al pari in basso", "mib-q", "221.5", "tempo=2:04");
    riga("tempo negativo", "mib-q", "96", "", Rifiuto::Tempo);
    riga("minuti oltre 16 bit", "mib-q", "99999999999", "", Rifiuto::Tempo);
    riga("punteggio negativo", "girasolino", "263", "punti=-500");
    riga("punteggio oltre 32 bit", "girasolino", "2147484411", "", Rifiuto::Punteggio);
    riga("codice sconosciuto: r 0", "fiorba", "12345", "", Rifiuto::Round);
    riga("codice di un altro r", "fiorba", "48213", "", Rifiuto::Round);
    riga("parola di dieci lettere", "vortice", mfuncCodifica("PRECIPIZIO", 7), "parola=PRECIPIZIO");
    riga("parola con J", "vortice", mfuncCodifica("PAJAZZO", 7), "", Rifiuto::Parola);
    riga("cinque lettere", "vortice", mfuncCodifica("PALAZ", 7), "", Rifiuto::Parola);
    riga("undici lettere", "vortice", mfuncCodifica("PALAZZOTTOM", 7), "", Rifiuto::Parola);
    riga("otto errori", "cloudrover", "36", "errori=8");
    riga("nove errori", "cloudrover", "37", "", Rifiuto::Errori);
    riga("10,5 nascoste: al pari, 10", "ventagli", "70", "nascoste=10");
    riga("11,5 nascoste: al pari, 12", "ventagli", "76", "", Rifiuto::DaScoprire);
    riga("jolly usato", "polenta!", "40", "jolly=0");
    riga("jolly incoerente", "polenta!", "28", "", Rifiuto::Jolly);
    riga("NODO in maiuscole", "0", "NODO", "A=0");
    riga("parola segno estranea", "0", "nodi", "", Rifiuto::Lettera);
    riga("casella K", "442", "K", "casella1=|");
    riga("casella W", "442", "W", "casella1=V|");
    riga("casella vuota", "442", "", "", Rifiuto::Casella);
  }
  void unValoreCambiato() {
    const auto [chiave, valore, atteso, rifiuto] =
        dati<QString, QString, QString, int>("chiave", "valore", "atteso", "rifiuto");
    QByteArray file = chiave == u"<vuoto>" ? QByteArray() : riferimento(7);
    if (valore == u"<manca>") file.replace("\n" + chiave.toUtf8() + "=", "\nx=");
    else if (!file.isEmpty()) file = pfuncApplicaScritture(file, {{pfuncSezionePartita(), chiave, valore}});
    const PartitaLetta letta = pfuncLeggiPartita(file);
    QCOMPARE(int(letta.rifiuto), rifiuto);
    if (!letta.stato) return;
    const StatoPartita& s = *letta.stato;
    const QString visto = QStringLiteral("round=%1 tempo=%2:%3 punti=%4 parola=%5 errori=%6 nascoste=%7 jolly=%8 A=%9")
                              .arg(s.round).arg(s.minuti).arg(s.secondi, 2, 10, QChar(u'0')).arg(s.punteggio).arg(s.parola)
                              .arg(s.errori).arg(s.daScoprire).arg(s.jollyDisponibile).arg(s.lettere[1]) +
                          " casella1=" + s.caselle[1] + "|";
    QVERIFY2(visto.contains(atteso), qPrintable(visto));
  }
};

QTEST_MAIN(TestPartitaSalvata)
#include "tst_partitasalvata.moc"
