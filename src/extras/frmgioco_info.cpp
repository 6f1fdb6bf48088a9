// frmGioco: le voci del menu delle informazioni e la finestra dei ringraziamenti.
#include "app/piattaforma.h"
#include "extras/frminfocodice.h"
#include "extras/frminfomrgorbio.h"
#include "extras/frminforegole.h"
#include "extras/frminfotastiera.h"
#include "extras/frmthanxto.h"
#include "play/frmgioco.h"

// con la clessidra la finestra non viene nemmeno creata: il suo caricamento suona
void frmGioco::mnuInfoCodice_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmInfoCodice finestra(this);
  msubApriInfo(&finestra);
}

void frmGioco::mnuInfoRegole_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmInfoRegole finestra(this);
  msubApriInfo(&finestra);
}

void frmGioco::mnuInfoTastiera_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmInfoTastiera finestra(this);
  msubApriInfo(&finestra);
}

void frmGioco::mnuInfoGorbio_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmInfoMrGorbio finestra(this);
  msubApriInfo(&finestra);
}

void frmGioco::msubApriInfo(QDialog* finestra) { piattaforma().mostraModale(finestra); }

void frmGioco::msubApriThanxTo() {
  // la clessidra l'ha gia' esclusa mnuMain_Click
  frmThanxTo finestra(this);
  msubApriInfo(&finestra);
}
