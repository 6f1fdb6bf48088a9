// I cinque file dati: il primo che manca e la protezione da scrittura (la lista parole la guardano le tracce).
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "words/filedati.h"

namespace {

const QStringList NOMI = {"Mr.Gorbio.001", "Mr.Gorbio.002", "Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"};

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
};

QTEST_GUILESS_MAIN(TestFileDati)
#include "tst_filedati.moc"
