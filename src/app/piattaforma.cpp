#include "app/piattaforma.h"

#include <cstdlib>

namespace {
Piattaforma* gPiattaforma = nullptr;
}

Piattaforma& piattaforma() {
  if (!gPiattaforma) std::abort();  // errore di programmazione: nessuna piattaforma
  return *gPiattaforma;
}

void impostaPiattaforma(Piattaforma* p) { gPiattaforma = p; }
