// frmGioco: salvataggio e caricamento della partita.
#include "play/frmgioco.h"

void frmGioco::mnuFileSalva_Click() {}
void frmGioco::mnuFileCarica_Click() {}
QString frmGioco::mfuncApriSalvaDialog(int, const QString&, const QString&, const QString&, const QString&,
                                       const QString&) {
  return {};
}
