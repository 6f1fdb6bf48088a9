// frmGioco: nuova partita e nuovo round.
#include <QPushButton>
#include <exception>

#include "app/media.h"
#include "app/memoria.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "play/frmgioco.h"
#include "play/regole.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

void frmGioco::mnuFileNuovogioco_Click() {
  const PassoGiocatore passo;
  psubFermaSuono();
  tmrWaveMp3.setInterval(0);
  lblRound->setText(QStringLiteral("0"));
  mlngPunteggio = 0;
  lblTitoloWaveMp3->setVisible(false);
  for (QLabel* l : {lblRound, lblPunteggio, lblLettere_da_scoprire, lblTempo}) l->setVisible(true);
  for (int i = 1; i <= 4; ++i) lblScritte_di_Stato(i)->setEnabled(true);
  setPuntatoreLettere(PUNTATORE_MANO);
  for (int i = 1; i <= 21; ++i) lblInputLettera(i)->setEnabled(true);
  msubGestioneCrediti(QStringLiteral("nascondi"));
  for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(true);
  for (int i = 1; i <= 10; ++i) psubColoreTesto(lblParolaCercata(i), Qt::black);
  mnuFilePausa->setEnabled(true);
  mnuFileTermina->setEnabled(true);
  mnuFileSalva->setEnabled(true);
  mnuFileNuovogioco->setEnabled(false);
  mnuFileCarica->setEnabled(false);
  tmrRutto.setInterval(20000);
  gblnPartitaInCorso = true;
  msubNuovoRound();
}

void frmGioco::msubNuovoRound() {
  try {
    ++mlngGenerazione;
    mblnTempoScaduto = false;
    mblnScadenzaInAttesa = false;
    mintErrori = 0;
    mblnJollyUsato = false;
    mblnOccupato = false;
    setMousePointer(PUNTATORE_NORMALE);
    piattaforma().randomize();
    if (colParole.Count() < 1) throw std::runtime_error("lista parole vuota");
    const int indice = pfuncIndiceEstratto(piattaforma().rnd(), colParole.Count());
    gstrParola = colParole.Item(indice).trimmed();
    msubDisponiCaselle();
    for (int i = 1; i <= 10; ++i) lblParolaCercata(i)->setText(QString());
    const qsizetype n = gstrParola.size();
    bool corrotta = n < 6 || n > 10;
    for (qsizetype i = 0; i < n && !corrotta; ++i) {
      const char16_t c = gstrParola[i].unicode();
      if (c < u'A' || c > u'Z') {
        corrotta = true;
      } else {
        lblParolaCercata(static_cast<int>(i) + 1)->setText(QStringLiteral("_"));
      }
    }
    if (corrotta) {
      const QString testo = QStringLiteral("Il file:") + CRLF + CRLF + gstrFileParole + CRLF + CRLF +
                            QStringLiteral("è stato corrotto.") + CRLF + CRLF + REINSTALLA;
      psubErroreFatale(testo);
    }
    msubMostraScena(QStringLiteral("id_00"));
    for (int i = 1; i <= 3; ++i) cmdGioco(i)->setEnabled(true);
    lblLettere_da_scoprire->setText(QString::number(n));
    lblRound->setText(QString::number(pfuncRound() + 1));
    msubAggiornaLivello();
    lblPunteggio->setText(QString::number(mlngPunteggio));
    for (int i = 1; i <= 21; ++i) lblInputLettera(i)->setEnabled(true);
    const LimiteTempo limite = pfuncLimiteTempo(pfuncRound());
    lblTempo->setText(limite.testo);
    mintMinuti = limite.minuti;
    mintSecondi = limite.secondi;
    setMousePointer(PUNTATORE_NORMALE);
    tmrTempo.setEnabled(true);
    tmrTempo.setInterval(1000);
    psubRestituisciMemoria();
    msubAnnuncia(pfuncAnnuncioRound(pfuncRound(), pfuncLivelloDaMostrare(pfuncRound()), static_cast<int>(n),
                                    limite.minuti, limite.secondi));
  } catch (const std::exception& e) {
    psubErroreFatale(pfuncTestoErroreImprevisto(QStringLiteral("frmGioco.msubNuovoRound"), QString::fromUtf8(e.what())));
  }
}

void frmGioco::msubDisponiCaselle() {
  const int n = static_cast<int>(gstrParola.size());
  if (n < 6 || n > 10) return;
  int sinistra = 180 + 225 * (10 - n);
  for (int i = 1; i <= 10; ++i) {
    QLabel* casella = lblParolaCercata(i);
    // le caselle in piu' finiscono fuori dalla parte visibile della cornice
    const int x = i <= n ? sinistra : 5000;
    casella->move(tw(x), casella->y());
    sinistra += 450;
  }
}

void frmGioco::msubAggiornaLivello() {
  const int livello = pfuncLivelloDaMostrare(pfuncRound());
  if (livello == 0) return;
  setWindowTitle(QStringLiteral(" ") + gstrTitolo + QStringLiteral(" ") + gstrVersione + QStringLiteral(" - Livello ") +
                 QString::number(livello));
}
