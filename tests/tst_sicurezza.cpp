// La classifica sopravvive a tutto: un processo ucciso a caso mentre la
// aggiorna lascia sempre un file leggibile con uno stato davvero scritto.
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <csignal>

#include "persistence/profilo.h"
#include "support/aiuti.h"

class TestSicurezza : public QObject {
  Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestSicurezza)
#include "tst_sicurezza.moc"
