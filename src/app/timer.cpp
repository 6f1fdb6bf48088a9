#include "app/timer.h"

#include "app/piattaforma.h"

Timer::Timer(std::function<void()> gestore) : mGestore(std::move(gestore)) {}

Timer::~Timer() = default;

void Timer::setInterval(int ms) {
  mintIntervallo = ms < 0 ? 0 : ms;
  aggiorna();
}

void Timer::setEnabled(bool abilitato) {
  mblnAbilitato = abilitato;
  aggiorna();
}

void Timer::aggiorna() {
  if (!attivo()) {
    if (mImpl) mImpl->ferma();
    return;
  }
  // creato solo al primo avvio: la piattaforma potrebbe non esistere ancora
  if (!mImpl) mImpl = piattaforma().creaTimer([this] { mGestore(); });
  mImpl->avvia(mintIntervallo);
}
