#include "extras/frminfomrgorbio.h"

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "extras/frmveltrak.h"
#include "extras/testi.h"
#include "ui/aspetto.h"

frmInfoMrGorbio::frmInfoMrGorbio(QWidget* padre)
    : CorniceInfo(QStringLiteral("frmInfoMrGorbio"), QStringLiteral("info_gorbio.png"), padre) {
  lblNomeProgetto = creaTitolo("lblNomeProgetto", gstrTitolo, pfuncFonte(15.75, true));
  Label2(0) = creaBarra();
  lblVersioneProgetto = etichetta(QStringLiteral("lblVersioneProgetto"), QStringLiteral("Versione ") + gstrVersione,
                                  1080, 870, 3960, 255);
  lblLuogoDataProgetto = etichetta(QStringLiteral("lblLuogoDataProgetto"),
                                   TESTO_LUOGO + QStringLiteral(", ") + gstrDataProgetto, 1080, 1140, 3960, 255);
  Label6 = etichetta(QStringLiteral("Label6"), TESTO_SVILUPPATORE, 240, 1620, 4800, 255);
  Label6->setFont(pfuncFonte(8.25, true));
  Label4 = etichetta(QStringLiteral("Label4"), TESTO_DISTRIBUZIONE, 240, 1950, 4800, 450);
  Label4->setWordWrap(true);

  lblInfoVeltrak = new EtichettaAttiva(Frame1);
  lblInfoVeltrak->setObjectName(QStringLiteral("lblInfoVeltrak"));
  lblInfoVeltrak->setText(QStringLiteral("Clicca qui per info sul Veltrak Info Center  ;-)"));
  lblInfoVeltrak->setGeometry(twRect(240, 2580, 4800, 255));
  lblInfoVeltrak->setCursor(pfuncPuntatoreMano1());
  connect(lblInfoVeltrak, &EtichettaAttiva::mosso, this, &frmInfoMrGorbio::lblInfoVeltrak_MouseMove);
  connect(lblInfoVeltrak, &EtichettaAttiva::premuto, this, &frmInfoMrGorbio::lblInfoVeltrak_MouseDown);
  connect(lblInfoVeltrak, &EtichettaAttiva::rilasciato, this, &frmInfoMrGorbio::lblInfoVeltrak_MouseUp);

  lblLinkVeltrakWebSite = new EtichettaAttiva(Frame1);
  lblLinkVeltrakWebSite->setObjectName(QStringLiteral("lblLinkVeltrakWebSite"));
  lblLinkVeltrakWebSite->setText(QStringLiteral("Veltrak Web Site"));
  lblLinkVeltrakWebSite->setGeometry(twRect(240, 2910, 1800, 255));
  lblLinkVeltrakWebSite->setToolTip(TESTO_SITO_VELTRAK);
  psubColoreTesto(lblLinkVeltrakWebSite, Qt::blue);
  lblLinkVeltrakWebSite->setCursor(pfuncPuntatoreLink());
  connect(lblLinkVeltrakWebSite, &EtichettaAttiva::mosso, this, &frmInfoMrGorbio::lblLinkVeltrakWebSite_MouseMove);
  connect(lblLinkVeltrakWebSite, &EtichettaAttiva::premuto, this, &frmInfoMrGorbio::lblLinkVeltrakWebSite_MouseDown);

  psubApriChiudiFinestra(objectName(), QStringLiteral("load"));
}

void frmInfoMrGorbio::lblInfoVeltrak_MouseMove() { lblInfoVeltrak->setCursor(pfuncPuntatoreMano1()); }

void frmInfoMrGorbio::lblInfoVeltrak_MouseDown(Qt::MouseButton tasto) {
  if (tasto != Qt::RightButton) lblInfoVeltrak->setCursor(pfuncPuntatoreMano2());
}

void frmInfoMrGorbio::lblInfoVeltrak_MouseUp(Qt::MouseButton tasto) {
  lblInfoVeltrak->setCursor(pfuncPuntatoreMano1());
  if (tasto == Qt::RightButton || scaricata()) return;
  // la finestra delle informazioni resta aperta sotto l'animazione
  frmVeltrak veltrak(this);
  piattaforma().mostraModale(&veltrak);
}

void frmInfoMrGorbio::lblLinkVeltrakWebSite_MouseMove() { lblLinkVeltrakWebSite->setCursor(pfuncPuntatoreLink()); }

void frmInfoMrGorbio::lblLinkVeltrakWebSite_MouseDown(Qt::MouseButton tasto) {
  if (tasto != Qt::RightButton) pfuncApriLink(TESTO_SITO_VELTRAK);
}
