#include <QApplication>

#include "app/avvio.h"
#include "app/memoria.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "app/scrivania.h"

int main(int argc, char* argv[]) {
  psubImpostaAllocatore();
  QApplication app(argc, argv);
  psubPreparaScrivania();
  psubInizializzaRisorse();
  PiattaformaQt piattaformaQt;
  impostaPiattaforma(&piattaformaQt);
  Main();
  return QApplication::exec();
}
