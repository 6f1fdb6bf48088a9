// frmGioco: i timer d'ambiente, il titolo del brano d'avvio e il rutto.
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"

QString pfuncTitoloBrano() {
  return QStringLiteral("\"Appeso a un Filo\" - Le Vocali Vaganti (dall'album \"Ventuno Lettere\")");
}

void frmGioco::tmrWaveMp3_Timer() {
  tmrWaveMp3.setInterval(0);
  lblTitoloWaveMp3->setVisible(false);
}

void frmGioco::tmrRutto_Timer() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  if (gblnFinestraAperta) return;
  piattaforma().randomize();
  const int r = static_cast<int>(piattaforma().rnd() * 10 + 1);
  if (r != 2) return;
  mblnOccupato = true;
  setMousePointer(PUNTATORE_CLESSIDRA);
  setPuntatoreLettere(PUNTATORE_CLESSIDRA);
  psubSuona(QStringLiteral("id_47"), false, ORIGINE_RISORSE, 1.3F);
  mblnOccupato = false;
  setMousePointer(PUNTATORE_NORMALE);
  setPuntatoreLettere(PUNTATORE_MANO);
  msubControllaScadenza();
}
