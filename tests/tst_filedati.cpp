// I cinque file dati, la protezione da scrittura e la lista parole.
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "words/filedati.h"

namespace {

const QStringList NOMI = {"Mr.Gorbio.001", "Mr.Gorbio.002", "Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"};

QByteArray lista(int righe, const QByteArray& parola = "CAVOLO", const QByteArray& fine = "\r\n") {
  return (parola + fine).repeated(righe);
}

}  // namespace

class TestFileDati : public QObject {
  Q_OBJECT

private slots:
  // il primo file che manca, nell'ordine 001, 002, 004, 003, 005; vuoto o cartella vale mancante;
  // con tutti presenti nessun messaggio, e solo le impostazioni restano scrivibili
  void controlloEProtezione_data() { tabella("filedati-controllo"); }
  void controlloEProtezione() {
    const auto [segnalato] = dati<QString>("segnalato");
    const QString mancanti = QTest::currentDataTag();
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    for (const QString& n : NOMI) {
      const QChar c = n.back();
      if (mancanti.contains(QString("c") + c)) QDir(dir.path()).mkdir(n);
      else if (!mancanti.contains(c) || mancanti.contains(QString("v") + c)) scriviFile(dir.filePath(n), mancanti.contains(c) ? "" : "dati");
    }
    if (segnalato.isEmpty()) {
      psubControllaFileDati();
      QVERIFY(amb.finta.messaggi.isEmpty());
      const auto scrittura = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
      for (const QString& n : NOMI) QCOMPARE(bool(QFileInfo(dir.filePath(n)).permissions() & scrittura), n.endsWith(u'2'));
      return;
    }
    QVERIFY_THROWS_EXCEPTION(FineProgramma, psubControllaFileDati());
    QCOMPARE(amb.finta.messaggi.size(), 1);
    const auto& m = amb.finta.messaggi.constFirst();
    QCOMPARE(m.testo, QStringLiteral("Impossibile trovare il file:\r\n\r\n") + dir.filePath("Mr.Gorbio.00" + segnalato) +
                          QStringLiteral(".\r\n\r\nE' necessario reinstallare l'applicazione... :("));
    QCOMPARE(m.titolo, QStringLiteral(" Veltrak Info Service..."));
    QCOMPARE(m.icona, Icona::Esclamazione);
  }

  void listaParole_data() {
    colonne<QByteArray, bool>("contenuto", "buona");
    QTest::newRow("4100 righe di 6 lettere") << lista(4100) << true;
    QTest::newRow("4099 righe") << lista(4099) << false;
    QTest::newRow("4101 righe") << lista(4101) << false;
    QTest::newRow("senza a capo finale") << lista(4100).chopped(2) << true;
    QTest::newRow("solo LF, minuscole") << lista(4100, "cavolo", "\n") << true;
    QTest::newRow("parola di 10") << lista(4100, "ABCDEFGHIL") << true;
    QTest::newRow("parola di 5") << (lista(4099) + "ABCDE\r\n") << false;
    QTest::newRow("parola di 11") << (lista(10) + "ABCDEFGHILM\r\n" + lista(4089)) << false;
    QTest::newRow("8 lettere e tre spazi") << (lista(4099) + "ABCDEFGH   \r\n") << false;
    QTest::newRow("riga vuota in mezzo") << (lista(2000) + "\r\n" + lista(2099)) << false;
    QTest::newRow("file enorme") << lista(200000) << false;
  }
  void listaParole() {
    const auto [contenuto, buona] = dati<QByteArray, bool>("contenuto", "buona");
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileParole, contenuto);
    if (buona) {
      psubCaricaParole();
      QCOMPARE(colParole.Count(), 4100);
      // righe tutte uguali: l'ultima parola e' la prima riga in maiuscole
      QCOMPARE(colParole.Item(4100), QString::fromLatin1(contenuto.left(contenuto.indexOf('\n'))).trimmed().toUpper());
      return;
    }
    QVERIFY_THROWS_EXCEPTION(FineProgramma, psubCaricaParole());
    QCOMPARE(amb.finta.ultimoMessaggio(), "Il file:\r\n\r\n" + gstrFileParole +
                                              "\r\n\r\nè stato corrotto.\r\n\r\nE' necessario reinstallare l'applicazione... :(");
    QVERIFY(amb.finta.fermaSuoni > 0);  // il brano d'avvio si ferma
  }

  // la lista vera che accompagna il gioco: 4100 righe CR LF, parole diverse, solo lettere del gioco, da 6 a 10
  void listaSpedita() {
    AmbienteTest amb;
    psubImpostaPercorsi(cartellaSorgenti() + QStringLiteral("/data"));
    psubCaricaParole();
    const QByteArray grezzo = leggiFile(gstrFileParole);
    QVERIFY(grezzo.count("\r\n") == 4100 && grezzo.count('\n') == 4100);
    QSet<QString> viste;
    for (int i = 1; i <= colParole.Count(); ++i) viste.insert(colParole.Item(i));
    QCOMPARE(viste.size(), 4100);
    const QString tutte = viste.values().join(u'\n');
    QVERIFY(QRegularExpression(QStringLiteral("^[ABCDEFGHILMNOPQRSTUVZ]{6,10}(\n[ABCDEFGHILMNOPQRSTUVZ]{6,10})*$")).match(tutte).hasMatch());
  }
};

QTEST_GUILESS_MAIN(TestFileDati)
#include "tst_filedati.moc"
