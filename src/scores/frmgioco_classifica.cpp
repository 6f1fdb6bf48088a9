// frmGioco: i comandi della classifica e l'inserimento a fine partita.
#include "play/frmgioco.h"

void frmGioco::mnuClassificaVisualizza_Click() {}
void frmGioco::mnuClassificaResetta_Click() {}
void frmGioco::msubAggiornaClassifica() {}
