// I cinque file dati, la protezione da scrittura e la lista parole.
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "words/filedati.h"

namespace {

const QStringList NOMI = {"Mr.Gorbio.001", "Mr.Gorbio.002", "Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"};

QByteArray lista(int righe, const QByteArray& parola = "CAVOLO", const QByteArray& fine = "\r\n") {
  QByteArray c;
  for (int i = 0; i < righe; ++i) c += parola + fine;
  return c;
}

}  // namespace

class TestFileDati : public QObject {
  Q_OBJECT

private slots:
  // il primo file che manca, nell'ordine 001, 002, 004, 003, 005; vuoto o cartella vale mancante
  void ordineDelControllo_data() {
    colonne<QStringList, QString>("mancanti", "segnalato");
    QTest::newRow("tutti") << NOMI << "Mr.Gorbio.001";
    QTest::newRow("002 e 003") << QStringList{"Mr.Gorbio.002", "Mr.Gorbio.003"} << "Mr.Gorbio.002";
    QTest::newRow("003 e 004") << QStringList{"Mr.Gorbio.003", "Mr.Gorbio.004"} << "Mr.Gorbio.004";
    QTest::newRow("003 e 005") << QStringList{"Mr.Gorbio.005", "Mr.Gorbio.003"} << "Mr.Gorbio.003";
    QTest::newRow("solo 005") << QStringList{"Mr.Gorbio.005"} << "Mr.Gorbio.005";
    QTest::newRow("004 vuoto") << QStringList{"vuoto:Mr.Gorbio.004"} << "Mr.Gorbio.004";
    QTest::newRow("002 cartella") << QStringList{"cartella:Mr.Gorbio.002"} << "Mr.Gorbio.002";
  }
  void ordineDelControllo() {
    const auto [mancanti, segnalato] = dati<QStringList, QString>("mancanti", "segnalato");
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    for (const QString& n : NOMI) {
      if (mancanti.contains("cartella:" + n)) QDir(dir.path()).mkdir(n);
      else if (!mancanti.contains(n)) scriviFile(dir.filePath(n), mancanti.contains("vuoto:" + n) ? "" : "dati");
    }
    QVERIFY_THROWS_EXCEPTION(FineProgramma, psubControllaFileDati());
    QCOMPARE(amb.finta.messaggi.size(), 1);
    const auto& m = amb.finta.messaggi.constFirst();
    QCOMPARE(m.testo, QStringLiteral("Impossibile trovare il file:\r\n\r\n") + dir.filePath(segnalato) +
                          QStringLiteral(".\r\n\r\nE' necessario reinstallare l'applicazione... :("));
    QCOMPARE(m.titolo, QStringLiteral(" Veltrak Info Service..."));
    QCOMPARE(m.icona, Icona::Esclamazione);
  }

  // tutti presenti: nessun messaggio, e solo le impostazioni restano scrivibili
  void protezioneDaScrittura() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    for (const QString& n : NOMI) scriviFile(dir.filePath(n), "dati");
    psubControllaFileDati();
    QVERIFY(amb.finta.messaggi.isEmpty());
    for (const QString& n : NOMI) {
      const bool scrivibile = QFileInfo(dir.filePath(n)).permissions() &
                              (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
      QCOMPARE(scrivibile, n == u"Mr.Gorbio.002");
    }
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
    } else {
      QVERIFY_THROWS_EXCEPTION(FineProgramma, psubCaricaParole());
      QCOMPARE(amb.finta.ultimoMessaggio(), QStringLiteral("Il file:\r\n\r\n") + gstrFileParole +
                                                QStringLiteral("\r\n\r\nè stato corrotto.\r\n\r\nE' necessario "
                                                               "reinstallare l'applicazione... :("));
      QVERIFY(amb.finta.fermaSuoni > 0);  // il brano d'avvio si ferma
    }
  }

  // la lista vera che accompagna il gioco: 4100 parole diverse, solo lettere del gioco, da 6 a 10
  void listaSpedita() {
    AmbienteTest amb;
    psubImpostaPercorsi(cartellaSorgenti() + QStringLiteral("/data"));
    psubCaricaParole();
    QCOMPARE(colParole.Count(), 4100);
    const QByteArray grezzo = leggiFile(gstrFileParole);
    QCOMPARE(grezzo.count("\r\n"), 4100);
    QCOMPARE(grezzo.count('\n'), 4100);
    QSet<QString> viste;
    static const QRegularExpression valida(QStringLiteral("^[ABCDEFGHILMNOPQRSTUVZ]{6,10}$"));
    for (int i = 1; i <= colParole.Count(); ++i) {
      const QString& p = colParole.Item(i);
      if (!valida.match(p).hasMatch()) QFAIL(qPrintable(QStringLiteral("parola non valida: ") + p));
      viste.insert(p);
    }
    QCOMPARE(viste.size(), 4100);
  }
};

QTEST_GUILESS_MAIN(TestFileDati)
#include "tst_filedati.moc"
