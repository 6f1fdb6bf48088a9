#include "scores/frmresettaclassifica.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/controlli.h"
#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "scores/classifica.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

frmResettaClassifica::frmResettaClassifica(QWidget* padre) : QDialog(padre) {
  setObjectName(QStringLiteral("frmResettaClassifica"));
  setWindowTitle(QStringLiteral(" Resetta Classifica..."));
  // nessun pulsante di chiusura e nessun menu di sistema: si esce dai due pulsanti
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  psubDimensioniFisse(this, 3840, 1440);

  auto* pannello = new QFrame(this);
  pannello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pannello->setAutoFillBackground(true);
  QPalette bianco = pannello->palette();
  bianco.setColor(QPalette::Window, Qt::white);
  pannello->setPalette(bianco);
  Picture1 = pannello;
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twRect(120, 120, 3615, 1215));

  Image1 = new QLabel(Picture1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(twRect(60, 60, 480, 480));
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(QPixmap(QStringLiteral(":/img/resetta_icona.png")));
  psubNominaImmagine(Image1, QStringLiteral("resetta_icona"));

  Label1 = new QLabel(QStringLiteral("Sicuro di voler buttare la classifica nel ces....?"), Picture1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(twRect(840, 120, 2400, 400));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);

  cmdConferma = new QPushButton(QStringLiteral("&Certo !"), Picture1);
  cmdConferma->setObjectName(QStringLiteral("cmdConferma"));
  cmdConferma->setGeometry(twRect(720, 680, 1215, 375));
  cmdAnnulla = new QPushButton(QStringLiteral("Scherzavo.."), Picture1);
  cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
  cmdAnnulla->setGeometry(twRect(2160, 680, 1215, 375));
  setTabOrder(cmdConferma, cmdAnnulla);
  connect(cmdConferma, &QPushButton::clicked, this, &frmResettaClassifica::cmdConferma_Click);
  connect(cmdAnnulla, &QPushButton::clicked, this, &frmResettaClassifica::cmdAnnulla_Click);

  Form_Load();
}

void frmResettaClassifica::Form_Load() {
  piattaforma().beep();
  if (gblnPartitaInCorso) psubFermaTimer();
}

void frmResettaClassifica::cmdAnnulla_Click() {
  if (mblnInConferma) return;
  Scarica();
}

void frmResettaClassifica::cmdConferma_Click() {
  if (mblnInConferma || mblnScaricata) return;
  mblnInConferma = true;
  cmdConferma->setEnabled(false);
  cmdAnnulla->setEnabled(false);
  gblnFinestraAperta = true;
  setCursor(Qt::WaitCursor);
  if (!pfuncBranoInCorso()) psubSuona(QStringLiteral("id_37"), false, ORIGINE_RISORSE, 2.85F);
  psubAttendi(2.0F);
  pfuncAzzeraClassifica();
  unsetCursor();
  Scarica();
}

void frmResettaClassifica::Scarica() {
  if (mblnScaricata) return;
  mblnScaricata = true;
  Form_Unload();
  QDialog::done(QDialog::Accepted);
}

void frmResettaClassifica::Form_Unload() {
  if (gblnPartitaInCorso) psubRiprendiTimer();
  gblnFinestraAperta = false;
}

void frmResettaClassifica::closeEvent(QCloseEvent* evento) {
  // Alt+F4 e le richieste del window manager non la chiudono
  if (!mblnScaricata) {
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
}

void frmResettaClassifica::done(int risultato) {
  // neppure Esc: solo i pulsanti la chiudono
  if (!mblnScaricata) return;
  QDialog::done(risultato);
}
