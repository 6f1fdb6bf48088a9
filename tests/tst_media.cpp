// Il modulo del suono che manca, attese vere che non girano a vuoto (suoni uno alla volta e timer del gioco li
// guardano le tracce); e il suono vero che arriva all'uscita nulla di PulseAudio che ./check avvia, e si ferma.
#include <QMessageBox>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <ctime>

#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {

// Livello RMS (0..1) di quanto e' passato dall'uscita mentre suona.
double registraMentre(const std::function<void()>& suona, float secondi) {
  QProcess parec;
  parec.start("parec", {"-d", "@DEFAULT_MONITOR@", "--raw", "--format=s16le", "--channels=1", "--rate=8000"});
  if (!parec.waitForStarted(3000)) return -1;
  psubAttendi(0.3F);
  suona();
  psubAttendi(secondi);
  parec.terminate();
  parec.waitForFinished(3000);
  const QByteArray dati = parec.readAllStandardOutput();
  double somma = 0;
  const qsizetype n = dati.size() / 2;
  for (qsizetype i = 0; i < n; ++i) somma += std::pow(qFromLittleEndian<qint16>(dati.constData() + i * 2) / 32768.0, 2);
  return n ? std::sqrt(somma / static_cast<double>(n)) : 0;
}

}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { psubInizializzaRisorse(); }

  // Senza il modulo del suono (o con un modulo sbagliato) il controllo della scheda
  // fallisce dicendo perche'; suoni e stop restano senza effetto.
  void moduloSuonoMancante_data() {
    colonne<QString, QString>("modulo", "motivo");
    QTest::newRow("file che non c'e'") << QStringLiteral("/nessuna/cartella/libgorbio_suono.so")
                                       << QStringLiteral("No such file");
    QTest::newRow("non e' una libreria") << QStringLiteral(GORBIO_SORGENTI "/data/Mr.Gorbio.002")
                                         << QStringLiteral("invalid ELF header");
    QTest::newRow("libreria senza il motore") << QStringLiteral("libm.so.6") << QStringLiteral("undefined symbol");
  }
  void moduloSuonoMancante() {
    const auto [modulo, motivo] = dati<QString, QString>("modulo", "motivo");
    PiattaformaQt qt(modulo);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Suono non disponibile.*") + motivo));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, qt.dispositivoAudio());
    // suonare e fermare non riprovano a caricare e non dicono altro; il motivo resta quello
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    qt.suonaRisorsa(QStringLiteral(":/wave/ID_22.wav"), true);
    qt.fermaSuono();
    try {
      qt.dispositivoAudio();
      QFAIL("il motore del suono e' comparso");
    } catch (const std::runtime_error& e) {
      QVERIFY2(QString::fromLocal8Bit(e.what()).contains(motivo), e.what());
    }
  }

  // attese vere: zero non elabora eventi, una positiva si'; la fine alla scadenza
  void attesaVera_data() { tabella("media-attesa-vera"); }
  void attesaVera() {
    const auto [dentro, attesaMs, fineMs] = dati<QString, int, int>("dentro", "attesaMs", "fineMs");
    PiattaformaQt qt;
    impostaPiattaforma(&qt);
    auto ripristina = qScopeGuard([] { impostaPiattaforma(nullptr); });
    bool fatto = false;
    QTimer::singleShot(0, this, [&] { fatto = true; });
    psubAttendi(0);
    QVERIFY(!fatto);
    QTimer guardia;
    guardia.callOnTimeout([] { qFatal("attesa mai finita"); });
    guardia.start(5000);
    QTimer::singleShot(0, this, [&] {
      if (dentro == u"modale") {
        QMessageBox box;
        QTimer::singleShot(300, &box, &QMessageBox::accept);
        box.exec();
      } else if (!dentro.isEmpty()) {
        qt.attendi(dentro == u"corta" ? 20 : 300);
      }
    });
    QElapsedTimer orologio;
    orologio.start();
    const std::clock_t cpu = std::clock();
    psubAttendi(static_cast<float>(attesaMs) / 1000);
    const double usata = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    QVERIFY(fatto);
    QVERIFY2(orologio.elapsed() >= fineMs && orologio.elapsed() < fineMs + 150, qPrintable(QString::number(orologio.elapsed())));
    if (dentro.isEmpty()) QVERIFY2(usata < 0.05, "l'attesa consuma processore");
  }

  // dalla memoria e dal disco il suono arriva all'uscita; fermato, l'uscita tace
  void suonoEFermo() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) SALTA_FUORI_DA_CI("serve il server audio di ./check");
    psubAzzeraStatoModulo();
    PiattaformaQt qt;
    impostaPiattaforma(&qt);
    auto ripristina = qScopeGuard([] { impostaPiattaforma(nullptr); });
    QVERIFY2(qt.dispositivoAudio(), "nessuna uscita audio vista da Qt");
    const QString file = cartellaSorgenti() + QStringLiteral("/data/Mr.Gorbio.004");
    // 4 s e non la durata del suono: con i sanitizzatori e le prove in parallelo il primo
    // suono dalla memoria puo' partire con oltre un secondo di ritardo
    const double memoria = registraMentre([] { psubSuona("id_40", false, ORIGINE_RISORSE, 0); }, 4.0F);
    // il brano d'avvio dura piu' della registrazione: suona ancora quando si ferma
    const double disco = registraMentre([&] { psubSuona(file, false, ORIGINE_DISCO, 0); }, 4.0F);
    psubFermaSuono();
    const double fermo = registraMentre([] {}, 1.0F);
    qInfo("RMS: ID_40 dalla memoria %.4f, Mr.Gorbio.004 dal disco %.4f, fermato %.4f", memoria, disco, fermo);
    QVERIFY(memoria > 0.01 && disco > 0.01 && fermo < 0.001);
  }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
