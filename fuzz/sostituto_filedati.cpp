// Sostituto di words/filedati.cpp per i bersagli che non lo compilano: quel file include app/media.h (QPixmap, quindi
// Qt Gui). Solo le funzioni su file di profilo.cpp lo chiamano, e i bersagli non le usano mai.
#include <cstdlib>

#include "words/filedati.h"

int pfuncStatoFile(const QString&) { std::abort(); }
