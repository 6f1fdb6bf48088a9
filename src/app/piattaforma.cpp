#include "app/piattaforma.h"

#include <cstdlib>

#include "ui/accessibilita.h"

namespace {
Piattaforma* gPiattaforma = nullptr;
}

Piattaforma& piattaforma() {
  if (!gPiattaforma) std::abort();  // errore di programmazione: nessuna piattaforma
  return *gPiattaforma;
}

void impostaPiattaforma(Piattaforma* p) { gPiattaforma = p; }

Risposta Piattaforma::msgBox(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo) {
  return mostraMessaggio(testo, pulsanti, icona, titolo, pfuncPrendiAnnunci());
}
