#include "ui/frmpausa.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/controlli.h"
#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "play/frmgioco.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

frmPausa::frmPausa(QWidget* padre) : QDialog(padre) {
  setObjectName(QStringLiteral("frmPausa"));
  setWindowTitle(TITOLO_INFO);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  psubDimensioniFisse(this, 3900, 1500);
  imgPausa = new QLabel(this);
  imgPausa->setObjectName(QStringLiteral("imgPausa"));
  imgPausa->setPixmap(QPixmap(QStringLiteral(":/img/pausa.png")));
  psubNominaImmagine(imgPausa, QStringLiteral("pausa"));
  imgPausa->setGeometry(twRect(150, 210, 960, 960));
  lblPausa = new QLabel(QStringLiteral("Il Veltrak è in pausa..."), this);
  lblPausa->setObjectName(QStringLiteral("lblPausa"));
  lblPausa->setFont(pfuncFonte(9.75, true));
  lblPausa->setGeometry(twRect(1260, 240, 2520, 375));
  cmdRiprendi = new QPushButton(QStringLiteral("&Riprendi"), this);
  cmdRiprendi->setObjectName(QStringLiteral("cmdRiprendi"));
  cmdRiprendi->setGeometry(twRect(1860, 840, 1335, 375));
  cmdRiprendi->setDefault(true);
  connect(cmdRiprendi, &QPushButton::clicked, this, &frmPausa::cmdRiprendi_Click);
  if (gfrmGioco) gfrmGioco->mfrmPausa = this;
  psubApriChiudiFinestra(QStringLiteral("frmPausa"), QStringLiteral("load"));
}

frmPausa::~frmPausa() {
  if (gfrmGioco && gfrmGioco->mfrmPausa == this) gfrmGioco->mfrmPausa = nullptr;
}

void frmPausa::cmdRiprendi_Click() {
  if (mblnChiusa || mblnInRipresa) return;
  mblnInRipresa = true;
  psubSuona(QStringLiteral("id_24"), false, ORIGINE_RISORSE, 0.6F);
  // il tempo puo' essere scaduto e aver gia' chiuso la pausa durante il suono
  if (!mblnChiusa) {
    psubRiprendiTimer();
    Scarica();
  }
  mblnInRipresa = false;
}

void frmPausa::Form_KeyDown(int KeyCode) {
  if (KeyCode == vbKeyF3) cmdRiprendi_Click();
}

void frmPausa::Scarica() {
  if (mblnChiusa) return;
  mblnChiusa = true;
  Form_Unload();
  QDialog::done(QDialog::Accepted);
}

void frmPausa::Form_Unload() {
  gblnFinestraAperta = false;
  if (gfrmGioco && gfrmGioco->mfrmPausa == this) gfrmGioco->mfrmPausa = nullptr;
}

void frmPausa::closeEvent(QCloseEvent* evento) {
  // chiuderla con la X vale come "Riprendi": il gioco non resta congelato
  if (!mblnChiusa) cmdRiprendi_Click();
  evento->accept();
}

void frmPausa::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_F3) {
    Form_KeyDown(vbKeyF3);
    return;
  }
  QDialog::keyPressEvent(evento);
}

void frmPausa::done(int risultato) {
  if (!mblnChiusa) {
    cmdRiprendi_Click();
    return;
  }
  QDialog::done(risultato);
}
