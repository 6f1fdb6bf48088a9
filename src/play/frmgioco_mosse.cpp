// frmGioco: soluzione, jolly, resa e conto alla rovescia.
#include <QPushButton>
#include <exception>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"
#include "play/regole.h"
#include "ui/accessibilita.h"
#include "ui/frmpausa.h"

void frmGioco::cmdGioco_Click(int Index) {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  const PassoGiocatore passo;
  try {
    switch (Index) {
      case 1: msubSoluzione(); break;
      case 2: msubJolly(); break;
      case 3: msubResa(); break;
      default: break;
    }
  } catch (const std::exception& e) {
    psubErroreFatale(pfuncTestoErroreImprevisto(QStringLiteral("frmGioco.cmdGioco_Click"), QString::fromUtf8(e.what())));
  }
}

void frmGioco::msubSoluzione() {
  const quint64 generazione = mlngGenerazione;
  const QString risposta = piattaforma().inputBox(QStringLiteral("Scrivi la soluzione della casella qui sotto..."),
                                                  TITOLO_INFO, QString());
  // se il tempo e' scaduto con la casella aperta la partita e' gia' finita
  if (generazione != mlngGenerazione || mblnTempoScaduto || !gblnPartitaInCorso) return;
  const QString parola = gstrParola.trimmed();
  if (risposta.trimmed().toUpper() == gstrParola) {
    for (int i = 1; i <= 10; ++i) lblParolaCercata(i)->setText(parola.mid(i - 1, 1));
    msubParolaIndovinata();
  } else {
    msubAnnuncia(QStringLiteral("Soluzione sbagliata."));
    cmdGioco_Click(3);
  }
}

void frmGioco::msubJolly() {
  mblnJollyUsato = true;
  QList<int> candidati;
  for (int i = 1; i <= 21; ++i) {
    if (lblInputLettera(i)->isEnabled() && gstrParola.contains(lblInputLettera(i)->Tag)) candidati.append(i);
  }
  if (candidati.isEmpty()) return;
  piattaforma().randomize();
  const auto k = static_cast<qsizetype>(piattaforma().rnd() * static_cast<double>(candidati.size()));
  const int Index = pfuncPulsantePerLettera(lblInputLettera(candidati[std::min(k, candidati.size() - 1)])->Tag[0]);
  mblnLetteraDaJolly = true;
  cmdGioco(2)->setEnabled(false);
  lblInputLettera_Click(Index);
}

void frmGioco::msubResa() {
  msubAnnuncia(QStringLiteral("Resa."));
  mblnOccupato = true;
  setMousePointer(PUNTATORE_CLESSIDRA);
  setPuntatoreLettere(PUNTATORE_CLESSIDRA);
  for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(false);
  psubFermaTimer();
  for (int s = mintErrori + 1; s <= 7; ++s) {
    psubAttendi(0.5F);
    msubMostraScena(QStringLiteral("id_0") + QString::number(s));
    mintErrori = s;
  }
  mintErrori = 8;
  msubMostraStadio();
  msubFinePartita();
  mblnOccupato = false;
}

void frmGioco::Command1_Click() {
  piattaforma().msgBox(gstrParola, Pulsanti::Ok, Icona::Nessuna, QString());
}

void frmGioco::msubMostraTempo() { lblTempo->setText(pfuncTestoTempo(mintMinuti, mintSecondi)); }

void frmGioco::tmrTempo_Timer() {
  if (mblnTempoScaduto) return;
  const PassoGiocatore passo;
  --mintSecondi;
  if (mintSecondi <= 0 && mintMinuti <= 0) {
    // il tempo scade una volta sola e il contatore non scende sotto zero
    mintSecondi = 0;
    mintMinuti = 0;
    mblnTempoScaduto = true;
    tmrTempo.setInterval(0);
    lblTempo->setText(QStringLiteral("00 : 00"));
    if (mblnOccupato || MousePointer() == PUNTATORE_CLESSIDRA) {
      mblnScadenzaInAttesa = true;
      return;
    }
    msubEseguiTempoScaduto();
    return;
  }
  if (mintSecondi == -1) {
    mintSecondi = 59;
    --mintMinuti;
  }
  msubMostraTempo();
  const QString avviso = pfuncAnnuncioTempo(mintMinuti, mintSecondi);
  if (!avviso.isEmpty()) msubAnnuncia(avviso);
}

void frmGioco::msubEseguiTempoScaduto() {
  if (mfrmPausa) mfrmPausa->Scarica();
  // la casella della soluzione non resta sopra il cappio: la sua risposta non conta piu'
  piattaforma().chiudiInputBox();
  piattaforma().msgBox(QStringLiteral("Hai esaurito il tempo !") + CRLF + CRLF + QStringLiteral("(ora è tempo del gorbio...)"),
                       Pulsanti::Ok, Icona::Informazione, TITOLO_INFO);
  cmdGioco_Click(3);
  // dopo la resa: il nuovo round di un'altra partita mostra il suo tempo
  msubMostraTempo();
}

void frmGioco::msubControllaScadenza() {
  if (!mblnScadenzaInAttesa) return;
  mblnScadenzaInAttesa = false;
  msubEseguiTempoScaduto();
}
