// frmGioco: le lettere tentate da tastiera o con i pulsanti.
#include "app/media.h"
#include "app/modgenerale.h"
#include "play/frmgioco.h"
#include "play/regole.h"
#include "ui/accessibilita.h"

void frmGioco::lblInputLettera_Click(int Index) {
  const PassoGiocatore passo;
  if (mblnOccupato) return;
  lblInputLettera(Index)->setEnabled(false);
  mfuncProvaLettera(lblInputLettera(Index)->Tag);
}

void frmGioco::lblInputLettera_MouseDown(int Index) {
  if (mintPuntatoreLettere == PUNTATORE_MANO) lblInputLettera(Index)->setCursor(imgMano2);
}

void frmGioco::lblInputLettera_MouseUp(int Index) {
  if (mintPuntatoreLettere == PUNTATORE_MANO) lblInputLettera(Index)->setCursor(imgMano1);
}

void frmGioco::Form_KeyPress(int KeyAscii) {
  if (!gblnPartitaInCorso) return;
  const int Index = pfuncPulsantePerTasto(KeyAscii);
  if (Index == 0) return;
  if (lblInputLettera(Index)->isEnabled()) lblInputLettera_Click(Index);
}

bool frmGioco::mfuncProvaLettera(const QString& lettera) {
  QString maschera;
  for (int i = 1; i <= 10; ++i) maschera += lblParolaCercata(i)->text().trimmed();
  maschera = maschera.trimmed();
  int trovate = 0;
  for (qsizetype i = 0; i < gstrParola.size(); ++i) {
    if (QStringView(gstrParola).mid(i, 1) == lettera) {
      if (i < maschera.size()) maschera[i] = lettera[0];
      ++trovate;
    }
  }
  for (int i = 1; i <= 10; ++i) lblParolaCercata(i)->setText(maschera.mid(i - 1, 1));
  lblLettere_da_scoprire->setText(QString::number(pfuncDaScoprire() - trovate));

  if (trovate > 0) {
    msubAnnuncia(pfuncAnnuncioLettera(lettera, trovate, mblnLetteraDaJolly, maschera));
    setMousePointer(PUNTATORE_CLESSIDRA);
    mblnOccupato = true;
    if (mblnLetteraDaJolly) {
      psubSuona(QStringLiteral("id_49"), false, ORIGINE_RISORSE, 1.0F);
      mblnLetteraDaJolly = false;
    } else {
      psubSuona(QStringLiteral("id_22"), false, ORIGINE_RISORSE, 0.5F);
    }
    mblnOccupato = false;
    setMousePointer(PUNTATORE_NORMALE);
    // la lettera che completa la parola e' arrivata in tempo: il round e' vinto e il
    // tempo scaduto durante il suono non conta; altrimenti si esegue adesso
    if (pfuncDaScoprire() == 0) {
      mblnScadenzaInAttesa = false;
      msubParolaIndovinata();
    } else {
      msubControllaScadenza();
    }
    return true;
  }
  ++mintErrori;
  msubAnnuncia(pfuncAnnuncioErrore(lettera, mintErrori));
  msubMostraStadio();
  if (mintErrori == 8) {
    msubFinePartita();
  } else {
    msubControllaScadenza();
  }
  return false;
}
