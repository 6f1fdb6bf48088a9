// frmGioco: gli stadi del cappio, la parola indovinata, il punteggio e la fine partita.
#include <QPushButton>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"
#include "play/regole.h"
#include "scores/classifica.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

// Suono e attesa di ogni stadio da 1 a 6 (lo stadio 7 suona dal disco).
struct SuonoStadio {
  const char* suono;
  float attesa;
};
constexpr SuonoStadio SUONI_STADI[] = {{"id_46", 1.8F}, {"id_45", 0.9F}, {"id_44", 1.7F},
                                       {"id_43", 1.8F}, {"id_42", 1.2F}, {"id_41", 1.8F}};

QString nomeStadio(int stadio) { return QStringLiteral("id_0") + QString::number(stadio); }

QString testoGameOver() {
  return QStringLiteral("Il gorbio ha fatto il suo dovere ") + CRLF + CRLF +
         QStringLiteral("         - G A M E   O V E R -");
}

}  // namespace

void frmGioco::msubMostraStadio() {
  mblnOccupato = true;
  setMousePointer(PUNTATORE_CLESSIDRA);
  setPuntatoreLettere(PUNTATORE_CLESSIDRA);
  const int stadio = mintErrori;
  if (stadio == 8) {
    psubAttendi(0.5F);
    psubSuona(QStringLiteral("id_38"), false, ORIGINE_RISORSE, 1.8F);
    psubSuona(QStringLiteral("id_39"), false, ORIGINE_RISORSE, 0);
  }
  if (stadio >= 0 && stadio <= 8) {
    msubMostraScena(nomeStadio(stadio));
  }
  if (stadio >= 1 && stadio <= 6) {
    const SuonoStadio& s = SUONI_STADI[stadio - 1];
    psubSuona(QString::fromLatin1(s.suono), false, ORIGINE_RISORSE, s.attesa);
  } else if (stadio == 7) {
    psubSuona(gstrFileSuonoFinale, false, ORIGINE_DISCO, 4.7F);
  } else if (stadio == 8) {
    psubAttendi(0.8F);
    psubSuona(QStringLiteral("id_40"), false, ORIGINE_RISORSE, 6.0F);
  }
  mblnOccupato = false;
  setMousePointer(PUNTATORE_NORMALE);
  setPuntatoreLettere(PUNTATORE_MANO);
}

void frmGioco::msubParolaIndovinata() {
  tmrTempo.setInterval(0);
  mblnOccupato = true;
  for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(false);
  setMousePointer(PUNTATORE_CLESSIDRA);
  msubMostraScena(QStringLiteral("id_12"));
  msubAnnuncia(pfuncAnnuncioVinto(gstrParola, pfuncPunteggioRound(mfuncDatiPunteggio())));
  psubSuona(QStringLiteral("id_48"), false, ORIGINE_RISORSE, 0.7F);
  psubAttendi(1.0F);
  msubCalcolaPunteggio();
  msubNuovoRound();
}

DatiPunteggio frmGioco::mfuncDatiPunteggio() const {
  int vocali = 0;
  for (int i : VOCALI_GIOCO) vocali += lblInputLettera(i)->isEnabled() ? 0 : 1;
  return {static_cast<int>(gstrParola.trimmed().size()), mintMinuti, mintSecondi, mblnJollyUsato, vocali, mintErrori};
}

void frmGioco::msubCalcolaPunteggio() { mlngPunteggio += pfuncPunteggioRound(mfuncDatiPunteggio()); }

void frmGioco::msubFinePartita() {
  mblnOccupato = true;
  tmrTempo.setInterval(0);
  for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(false);
  setMousePointer(PUNTATORE_CLESSIDRA);
  const QString parola = gstrParola.trimmed();
  for (int i = 1; i <= 10; ++i) {
    psubColoreTesto(lblParolaCercata(i), QColor(255, 0, 0));
    lblParolaCercata(i)->setText(parola.mid(i - 1, 1));
  }
  msubAnnuncia(pfuncAnnuncioFine(parola, mlngPunteggio));
  psubLeggiClassifica();
  Risposta risposta;
  if (pfuncSiQualifica(mlngPunteggio)) {
    piattaforma().msgBox(testoGameOver(), Pulsanti::Ok, Icona::Informazione, TITOLO_INFO);
    msubAggiornaClassifica();
    // chiudere la classifica li' ha fatto ripartire: restano fermi fino alla risposta
    psubFermaTimer();
    risposta = piattaforma().msgBox(QStringLiteral("Vuoi fare un'altra partita ?"), Pulsanti::SiNo, Icona::Informazione,
                                    TITOLO_INFO_SENZA_SPAZIO);
  } else {
    risposta = piattaforma().msgBox(testoGameOver() + CRLF + CRLF + CRLF + QStringLiteral("Vuoi fare un'altra partita ?"),
                                    Pulsanti::SiNo, Icona::Informazione, TITOLO_INFO_SENZA_SPAZIO);
  }
  if (risposta == Risposta::Si) {
    mnuFileNuovogioco_Click();
  } else {
    Form_Load();
    Form_Activate();
  }
}
