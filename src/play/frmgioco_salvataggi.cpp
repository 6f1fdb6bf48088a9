// frmGioco: salvataggio e caricamento della partita.
#include <QFileInfo>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "app/finestre.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "persistence/partitasalvata.h"
#include "persistence/profilo.h"
#include "play/frmgioco.h"
#include "play/regole.h"
#include "ui/accessibilita.h"

namespace {

const QString NOME_FILE = QStringLiteral("*.cap");
const QString ESTENSIONE = QStringLiteral("cap");

QString filtroFile() { return QStringLiteral("File di ") + gstrTitolo + QStringLiteral(" ") + gstrVersione; }

// la cartella del programma e' quella dei file dati
QString cartellaProgramma() { return QFileInfo(gstrFileIni).absolutePath(); }

StatoPartita statoDellaFinestra(const frmGioco& f) {
  StatoPartita s;
  s.round = f.pfuncRound();
  s.minuti = f.mintMinuti;
  s.secondi = f.mintSecondi;
  s.punteggio = f.mlngPunteggio;
  s.parola = gstrParola;
  s.errori = f.mintErrori;
  s.daScoprire = f.pfuncDaScoprire();
  s.jollyDisponibile = f.cmdGioco(2)->isEnabled();
  for (int i = 1; i <= 21; ++i) s.lettere[static_cast<std::size_t>(i)] = f.lblInputLettera(i)->isEnabled();
  for (int i = 1; i <= 10; ++i) s.caselle[static_cast<std::size_t>(i)] = f.lblParolaCercata(i)->text();
  return s;
}

}  // namespace

void frmGioco::mnuFileSalva_Click() {
  if (MousePointer() == PUNTATORE_CLESSIDRA) return;
  if (gblnPartitaInCorso) psubFermaTimer();
  setMousePointer(PUNTATORE_CLESSIDRA);
  QString percorso =
      mfuncApriSalvaDialog(2, QStringLiteral("Salva gioco..."), NOME_FILE, filtroFile(), cartellaProgramma(), ESTENSIONE);
  if (!percorso.trimmed().isEmpty()) {
    if (percorso.right(3).toLower() != ESTENSIONE) percorso += QStringLiteral(".cap");
    piattaforma().randomize();
    const int r = static_cast<int>(piattaforma().rnd() * 25 + 1);
    piattaforma().randomize();
    const QList<VoceIni> voci = pfuncVociPartita(statoDellaFinestra(*this), r, [] { return piattaforma().rnd(); });
    // tutte le chiavi in un solo rimpiazzo: un file precedente resta intatto se la scrittura fallisce;
    // una partita piu' grande di quanto il caricamento accetta non si potrebbe riaprire
    if (pfuncScriviIniTutte(percorso, voci, DIMENSIONE_MASSIMA_PARTITA)) {
      piattaforma().msgBox(QStringLiteral("La partita viene salvata nel file: ") + CRLF + percorso, Pulsanti::Ok,
                           Icona::Informazione, TITOLO_INFO);
    } else {
      piattaforma().msgBox(QStringLiteral("Impossibile salvare la partita nel file:") + CRLF + CRLF + percorso,
                           Pulsanti::Ok, Icona::Esclamazione, TITOLO_INFO);
    }
  }
  setMousePointer(PUNTATORE_NORMALE);
  if (gblnPartitaInCorso) psubRiprendiTimer();
}

void frmGioco::mnuFileCarica_Click() {
  const PassoGiocatore passo;
  const QString percorso =
      mfuncApriSalvaDialog(1, QStringLiteral("Carica gioco..."), NOME_FILE, filtroFile(), cartellaProgramma(), ESTENSIONE);
  if (percorso.trimmed().isEmpty()) return;
  // la partita nuova e' solo la base del caricamento: il lettore di schermo dice quella caricata
  psubSospendiAnnunci(true);
  mnuFileNuovogioco_Click();
  psubSospendiAnnunci(false);
  tmrTempo.setInterval(0);
  gblnFinestraAperta = true;

  // un file vuoto, illeggibile o troppo grande e' rifiutato come uno manomesso
  const std::optional<QByteArray> contenuto = pfuncLeggiFileProfilo(percorso, DIMENSIONE_MASSIMA_PARTITA);
  const PartitaLetta letta = contenuto ? pfuncLeggiPartita(*contenuto) : PartitaLetta{std::nullopt, Rifiuto::Dimensione};
  if (!letta.stato) {
    piattaforma().msgBox(QStringLiteral("Impossibile caricare il file:") + CRLF + CRLF + percorso + CRLF + CRLF +
                             QStringLiteral("Il file che si sta cercando di caricare è stato manomesso") + CRLF +
                             QStringLiteral("oppure non appartiene a ") + gstrTitolo + QStringLiteral(" ") +
                             gstrVersione + QStringLiteral("."),
                         Pulsanti::Ok, Icona::Critica, TITOLO_INFO);
    gblnFinestraAperta = false;
    msubTerminaGioco(false);
    return;
  }

  const StatoPartita& s = *letta.stato;
  // il titolo cambia solo al primo round di un livello: si parte da quello
  const int livello = std::min((s.round - 1) / 5 + 1, 20);
  lblRound->setText(QString::number(5 * (livello - 1) + 1));
  msubAggiornaLivello();
  lblRound->setText(QString::number(s.round));
  mintMinuti = s.minuti;
  mintSecondi = s.secondi;
  lblTempo->setText(pfuncTestoTempo(s.minuti, s.secondi));
  mlngPunteggio = s.punteggio;
  lblPunteggio->setText(QString::number(s.punteggio));
  gstrParola = s.parola;
  mintErrori = s.errori;
  msubMostraScena(QStringLiteral("id_0") + QString::number(s.errori));
  lblLettere_da_scoprire->setText(QString::number(s.daScoprire));
  cmdGioco(2)->setEnabled(s.jollyDisponibile);
  // il pulsante spento vuol dire jolly gia' giocato: il round ne paga il costo
  mblnJollyUsato = !s.jollyDisponibile;
  for (int i = 1; i <= 21; ++i) lblInputLettera(i)->setEnabled(s.lettere[static_cast<std::size_t>(i)]);
  for (int i = 1; i <= 10; ++i) lblParolaCercata(i)->setText(s.caselle[static_cast<std::size_t>(i)]);
  msubDisponiCaselle();
  // la partita com'e' si legge insieme al messaggio che segue
  QString caselle;
  for (int i = 1; i <= 10; ++i) caselle += lblParolaCercata(i)->text();
  msubAnnuncia(pfuncAnnuncioCaricata(s.round, s.errori, s.minuti, s.secondi, caselle));
  psubAttendi(0.35F);
  piattaforma().msgBox(QStringLiteral("La partita è stata caricata !") + CRLF + CRLF +
                           QStringLiteral("Preparati ad iniziare..."),
                       Pulsanti::Ok, Icona::Informazione, TITOLO_INFO);
  tmrTempo.setInterval(1000);
  gblnFinestraAperta = false;
}

QString frmGioco::mfuncApriSalvaDialog(int modo, const QString& titolo, const QString& nomeFile, const QString& filtro,
                                       const QString& cartella, const QString& estensione) {
  try {
    const DialogoFile d{titolo, nomeFile, filtro, cartella, estensione};
    return modo == 1 ? piattaforma().dialogoApri(this, d) : piattaforma().dialogoSalva(this, d);
  } catch (const std::exception& e) {
    psubErroreFatale(
        pfuncTestoErroreImprevisto(QStringLiteral("frmGioco.mfuncApriSalvaDialog"), QString::fromUtf8(e.what())));
  }
}
