// frmGioco: i titoli di coda che scorrono sulla schermata iniziale.
#include "play/frmgioco.h"

void frmGioco::tmrCrediti_Timer() {}
void frmGioco::msubGestioneCrediti(const QString&) {}
void frmGioco::msubImpostaCrediti() {}
void frmGioco::setTopCrediti(int Index, double twip) { mdblTopCrediti[static_cast<std::size_t>(Index)] = twip; }
double frmGioco::altezzaContenitoreCrediti() const { return 2405; }
