// frmGioco: menu principali, pausa, fine gioco, uscita e Alt+F4.
#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"
#include "ui/accessibilita.h"
#include "ui/frmpausa.h"

namespace {
Risposta domanda(const QString& testo) {
  return piattaforma().msgBox(testo, Pulsanti::SiNo, Icona::Domanda, TITOLO_INFO);
}
}  // namespace

void frmGioco::mnuMain_Click(int Index) {
  if (MousePointer() == PUNTATORE_CLESSIDRA) {
    piattaforma().msgBox(QStringLiteral("Non posso ora.."), Pulsanti::Ok, Icona::Nessuna, TITOLO_CENTER);
    return;
  }
  if (Index == 4) msubApriThanxTo();
}

void frmGioco::mnuFilePausa_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmPausa pausa(this);
  piattaforma().mostraModale(&pausa);
}

void frmGioco::mnuFileTermina_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  msubTerminaGioco(true);
}

void frmGioco::msubTerminaGioco(bool blnChiedi) {
  psubFermaTimer();
  if (blnChiedi) {
    if (domanda(QStringLiteral("Sicuro di voler terminare") + CRLF + QStringLiteral("il gioco in corso ?")) != Risposta::Si) {
      psubRiprendiTimer();
      return;
    }
    if (domanda(QStringLiteral("Salvare la partita in corso ?")) == Risposta::Si) mnuFileSalva_Click();
  }
  Form_Load();
  Form_Activate();
}

void frmGioco::mnuFileEsci_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  gblnFinestraAperta = true;
  if (gblnPartitaInCorso) psubFermaTimer();
  if (!mblnEsciDaTastiera && domanda(QStringLiteral("Sicuro di voler uscire ?")) != Risposta::Si) {
    if (gblnPartitaInCorso) psubRiprendiTimer();
    gblnFinestraAperta = false;
    return;
  }
  setMousePointer(PUNTATORE_CLESSIDRA);
  tmrCrediti.setInterval(0);
  if (gblnPartitaInCorso && domanda(QStringLiteral("Salvare la partita in corso ?")) == Risposta::Si) {
    setMousePointer(PUNTATORE_NORMALE);
    mnuFileSalva_Click();
    setMousePointer(PUNTATORE_CLESSIDRA);
  }
  psubSuona(gstrFileSuonoUscita, false, ORIGINE_DISCO, 1.9F);
  hide();
  psubTermina();
}

void frmGioco::Form_KeyDown(int KeyCode, int Shift) {
  // F7: il lettore di schermo dice tempo, parola, errori, punteggio e round, senza cambiare nulla
  if (KeyCode == vbKeyF7 && Shift == 0) {
    const PassoGiocatore passo;
    QString caselle;
    for (int i = 1; i <= 10; ++i) caselle += lblParolaCercata(i)->text();
    msubAnnuncia(pfuncAnnuncioStato(gblnPartitaInCorso, mintMinuti, mintSecondi, caselle, mintErrori, mlngPunteggio,
                                    pfuncRound()));
  }
  if (KeyCode == vbKeyF4 && (Shift & vbAltMask) != 0) {
    mblnEsciDaTastiera = true;
    mnuFileEsci_Click();
  }
}
