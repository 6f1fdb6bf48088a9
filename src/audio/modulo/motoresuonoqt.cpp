// Il modulo del suono: QSoundEffect per i suoni, QMediaDevices per la scheda.
#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>

#include "audio/motoresuono.h"

namespace {

class MotoreSuonoQt : public MotoreSuono {
public:
  ~MotoreSuonoQt() override { qDeleteAll(mEffetti); }

  bool dispositivoPresente() override { return !QMediaDevices::audioOutputs().isEmpty(); }

  void suona(const QUrl& sorgente, bool ripeti) override {
    ferma();
    // ogni effetto si crea una volta sola e resta pronto per le volte seguenti
    QSoundEffect*& effetto = mEffetti[sorgente.toString()];
    if (!effetto) {
      effetto = new QSoundEffect;
      effetto->setSource(sorgente);
    }
    effetto->setLoopCount(ripeti ? QSoundEffect::Infinite : 1);
    effetto->play();
    mInCorso = effetto;
  }

  void ferma() override {
    if (mInCorso) mInCorso->stop();
    mInCorso = nullptr;
  }

private:
  QHash<QString, QSoundEffect*> mEffetti;
  QSoundEffect* mInCorso = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT MotoreSuono* gorbio_crea_motore_suono() { return new MotoreSuonoQt; }
