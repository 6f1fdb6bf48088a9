// Sostituto di ui/accessibilita.cpp per i bersagli (solo Qt Core): piattaforma.cpp
// chiede gli annunci in sospeso per i messaggi, e nei bersagli non ce n'e' mai.
#include "ui/accessibilita.h"

QString pfuncPrendiAnnunci() { return {}; }
