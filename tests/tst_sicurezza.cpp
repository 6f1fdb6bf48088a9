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
    const QString file = dir.filePath("Mr.Gorbio.002");
    scriviFile(file, leggiFile(cartellaSorgenti() + "/data/Mr.Gorbio.002"));
    QRandomGenerator caso(2002);
    int confermato = 0;
    int uccisioni = 0;
    while (confermato < 500) {
      QProcess p;
      p.start(QCoreApplication::applicationDirPath() + "/scrittore_classifica", {file});
      // appena comincia ad aggiornare, SIGKILL in un momento qualsiasi
      QVERIFY(p.waitForStarted() && p.waitForReadyRead(30000));
      QThread::usleep(caso.bounded(0, 20000));
      ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
      p.waitForFinished();
      ++uccisioni;
      int ultimo = confermato;
      for (const QByteArray& r : p.readAllStandardOutput().split('\n')) ultimo = r.isEmpty() ? ultimo : r.toInt();
      const QByteArray contenuto = leggiFile(file);
      const auto valore = [&](const char* sezione, int chiave) {
        return pfuncCercaValore(contenuto, sezione, QString::number(chiave)).value_or(QString());
      };
      // il contatore e' quello confermato o uno in piu' (scritto ma non ancora detto)
      const int k = pfuncCercaValore(contenuto, "Toob", "k").value_or("0").toInt();
      if (k != ultimo && k != ultimo + 1) QFAIL(qPrintable(QStringLiteral("k=%1, confermato %2").arg(k).arg(ultimo)));
      // la tabella e' sempre quella di un aggiornamento intero: k, k-1, ...
      for (int posto = 1; posto <= 5; ++posto) {
        const int atteso = k - posto + 1;
        QCOMPARE(valore("Punteggio", posto), atteso >= 1 ? QString::number(atteso) : QStringLiteral("vuoto"));
        if (atteso >= 1) QCOMPARE(valore("Nome", posto), QStringLiteral("G%1").arg(atteso));
      }
      confermato = k;
    }
    // un ucciso puo' lasciare il suo temporaneo: la scrittura seguente lo toglie
    qInfo("%d aggiornamenti, %d uccisioni", confermato, uccisioni);
    QVERIFY(pfuncScriviIni(file, "Toob", "k", "0"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Mr.Gorbio.002"});
  }

  void temporaneiDiUnProcessoMortoSpariscono() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Mr.Gorbio.002");
    scriviFile(file, "[Toob]\r\nk=1\r\n");
    QProcess morto;
    morto.start("true");
    QVERIFY(morto.waitForStarted());
    const QString orfano = file + ".nuovo-" + QString::number(morto.processId());
    QVERIFY(morto.waitForFinished());
    const QString vivo = file + ".nuovo-" + QString::number(QCoreApplication::applicationPid()) + "-abc123";
    scriviFile(orfano, "mezzo");
    scriviFile(vivo, "in corso");
    QVERIFY(pfuncScriviIni(file, "Toob", "k", "2"));
    QVERIFY(!QFile::exists(orfano));
    QVERIFY(QFile::exists(vivo));  // di un processo vivo: non si tocca
  }
};

QTEST_GUILESS_MAIN(TestSicurezza)
#include "tst_sicurezza.moc"
