#include "app/frmschedaaudioassente.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/controlli.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "persistence/profilo.h"
#include "ui/aspetto.h"

frmSchedaAudioAssente::frmSchedaAudioAssente() {
  setObjectName(QStringLiteral("frmSchedaAudioAssente"));
  setWindowTitle(TITOLO_INFO);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  psubDimensioniFisse(this, 3990, 2940);

  auto* cornice = new QGroupBox(this);
  cornice->setGeometry(twRect(120, 60, 3750, 1980));
  auto* icona = new QLabel(cornice);
  icona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  icona->setAccessibleName(QStringLiteral("Attenzione"));
  icona->setGeometry(twRect(150, 240, 480, 480));
  auto* titolo = new QLabel(QStringLiteral("Attenzione !"), cornice);
  titolo->setFont(pfuncFonte(9.75, true));
  titolo->setGeometry(twRect(780, 240, 2800, 300));
  auto* testo = new QLabel(QStringLiteral("Non è stata rilevata nessuna scheda audio installata nel sistema; il suono "
                                          "dell'applicazione non può essere riprodotto !\n(Ma davvero non avete una "
                                          "scheda audio ???... :-P)"),
                           cornice);
  testo->setWordWrap(true);
  testo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  testo->setGeometry(twRect(780, 600, 2850, 1300));

  chkRicordamelo = new QCheckBox(QStringLiteral("&Ricordamelo all'avvio..."), this);
  chkRicordamelo->setObjectName(QStringLiteral("chkRicordamelo"));
  chkRicordamelo->setGeometry(twRect(120, 2220, 2500, 300));
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(twRect(2760, 2400, 1110, 375));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

  // al caricamento: il beep e la casella spuntata
  piattaforma().beep();
  chkRicordamelo->setChecked(true);
}

void frmSchedaAudioAssente::Form_Unload() {
  if (mblnScaricata) return;
  mblnScaricata = true;
  pfuncScriviIni(gstrFileIni, QStringLiteral("frmSchedaAudioAssente.chkRicordamelo"), QStringLiteral("value"),
                 chkRicordamelo->isChecked() ? QStringLiteral("si") : QStringLiteral("no"));
}

void frmSchedaAudioAssente::closeEvent(QCloseEvent* evento) {
  Form_Unload();
  evento->accept();
  QDialog::closeEvent(evento);
}

void frmSchedaAudioAssente::done(int risultato) {
  Form_Unload();
  QDialog::done(risultato);
}
