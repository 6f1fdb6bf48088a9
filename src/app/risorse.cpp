#include "app/risorse.h"

#include <QtCore/qglobal.h>

// fuori da ogni namespace, come vuole Q_INIT_RESOURCE
static void inizializza() { Q_INIT_RESOURCE(resources); }

void psubInizializzaRisorse() {
  static const bool fatto = (inizializza(), true);
  (void)fatto;
}
