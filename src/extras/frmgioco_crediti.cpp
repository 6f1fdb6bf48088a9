// frmGioco: i titoli di coda che scorrono sulla schermata iniziale.
#include <algorithm>
#include <cmath>

#include "app/modgenerale.h"
#include "extras/testi.h"
#include "play/frmgioco.h"

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
  // la riga si ridisegna solo quando cambia pixel
  lblCrediti(Index)->move(tw(twip));
}

double frmGioco::altezzaContenitoreCrediti() const { return ALTEZZA_CONTENITORE; }

void frmGioco::msubImpostaCrediti() {
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
  // le righe stanno in colonna appena sotto il bordo inferiore
  setTopCrediti(1, altezzaContenitoreCrediti());
  for (int i = 2; i <= RIGHE_MAX; ++i) {
    setTopCrediti(i, topCrediti(i - 1) + lblCrediti(i - 1)->height() * TWIP_PER_PIXEL);
    lblCrediti(i)->setVisible(true);
  }
  for (int i = 1; i <= RIGHE_MAX; ++i) lblCrediti(i)->setText(testi[i - 1]);
}

void frmGioco::msubGestioneCrediti(const QString& azione) {
  const int righe = std::clamp(mintRigheCrediti, 0, RIGHE_MAX);
  if (azione == u"visualizza") {
    picContenitoreCrediti->setVisible(true);
    // anche le righe 2..10: dopo "nascondi" la colonna non deve avere buchi
    for (int i = 1; i <= righe; ++i) lblCrediti(i)->setVisible(true);
    tmrCrediti.setEnabled(true);
    tmrCrediti.setInterval(INTERVALLO_CREDITI);
  } else if (azione == u"nascondi") {
    picContenitoreCrediti->setVisible(false);
    for (int i = 1; i <= righe; ++i) lblCrediti(i)->setVisible(false);
    tmrCrediti.setEnabled(false);
    tmrCrediti.setInterval(0);
  }
}

void frmGioco::tmrCrediti_Timer() {
  const float S = static_cast<float>(altezzaContenitoreCrediti());
  const float meta = S / 2;
  const int righe = std::clamp(mintRigheCrediti, 0, RIGHE_MAX);
  const TitoliCoda::Scatto scatto(picContenitoreCrediti);
  for (int i = 1; i <= righe; ++i) {
    RigaCrediti* riga = lblCrediti(i);
    const float H = static_cast<float>(riga->height() * TWIP_PER_PIXEL);
    if (static_cast<float>(topCrediti(i)) <= -H) setTopCrediti(i, S + 120);
    const float T = static_cast<float>(topCrediti(i));
    float f = -1;
    if (meta <= T && T <= S) f = (S - T) / meta;
    if (0 <= T && T <= meta) f = T / meta;
    if (f >= 0) {
      const QColor colore(componente(mintRossoCrediti, f), componente(mintVerdeCrediti, f),
                          componente(mintBluCrediti, f));
      // si ridisegna solo se il colore cambia davvero
      riga->setColore(colore);
    }
    setTopCrediti(i, topCrediti(i) - 1);
  }
}
