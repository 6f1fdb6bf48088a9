// La classifica sopravvive a tutto: un processo ucciso a caso mentre la
// aggiorna lascia sempre un file leggibile con uno stato davvero scritto.
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <csignal>

#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "support/aiuti.h"

class TestSicurezza : public QObject {
  Q_OBJECT

private slots:
  void uccisoACasoDuranteGliAggiornamenti() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Mr.Gorbio.002"));
    scriviFile(file, leggiFile(cartellaSorgenti() + QStringLiteral("/data/Mr.Gorbio.002")));
    const QString programma = QCoreApplication::applicationDirPath() + QStringLiteral("/scrittore_classifica");
    QRandomGenerator caso(2002);
    int confermato = 0;
    int uccisioni = 0;
    while (confermato < 500) {
      QProcess p;
      p.start(programma, {file});
      QVERIFY(p.waitForStarted());
      // appena comincia ad aggiornare, SIGKILL in un momento qualsiasi
      QVERIFY(p.waitForReadyRead(30000));
      QThread::usleep(caso.bounded(0, 20000));
      ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
      p.waitForFinished();
      ++uccisioni;
      const QByteArrayList righe = p.readAllStandardOutput().split('\n');
      int ultimo = confermato;
      for (const QByteArray& r : righe) {
        if (!r.isEmpty()) ultimo = r.toInt();
      }
      const QByteArray contenuto = leggiFile(file);
      const int k = pfuncCercaValore(contenuto, QStringLiteral("Toob"), QStringLiteral("k")).value_or("0").toInt();
      // il contatore e' quello confermato o uno in piu' (scritto ma non ancora detto)
      if (k != ultimo && k != ultimo + 1) QFAIL(qPrintable(QStringLiteral("k=%1, confermato %2").arg(k).arg(ultimo)));
      for (int posto = 1; posto <= 5; ++posto) {
        const int atteso = k - posto + 1;
        const QString punti =
            pfuncCercaValore(contenuto, QStringLiteral("Punteggio"), QString::number(posto)).value_or(QString());
        const QString nome = pfuncCercaValore(contenuto, QStringLiteral("Nome"), QString::number(posto)).value_or(QString());
        if (atteso >= 1) {
          QCOMPARE(punti, QString::number(atteso));
          QCOMPARE(nome, QStringLiteral("G%1").arg(atteso));
        } else {
          QCOMPARE(punti, QStringLiteral("vuoto"));
        }
      }
      confermato = k;
    }
    // un processo ucciso puo' lasciare solo il suo file temporaneo, mai il file vero a meta'
    qInfo("%d aggiornamenti, %d uccisioni, %lld file temporanei rimasti", confermato, uccisioni,
          static_cast<long long>(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() - 1));
  }
};

QTEST_GUILESS_MAIN(TestSicurezza)
#include "tst_sicurezza.moc"
