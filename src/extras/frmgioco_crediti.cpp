// frmGioco: i titoli di coda che scorrono sulla schermata iniziale.
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "app/modgenerale.h"
#include "extras/testi.h"
#include "play/frmgioco.h"
#include "ui/aspetto.h"

namespace {

constexpr int RIGHE_MAX = 10;
constexpr int INTERVALLO_CREDITI = 25;
// in twip il box e' alto 2405: in pixel si perderebbe la frazione
constexpr double ALTEZZA_CONTENITORE = 2405;

// componente del colore: prodotto in singola precisione, meta' al pari
int componente(int massimo, float f) { return static_cast<int>(std::nearbyint(static_cast<float>(massimo) * f)); }

}  // namespace

void frmGioco::setTopCrediti(int Index, double twip) {
  mdblTopCrediti[static_cast<std::size_t>(Index)] = twip;
  QLabel* riga = lblCrediti(Index);
  if (!riga) return;
  // si ridisegna solo quando la riga cambia pixel
  const int y = tw(twip);
  if (riga->y() != y) riga->move(riga->x(), y);
}

double frmGioco::altezzaContenitoreCrediti() const { return ALTEZZA_CONTENITORE; }

void frmGioco::msubImpostaCrediti() {
  const double larghezza = picContenitoreCrediti->width() * TWIP_PER_PIXEL;  // ScaleWidth
  QLabel* prima = lblCrediti(1);
  prima->setGeometry(0, prima->y(), tw(larghezza), prima->height());
  mintRigheCrediti = RIGHE_MAX;
  const QStringList testi = {gstrTitolo + QStringLiteral(" ") + gstrVersione,
                             QStringLiteral("programma realizzato da"),
                             TESTO_FIRMA,
                             QString(),
                             QStringLiteral("Per informazioni, commenti,"),
                             QStringLiteral("errori o altro scrivete a:"),
                             QStringLiteral(" - ") + TESTO_RECAPITO + QStringLiteral(" - "),
                             QString(),
                             QString(),
                             QStringLiteral("Premere F2 per iniziare...")};
  mintRossoCrediti = 255;
  mintVerdeCrediti = 240;
  mintBluCrediti = 50;
  prima->setAutoFillBackground(true);
  QPalette p = prima->palette();
  p.setColor(QPalette::Window, Qt::black);
  prima->setPalette(p);
  const double sinistra = larghezza / 2 - prima->width() * TWIP_PER_PIXEL / 2.0;
  prima->move(tw(sinistra), prima->y());
  setTopCrediti(1, altezzaContenitoreCrediti());
  for (int i = 2; i <= RIGHE_MAX; ++i) {
    QLabel* precedente = lblCrediti(i - 1);
    // a un nuovo Form_Load le righe esistono gia': si riusano
    if (!lblCrediti(i)) {
      auto* copia = new QLabel(picContenitoreCrediti);
      copia->setObjectName(QStringLiteral("lblCrediti_%1").arg(i));
      copia->setFont(prima->font());
      copia->setAlignment(prima->alignment());
      copia->setAutoFillBackground(true);
      copia->setPalette(prima->palette());
      copia->setGeometry(prima->geometry());
      lblCrediti(i) = copia;
    }
    setTopCrediti(i, topCrediti(i - 1) + precedente->height() * TWIP_PER_PIXEL);
    lblCrediti(i)->move(tw(sinistra), lblCrediti(i)->y());
    lblCrediti(i)->setVisible(true);
  }
  for (int i = 1; i <= RIGHE_MAX; ++i) lblCrediti(i)->setText(testi[i - 1]);
}

void frmGioco::msubGestioneCrediti(const QString& azione) {
  const int righe = std::clamp(mintRigheCrediti, 0, RIGHE_MAX);
  if (azione == u"visualizza") {
    picContenitoreCrediti->setVisible(true);
    // anche le righe 2..10: dopo "nascondi" la colonna non deve avere buchi
    for (int i = 1; i <= righe; ++i) {
      if (lblCrediti(i)) lblCrediti(i)->setVisible(true);
    }
    tmrCrediti.setEnabled(true);
    tmrCrediti.setInterval(INTERVALLO_CREDITI);
  } else if (azione == u"nascondi") {
    picContenitoreCrediti->setVisible(false);
    for (int i = 1; i <= righe; ++i) {
      if (lblCrediti(i)) lblCrediti(i)->setVisible(false);
    }
    tmrCrediti.setEnabled(false);
    tmrCrediti.setInterval(0);
  }
}

void frmGioco::tmrCrediti_Timer() {
  const float S = static_cast<float>(altezzaContenitoreCrediti());
  const float meta = S / 2;
  const int righe = std::clamp(mintRigheCrediti, 0, RIGHE_MAX);
  for (int i = 1; i <= righe; ++i) {
    QLabel* riga = lblCrediti(i);
    if (!riga) continue;
    const float H = static_cast<float>(riga->height() * TWIP_PER_PIXEL);
    if (static_cast<float>(topCrediti(i)) <= -H) setTopCrediti(i, S + 120);
    const float T = static_cast<float>(topCrediti(i));
    float f = -1;
    if (meta <= T && T <= S) f = (S - T) / meta;
    if (0 <= T && T <= meta) f = T / meta;
    if (f >= 0) {
      const QColor colore(componente(mintRossoCrediti, f), componente(mintVerdeCrediti, f),
                          componente(mintBluCrediti, f));
      // la tavolozza si tocca solo quando il colore cambia davvero
      if (pfuncColoreTesto(riga) != colore) psubColoreTesto(riga, colore);
    }
    setTopCrediti(i, topCrediti(i) - 1);
  }
}
