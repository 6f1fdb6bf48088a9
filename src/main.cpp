#include <QApplication>
#include <malloc.h>

#include "app/avvio.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "app/scrivania.h"

int main(int argc, char* argv[]) {
  // soglia fissa: i blocchi da 128 kB in su (i 4 MB che Qt Multimedia prende per ogni suono, le
  // figure delle scene) tornano al sistema appena liberati. Con la soglia mobile di glibc, liberato
  // il primo suono finivano nel heap, che non si accorciava piu' (dopo 20 minuti di round: 8 MB
  // liberi ma residenti)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  QApplication app(argc, argv);
  psubPreparaScrivania();
  psubInizializzaRisorse();
  PiattaformaQt piattaformaQt;
  impostaPiattaforma(&piattaformaQt);
  Main();
  return QApplication::exec();
}
