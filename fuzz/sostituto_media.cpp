// Sostituto di app/media.cpp (Qt Multimedia e Widgets) per fuzz_parole:
// solo psubCaricaParole lo chiama, e il bersaglio non la usa mai.
#include <cstdlib>

#include "app/media.h"

void psubFermaSuono() { std::abort(); }
