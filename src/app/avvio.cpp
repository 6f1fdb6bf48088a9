#include "app/avvio.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>
#include <exception>

#include "app/frmavvio.h"
#include "app/frmschedaaudioassente.h"
#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "persistence/profilo.h"
#include "play/frmgioco.h"
#include "ui/aspetto.h"
#include "words/filedati.h"

namespace {

void controllaSchermo() {
  const QSize s = piattaforma().dimensioniSchermo();
  if (s.width() < 800 || s.height() < 600) {
    psubErroreFatale(QStringLiteral("La risoluzione attuale dello schermo è: ") + QString::number(s.width()) +
                     QStringLiteral("x") + QString::number(s.height()) + QStringLiteral(".") + CRLF +
                     QStringLiteral("Per l'esecuzione di ") + gstrTitolo + QStringLiteral(" è necessaria") +
                     QStringLiteral("\r") + QStringLiteral("una risoluzione minima di 800x600..."));
  }
  const double colori = pfuncNumeroColori();
  if (colori < 65536) {
    psubErroreFatale(QStringLiteral("L'impostazione corrente dei colori dello schermo è: ") +
                     QString::number(colori, 'f', 0) + QStringLiteral(".") + QStringLiteral("\r") + CRLF + gstrTitolo +
                     QStringLiteral(" ") + gstrVersione + QStringLiteral(" necessita di almeno 65536 colori..."));
  }
}

void controllaSchedaAudio() {
  if (pfuncSchedaAudioPresente()) return;
  gblnSchedaAudioAssente = true;
  const QString valore =
      pfuncLeggiIni(gstrFileIni, QStringLiteral("frmSchedaAudioAssente.chkRicordamelo"), QStringLiteral("value"));
  if (valore.trimmed() == u"si") {
    frmSchedaAudioAssente avviso;
    piattaforma().mostraModale(&avviso);
  }
}

// Finestra nativa, stile e un primo disegno fuori schermo (cache dei glifi e delle immagini);
// anche le icone dei messaggi, la cui prima ricerca nel tema e' lenta.
void preparaFinestra(QWidget* finestra) {
  finestra->ensurePolished();
  finestra->winId();
  finestra->grab();
  QStyle* stile = QApplication::style();
  for (auto icona : {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxQuestion,
                     QStyle::SP_MessageBoxCritical}) {
    stile->standardIcon(icona).pixmap(stile->pixelMetric(QStyle::PM_MessageBoxIconSize));
  }
}

void passiMain(const QString& cartella) {
  psubPreparaImmaginiAvvio();
  psubImpostaIdentita();
  psubImpostaPercorsi(cartella);
  if (piattaforma().altraCopiaInEsecuzione()) {
    piattaforma().msgBox(gstrTitolo + QStringLiteral(" ") + gstrVersione + CRLF + QStringLiteral(" è già in esecuzione..."),
                         Pulsanti::Ok, Icona::Informazione, TITOLO_INFO);
    psubTermina();
  }
  controllaSchermo();
  gstrSistemaOperativo = mfuncRilevaOS();
  controllaSchedaAudio();
  psubControllaFileDati();

  auto* avvio = new frmAvvio;
  // le attese di 0.05 e 1.2 s contano da quando la finestra d'avvio si mostra e la seconda
  // finisce a una scadenza: dentro si prepara tutto, poi show() deve solo mappare
  const qint64 scadenza = piattaforma().adessoMs() + 1250;
  avvio->show();
  psubAttendi(0.05F);
  psubSuona(gstrFileMusica, false, ORIGINE_DISCO, 0);
  // la finestra del gioco nasce qui, nascosta, prima della lista parole
  auto* gioco = new frmGioco;
  gioco->tmrWaveMp3.setInterval(22000);
  preparaFinestra(gioco);
  // una lista illeggibile o corrotta si segnala solo alla scadenza, come prima
  const bool paroleLette = pfuncLeggiParole();
  piattaforma().attendi(static_cast<int>(scadenza - piattaforma().adessoMs()));
  if (!paroleLette) psubCaricaParole();
  avvio->close();
  avvio->deleteLater();
  gioco->show();
  gioco->Form_Activate();
}

}  // namespace

void Main() { MainDa(QCoreApplication::applicationDirPath()); }

void MainDa(const QString& cartella) {
  psubApplicaAspetto();
  try {
    passiMain(cartella);
  } catch (const std::exception& e) {
    psubErroreFatale(QStringLiteral("Si è verificato un errore imprevisto nella routine Main:") + CRLF + CRLF +
                     QStringLiteral("(") + QString::fromLocal8Bit(e.what()) + QStringLiteral(")") + CRLF + CRLF +
                     CONSIGLIA);
  }
}

double pfuncNumeroColori() {
  const int bit = piattaforma().bitPerPixel();
  return std::pow(2.0, bit) * 1;  // un solo piano di colore
}

QString pfuncNomeSistema(int piattaforma, int maggiore, int minore) {
  if (piattaforma == 1) return QStringLiteral("Win95/98/ME");
  if (piattaforma != 2) return {};
  if (maggiore < 5) return QStringLiteral("WinNT");
  if (maggiore > 5) return QStringLiteral("Sconosciuto");
  switch (minore) {
    case 0: return QStringLiteral("Win2000");
    case 1: return QStringLiteral("WinXP");
    case 2: return QStringLiteral("Si NT");
    default: return QStringLiteral("Sconosciuto");
  }
}

QString mfuncRilevaOS() {
  // Linux non e' della famiglia 9x ne' NT: la tabella da' la stringa vuota
  return pfuncNomeSistema(0, 0, 0);
}

bool pfuncSchedaAudioPresente() {
  try {
    return piattaforma().dispositivoAudio();
  } catch (const std::exception&) {
    piattaforma().msgBox(QStringLiteral("Errore inaspettato nella configurazione audio...") + CRLF, Pulsanti::Ok,
                         Icona::Esclamazione, TITOLO_INFO);
    return false;
  }
}
