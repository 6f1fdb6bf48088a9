// Partite salvate: file di riferimento scritti a mano, uno per ogni r (1..25, cinque per variante della codifica
// a coppie di lettere), i controlli della lettura valore per valore, le tabelle della codifica intere.
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

  void unValoreCambiato_data() { tabella("partita-un-valore-cambiato"); }
  void unValoreCambiato() {
    auto [chiave, valore, atteso, rifiuto] = dati<QString, QString, QString, QString>("chiave", "valore", "atteso", "rifiuto");
    const QStringList rifiuti = {"", "Dimensione", "ChiaveMancante", "NonNumero", "Round", "Tempo", "Punteggio",
                                 "Parola", "Errori", "DaScoprire", "Jolly", "Lettera", "Casella"};
    if (valore.startsWith(u"codifica:")) valore = mfuncCodifica(valore.mid(9), 7);
    if (valore == u"<64 KiB>") valore = QString(64 * 1024, u'x');
    QByteArray file = chiave == u"<vuoto>" ? QByteArray() : riferimento(7);
    if (valore == u"<manca>") file.replace("\n" + chiave.toUtf8() + "=", "\nx=");
    else if (!file.isEmpty()) file = pfuncApplicaScritture(file, {{pfuncSezionePartita(), chiave, valore}});
    const PartitaLetta letta = pfuncLeggiPartita(file);
    QCOMPARE(rifiuti.value(int(letta.rifiuto)), rifiuto);
    if (!letta.stato) return;
    const StatoPartita& s = *letta.stato;
    const QString visto = QStringLiteral("round=%1 tempo=%2:%3 punti=%4 parola=%5 errori=%6 nascoste=%7 jolly=%8 A=%9")
                              .arg(s.round).arg(s.minuti).arg(s.secondi, 2, 10, QChar(u'0')).arg(s.punteggio).arg(s.parola)
                              .arg(s.errori).arg(s.daScoprire).arg(s.jollyDisponibile).arg(s.lettere[1]) +
                          " casella1=" + s.caselle[1] + "|";
    QVERIFY2(visto.contains(atteso), qPrintable(visto));
  }

  // le tabelle che decidono i byte, intere: Windows-1252 (byte, carattere, byte riscritto), selettore -> variante,
  // il codice d'ogni lettera in ogni variante, le cifre che portano r
  void tabelleIntere() {
    QStringList righe;
    for (int b = 0; b <= 0xFF; ++b) {
      const char c = char(b);
      const QString u = pfuncDaWindows1252(&c, 1);
      righe << QStringLiteral("1252 %1 %2 %3").arg(b, 2, 16, QChar(u'0')).arg(u[0].unicode(), 4, 16, QChar(u'0')).arg(pfuncAWindows1252(u).toHex());
    }
    for (int s = -1; s <= 26; ++s) righe << QStringLiteral("variante %1 %2").arg(s).arg(pfuncVarianteCodice(s));
    righe << QStringLiteral("variante -32768 %1").arg(pfuncVarianteCodice(-32768)) << QStringLiteral("variante 32767 %1").arg(pfuncVarianteCodice(32767));
    for (int v = 0; v < 5; ++v) {
      for (const QChar l : QStringLiteral("abcdefghilmnopqrstuvz")) righe << QStringLiteral("codice %1 %2 %3").arg(v).arg(l).arg(mfuncCodifica(l, v * 5 + 1));
    }
    for (int r = 1; r <= 25; ++r) righe << QStringLiteral("cifre %1 %2").arg(r).arg(CODICI_CIFRE[r - 1]);
    QStringList attese = QString::fromUtf8(leggiFile(GORBIO_SORGENTI "/tests/dati/tabelle-byte.txt")).split(u'\n');
    attese.removeIf([](const QString& r) { return r.isEmpty() || r.startsWith(u'#'); });
    QCOMPARE(righe, attese);
  }
};

QTEST_MAIN(TestPartitaSalvata)
#include "tst_partitasalvata.moc"
