#include <QApplication>

#include "app/avvio.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  psubInizializzaRisorse();
  PiattaformaQt piattaformaQt;
  impostaPiattaforma(&piattaformaQt);
  Main();
  return QApplication::exec();
}
