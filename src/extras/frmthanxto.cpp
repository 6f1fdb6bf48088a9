#include "extras/frmthanxto.h"

#include <QEvent>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "extras/testi.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

frmThanxTo::frmThanxTo(QWidget* padre) : CorniceInfo(QStringLiteral("frmThanxTo"), QStringLiteral("thanx.png"), padre) {
  lblDummy(0) = creaTitolo("lblDummy_0", QStringLiteral("Thanx to..."), pfuncFonte(12, true));
  Label2(0) = creaBarra();
  lblTesto = etichetta(QStringLiteral("lblTesto"), QString(), 150, 990, 4950, 1350);
  lblTesto->setWordWrap(true);
  lblPag = etichetta(QStringLiteral("lblPag"), QString(), 2130, 2475, 1000, 255);
  lblPag->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  const std::array<QString, 3> frecce = {QString(), QStringLiteral("freccia_indietro.png"),
                                         QStringLiteral("freccia_avanti.png")};
  for (int i = 1; i <= 2; ++i) {
    auto* f = new EtichettaAttiva(Frame1);
    f->setObjectName(QStringLiteral("imgFreccia_%1").arg(i));
    f->setGeometry(twRect(i == 1 ? 1620 : 3285, 2415, 360, 360));
    f->setPixmap(QPixmap(QStringLiteral(":/img/") + frecce[static_cast<std::size_t>(i)]));
    f->setScaledContents(true);
    psubNominaImmagine(f, frecce[static_cast<std::size_t>(i)]);
    f->setCursor(pfuncPuntatoreMano1());
    connect(f, &EtichettaAttiva::mosso, f, [f] { f->setCursor(pfuncPuntatoreMano1()); });
    connect(f, &EtichettaAttiva::premuto, f, [f] { f->setCursor(pfuncPuntatoreMano2()); });
    connect(f, &EtichettaAttiva::rilasciato, f, [f] { f->setCursor(pfuncPuntatoreMano1()); });
    connect(f, &EtichettaAttiva::clicked, this, [this, i] { imgFreccia_Click(i); });
    imgFreccia(i) = f;
  }
  lblDummy(1) = etichetta(QStringLiteral("lblDummy_1"), QStringLiteral("Pubblicità occulta:"), 240, 2940, 1560, 255);
  lblLink = new EtichettaAttiva(Frame1);
  lblLink->setObjectName(QStringLiteral("lblLink"));
  lblLink->setText(TESTO_LINK_AMICO);
  lblLink->setToolTip(TESTO_SITO_AMICO);
  lblLink->setGeometry(twRect(1860, 2940, 3000, 255));
  psubColoreTesto(lblLink, Qt::blue);
  lblLink->setCursor(pfuncPuntatoreLink());
  connect(lblLink, &EtichettaAttiva::mosso, lblLink, [this] { lblLink->setCursor(pfuncPuntatoreLink()); });
  connect(lblLink, &EtichettaAttiva::premuto, this, &frmThanxTo::lblLink_MouseDown);
  Form_Load();
}

void frmThanxTo::Form_Load() {
  if (gblnPartitaInCorso) psubFermaTimer();
  lblTesto->resize(tw(4950), tw(1350));
  for (int i = 1; i <= 3; ++i) mastrPagine[static_cast<std::size_t>(i)] = TESTI_GRAZIE[static_cast<std::size_t>(i - 1)];
  msubMostraPagina(1);
}

void frmThanxTo::Form_Activate() {
  gblnFinestraAperta = true;
  // mentre suona il brano d'avvio nessun suono di finestra lo interrompe
  if (!pfuncBranoInCorso()) {
    psubAttendi(0.25F);
    psubSuona(QStringLiteral("id_35"), false, ORIGINE_RISORSE, 0);
  }
}

int frmThanxTo::pfuncPagina() const {
  for (int i = 1; i <= 3; ++i) {
    if (lblTesto->text() == mastrPagine[static_cast<std::size_t>(i)]) return i;
  }
  return 0;
}

void frmThanxTo::msubMostraPagina(int pagina) {
  imgFreccia(1)->setVisible(pagina > 1);
  imgFreccia(2)->setVisible(pagina < 3);
  lblPag->setText(QStringLiteral("%1 di 3").arg(pagina));
  lblTesto->setText(mastrPagine[static_cast<std::size_t>(pagina)]);
}

void frmThanxTo::imgFreccia_Click(int Index) {
  const int pagina = pfuncPagina();
  // avanti da 1 e 2, indietro da 2 e 3; ogni altro caso non cambia nulla
  if (Index == 2 && (pagina == 1 || pagina == 2)) msubMostraPagina(pagina + 1);
  if (Index == 1 && (pagina == 2 || pagina == 3)) msubMostraPagina(pagina - 1);
}

void frmThanxTo::lblLink_MouseDown(Qt::MouseButton tasto) {
  if (tasto != Qt::RightButton) pfuncApriLink(TESTO_SITO_AMICO);
}

bool frmThanxTo::event(QEvent* evento) {
  // Form_Activate una volta per ogni passaggio da inattiva ad attiva
  if (evento->type() == QEvent::WindowActivate && !mblnAttiva && !scaricata()) {
    mblnAttiva = true;
    Form_Activate();
  } else if (evento->type() == QEvent::WindowDeactivate) {
    mblnAttiva = false;
  }
  return CorniceInfo::event(evento);
}

void frmThanxTo::showEvent(QShowEvent* evento) {
  CorniceInfo::showEvent(evento);
  // senza gestore delle finestre l'attivazione puo' non arrivare mai
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (isVisible() && !mblnAttiva && !scaricata()) {
          mblnAttiva = true;
          Form_Activate();
        }
      },
      Qt::QueuedConnection);
}
