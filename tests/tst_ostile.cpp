// La classifica sopravvive a tutto. Un disco ostile: cartella o file in sola lettura (da utente normale), disco pieno,
// una FIFO o un giro di link al posto del file; sempre un messaggio che nomina il file, il vecchio file intatto, nessun
// file temporaneo, mai un crash. E un processo ucciso a caso mentre la aggiorna.
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "persistence/profilo.h"
#include "support/aiuti.h"

static const QByteArray IMPOSTAZIONI = "[Toob]\r\nk=7\r\n[Nome]\r\n1=Anna\r\n";

class TestOstile : public QObject {
  Q_OBJECT

private slots:
  void scritturaOstile_data() { tabella("ostile-scrittura"); }
  void scritturaOstile() {
    const auto [caso, cartellaOttale, fileOttale, esito] = dati<QString, QString, QString, int>("come", "cartella", "file", "esito");
    const auto permessiCartella = cartellaOttale.toUInt(nullptr, 8), permessiFile = fileOttale.toUInt(nullptr, 8);
    const bool comeNessuno = caso == u"utente", pieno = caso == u"pieno";
    if ((comeNessuno || pieno) && getuid() != 0) SALTA_FUORI_DA_CI("serve root: i file d'un altro utente, tmpfs");
    QTemporaryDir base;
    const QString cartella = base.filePath(QStringLiteral("gioco")), file = cartella + QStringLiteral("/Mr.Gorbio.002");
    const QByteArray percorso = QFile::encodeName(cartella);
    QDir().mkpath(cartella);
    if (pieno && ::mount("tmpfs", percorso.constData(), "tmpfs", 0, "size=16k") != 0) SALTA_FUORI_DA_CI("tmpfs non disponibile");
    auto smonta = qScopeGuard([&] {
      if (pieno) ::umount(percorso.constData());
    });
    if (caso == u"fifo") {
      QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
    } else if (caso == u"giro") {
      QFile::link(file, cartella + QStringLiteral("/altro"));
      QFile::link(cartella + QStringLiteral("/altro"), file);
    } else if (caso == u"cartella") {
      QDir().mkpath(file);
    } else {
      scriviFile(file, IMPOSTAZIONI);
      ::chmod(QFile::encodeName(file).constData(), static_cast<mode_t>(permessiFile));
    }
    // il disco pieno: la nuova copia non ci sta
    QFile zavorra(cartella + QStringLiteral("/zavorra"));
    if (pieno && zavorra.open(QIODevice::WriteOnly)) zavorra.write(QByteArray(64 * 1024, 'z'));
    zavorra.close();
    ::chmod(base.path().toLocal8Bit().constData(), 0755);
    ::chmod(percorso.constData(), static_cast<mode_t>(permessiCartella));
    const QStringList prima = QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System);

    // un aggiornamento della classifica, da utente normale o da root
    const QString programma = QCoreApplication::applicationDirPath() + QStringLiteral("/scrittore_classifica");
    QProcess p;
    if (comeNessuno) p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", programma, file, "--una"});
    else p.start(programma, {file, QStringLiteral("--una")});
    QVERIFY(p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit);
    const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System), prima);
    QCOMPARE(p.exitCode(), esito);
    if (esito == 0) {
      QCOMPARE(uscita, QStringLiteral("8\n"));
      QVERIFY(leggiFile(file).startsWith("[Toob]\r\nk=8\r\n[Nome]\r\n1=G8\r\n2=Anna\r\n"));
      return;
    }
    QVERIFY2(uscita.contains(esito == 1 ? "Impossibile scrivere il file:" : "Impossibile trovare il file:"),
             qPrintable(uscita));
    QVERIFY(uscita.contains(file));
    if (esito == 1) QCOMPARE(leggiFile(file), IMPOSTAZIONI);
  }

  // un processo ucciso a caso mentre aggiorna la classifica lascia sempre un file leggibile
  // con uno stato davvero scritto
  void uccisoACasoDuranteGliAggiornamenti() {
    QTemporaryDir dir;
    const QString file = scriviFile(dir.filePath("Mr.Gorbio.002"), leggiFile(cartellaSorgenti() + "/data/Mr.Gorbio.002"));
    QRandomGenerator caso(2002);
    int confermato = 0;
    for (int uccisioni = 1; confermato < 500; ++uccisioni) {
      QProcess p;
      p.start(QCoreApplication::applicationDirPath() + "/scrittore_classifica", {file});
      // appena comincia ad aggiornare, SIGKILL in un momento qualsiasi
      QVERIFY(p.waitForStarted() && p.waitForReadyRead(30000));
      QThread::usleep(caso.bounded(0, 20000));
      ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
      p.waitForFinished();
      int ultimo = confermato;
      for (const QByteArray& r : p.readAllStandardOutput().split('\n')) ultimo = r.isEmpty() ? ultimo : r.toInt();
      const QByteArray contenuto = leggiFile(file);
      // il contatore e' quello confermato o uno in piu' (scritto ma non ancora detto)
      const int k = pfuncCercaValore(contenuto, "Toob", "k").value_or("0").toInt();
      if (k != ultimo && k != ultimo + 1) QFAIL(qPrintable(QStringLiteral("k=%1, confermato %2").arg(k).arg(ultimo)));
      // la tabella e' sempre quella di un aggiornamento intero: k, k-1, ...
      QString vista, attesa;
      for (int p = 1; p <= 5; ++p) {
        for (const char* sezione : {"Nome", "Punteggio"}) vista += pfuncCercaValore(contenuto, sezione, QString::number(p)).value_or("?") + ' ';
        attesa += k - p >= 0 ? QStringLiteral("G%1 %1 ").arg(k - p + 1) : QStringLiteral("vuoto vuoto ");
      }
      QCOMPARE(vista, attesa);
      confermato = k;
      if (confermato >= 500) qInfo("%d aggiornamenti, %d uccisioni", confermato, uccisioni);
    }
    // un ucciso puo' lasciare il suo temporaneo: la scrittura seguente toglie quelli dei
    // processi che non ci sono piu' (4194305 supera ogni pid), non quello di un processo vivo
    const QString orfano = scriviFile(file + ".nuovo-4194305-abc", "mezzo");
    const QString vivo = scriviFile(file + ".nuovo-" + QString::number(QCoreApplication::applicationPid()) + "-abc123", "x");
    QVERIFY(pfuncScriviIni(file, "Toob", "k", "0"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Mr.Gorbio.002", QFileInfo(vivo).fileName()}));
    QVERIFY(!QFile::exists(orfano));
  }
};

QTEST_GUILESS_MAIN(TestOstile)
#include "tst_ostile.moc"
