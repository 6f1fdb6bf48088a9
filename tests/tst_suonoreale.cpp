// I suoni arrivano davvero all'uscita audio, dalla memoria e dal disco, e si fermano.
// Registra l'uscita nulla di PulseAudio che ./check avvia.
#include <QProcess>
#include <QtTest>
#include <cmath>

#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "support/aiuti.h"

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

class TestSuonoReale : public QObject {
  Q_OBJECT

  PiattaformaQt* mQt = nullptr;

private slots:
  void initTestCase() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) QSKIP("serve il server audio di ./check");
    psubInizializzaRisorse();
    psubAzzeraStatoModulo();
    mQt = new PiattaformaQt;
    impostaPiattaforma(mQt);
    QVERIFY2(mQt->dispositivoAudio(), "nessuna uscita audio vista da Qt");
  }
  void cleanupTestCase() {
    impostaPiattaforma(nullptr);
    delete mQt;
  }

  // dalla memoria e dal disco il suono arriva all'uscita; fermato, l'uscita tace
  void suonoEFermo() {
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

QTEST_MAIN(TestSuonoReale)
#include "tst_suonoreale.moc"
