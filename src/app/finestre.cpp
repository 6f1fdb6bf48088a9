#include "app/finestre.h"

#include "app/media.h"
#include "app/modgenerale.h"
#include "play/frmgioco.h"

void psubFermaTimer() {
  if (!gfrmGioco) return;
  gfrmGioco->tmrTempo.setInterval(0);
  gfrmGioco->tmrRutto.setInterval(0);
}

void psubRiprendiTimer() {
  if (!gfrmGioco) return;
  gfrmGioco->tmrTempo.setInterval(1000);
  gfrmGioco->tmrRutto.setInterval(20000);
}

bool pfuncBranoInCorso() { return gfrmGioco && gfrmGioco->tmrWaveMp3.Interval() != 0; }

void psubApriChiudiFinestra(const QString& nomeFinestra, const QString& azione) {
  if (azione != u"unload") {
    gblnFinestraAperta = true;
    if (gblnPartitaInCorso) psubFermaTimer();
    if (pfuncBranoInCorso()) return;
    static const QList<QPair<QString, QString>> suoni = {{QStringLiteral("frmPausa"), QStringLiteral("id_23")},
                                                        {QStringLiteral("frmInfoCodice"), QStringLiteral("id_31")},
                                                        {QStringLiteral("frmInfoMrGorbio"), QStringLiteral("id_34")},
                                                        {QStringLiteral("frmInfoRegole"), QStringLiteral("id_32")},
                                                        {QStringLiteral("frmInfoTastiera"), QStringLiteral("id_33")}};
    for (const auto& [nome, suono] : suoni) {
      if (nome == nomeFinestra) psubSuona(suono, false, ORIGINE_RISORSE, 0);
    }
    return;
  }
  if (!pfuncBranoInCorso()) psubFermaSuono();
  if (gblnPartitaInCorso) {
    psubAttendi(0.25F);
    psubRiprendiTimer();
  }
  gblnFinestraAperta = false;
}
