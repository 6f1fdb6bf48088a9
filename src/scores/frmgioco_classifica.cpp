// frmGioco: i comandi della classifica e l'inserimento a fine partita.
#include <exception>

#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"
#include "scores/classifica.h"
#include "scores/frmclassifica.h"
#include "scores/frmresettaclassifica.h"

void frmGioco::mnuClassificaVisualizza_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  // dal menu nessuna riga e' quella appena inserita
  gintPosizioneClassifica = 0;
  frmClassifica finestra(this);
  piattaforma().mostraModale(&finestra);
}

void frmGioco::mnuClassificaResetta_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  frmResettaClassifica finestra(this);
  piattaforma().mostraModale(&finestra);
}

void frmGioco::msubAggiornaClassifica() {
  const QString prompt =
      QStringLiteral("Inserisci il tuo nome...") + CRLF + CRLF + QStringLiteral("(Max 12 caratteri)");
  tVoceClassifica voce;
  try {
    // la richiesta non si chiude senza un nome
    QString nome;
    while (nome.isEmpty()) nome = piattaforma().inputBox(prompt, TITOLO_INFO, QString()).trimmed();
    voce = pfuncNuovaVoce(nome, mlngPunteggio, pfuncRound());
  } catch (const std::exception& e) {
    psubErroreFatale(pfuncTestoErroreImprevisto(QStringLiteral("frmGioco.msubAggiornaClassifica"),
                                                QString::fromLocal8Bit(e.what())));
  }
  gintPosizioneClassifica = pfuncPostoClassifica(mlngPunteggio, gudtClassifica);
  // un punteggio che non entra non tocca la tabella
  if (gintPosizioneClassifica != 0) {
    psubInserisciVoce(gudtClassifica, gintPosizioneClassifica, voce);
    pfuncSalvaClassifica();
  }
  frmClassifica finestra(this);
  piattaforma().mostraModale(&finestra);
}
