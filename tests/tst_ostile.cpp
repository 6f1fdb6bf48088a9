// Un disco ostile: cartella o file in sola lettura (da utente normale), disco
// pieno, una FIFO o un giro di link al posto del file. Sempre un messaggio che
// nomina il file, il vecchio file intatto, nessun file temporaneo, mai un crash.
#include <QProcess>
#include <QtTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/aiuti.h"

namespace {

const QByteArray IMPOSTAZIONI = "[Toob]\r\nk=7\r\n[Nome]\r\n1=Anna\r\n";

struct Esito {
  int codice;
  QString uscita;
};

Esito scrivi(const QString& file, bool comeNessuno) {
  const QString programma = QCoreApplication::applicationDirPath() + QStringLiteral("/scrittore_classifica");
  QProcess p;
  if (comeNessuno) {
    p.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", programma, file, "--una"});
  } else {
    p.start(programma, {file, QStringLiteral("--una")});
  }
  p.waitForFinished(30000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

}  // namespace

class TestOstile : public QObject {
  Q_OBJECT

private slots:
  void scritturaImpossibile_data() {
    // permessi di cartella e file; scrive: la cartella rifiuta il temporaneo, si scrive sul posto
    colonne<QString, int, int, bool>("caso", "cartella", "file", "scrive");
    QTest::newRow("cartella e file in sola lettura") << "utente" << 0555 << 0644 << false;
    QTest::newRow("cartella in sola lettura, file scrivibile") << "utente" << 0555 << 0666 << true;
    QTest::newRow("file di un altro in sola lettura") << "utente" << 0777 << 0444 << false;
    QTest::newRow("disco pieno") << "pieno" << 0777 << 0644 << false;
  }
  void scritturaImpossibile() {
    const auto [caso, permessiCartella, permessiFile, scrive] = dati<QString, int, int, bool>("caso", "cartella", "file", "scrive");
    const bool comeNessuno = caso == u"utente";
    if (comeNessuno && getuid() != 0) QSKIP("serve root per provare come utente normale");
    QTemporaryDir base;
    QString cartella = base.filePath(QStringLiteral("gioco"));
    QDir().mkpath(cartella);
    bool montata = false;
    if (caso == u"pieno") {
      if (getuid() != 0 || ::mount("tmpfs", cartella.toLocal8Bit().constData(), "tmpfs", 0, "size=16k") != 0) {
        QSKIP("tmpfs non disponibile");
      }
      montata = true;
    }
    auto smonta = qScopeGuard([&] {
      if (montata) ::umount(cartella.toLocal8Bit().constData());
    });
    const QString file = scriviFile(cartella + QStringLiteral("/Mr.Gorbio.002"), IMPOSTAZIONI);
    if (caso == u"pieno") {
      // riempie quel che resta: la nuova copia non ci sta
      QFile riempi(cartella + QStringLiteral("/zavorra"));
      riempi.open(QIODevice::WriteOnly);
      while (riempi.write(QByteArray(512, 'z')) == 512 && riempi.flush()) {
      }
    }
    ::chmod(base.path().toLocal8Bit().constData(), 0755);
    ::chmod(cartella.toLocal8Bit().constData(), static_cast<mode_t>(permessiCartella));
    ::chmod(file.toLocal8Bit().constData(), static_cast<mode_t>(permessiFile));
    const QStringList prima = QDir(cartella).entryList(QDir::Files | QDir::Hidden);

    const Esito e = scrivi(file, comeNessuno);
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden), prima);
    if (scrive) {
      QCOMPARE(e.uscita, QStringLiteral("8\n"));
      QVERIFY(leggiFile(file).startsWith("[Toob]\r\nk=8\r\n[Nome]\r\n1=G8\r\n2=Anna\r\n"));
      return;
    }
    QCOMPARE(e.codice, 1);
    QVERIFY2(e.uscita.contains(QStringLiteral("Impossibile scrivere il file:")), qPrintable(e.uscita));
    QVERIFY(e.uscita.contains(file));
    QCOMPARE(leggiFile(file), IMPOSTAZIONI);
  }

  void alPostoDelFile_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("una FIFO") << "fifo";
    QTest::newRow("un giro di link") << "giro";
    QTest::newRow("una cartella") << "cartella";
  }
  void alPostoDelFile() {
    QFETCH(QString, caso);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Mr.Gorbio.002"));
    if (caso == u"fifo") {
      QCOMPARE(::mkfifo(file.toLocal8Bit().constData(), 0644), 0);
    } else if (caso == u"giro") {
      QFile::link(file, dir.filePath(QStringLiteral("altro")));
      QFile::link(dir.filePath(QStringLiteral("altro")), file);
    } else {
      QDir().mkpath(file);
    }
    const Esito e = scrivi(file, false);
    // il messaggio di file mancante, senza restare appesi e senza crash
    QCOMPARE(e.codice, 3);
    QVERIFY(e.uscita.contains(QStringLiteral("Impossibile trovare il file:")));
    QVERIFY(e.uscita.contains(file));
  }
};

QTEST_GUILESS_MAIN(TestOstile)
#include "tst_ostile.moc"
