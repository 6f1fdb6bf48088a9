// frmGioco: le voci del menu delle informazioni.
#include "play/frmgioco.h"

void frmGioco::mnuInfoCodice_Click() {}
void frmGioco::mnuInfoRegole_Click() {}
void frmGioco::mnuInfoTastiera_Click() {}
void frmGioco::mnuInfoGorbio_Click() {}
void frmGioco::msubApriInfo(QDialog*) {}
void frmGioco::msubApriThanxTo() {}
