#include "app/modgenerale.h"

#include "app/piattaforma.h"
#include "persistence/impostazioni.h"

#include <cstdlib>

QString gstrTitolo;
QString gstrVersione;
QString gstrDataProgetto;
QString gstrSistemaOperativo;
bool gblnSchedaAudioAssente = false;
bool gblnPartitaInCorso = false;
bool gblnFinestraAperta = false;
QString gstrParola;

QString gstrFileParole;
QString gstrFileIni;
QString gstrFileSuonoFinale;
QString gstrFileMusica;
QString gstrFileSuonoUscita;

ColParole colParole;
std::array<tVoceClassifica, 6> gudtClassifica;
int gintPosizioneClassifica = 0;
frmGioco* gfrmGioco = nullptr;

void psubAzzeraStatoModulo() {
  psubImpostaIdentita();
  gstrSistemaOperativo.clear();
  gblnSchedaAudioAssente = false;
  gblnPartitaInCorso = false;
  gblnFinestraAperta = false;
  gstrParola.clear();
  gstrFileParole.clear();
  gstrFileIni.clear();
  gstrFileSuonoFinale.clear();
  gstrFileMusica.clear();
  gstrFileSuonoUscita.clear();
  colParole.Clear();
  gudtClassifica = {};
  gintPosizioneClassifica = 0;
  gfrmGioco = nullptr;
}

void psubImpostaIdentita() {
  gstrTitolo = QStringLiteral("Veltrak Mr.Gorbio");
  gstrVersione = QStringLiteral("1.0");
  gstrDataProgetto = QStringLiteral("16 Gennaio 2002");
}

void psubImpostaPercorsi(const QString& cartella) {
  gstrFileParole = cartella + QStringLiteral("/Mr.Gorbio.001");
  gstrFileIni = pfuncFileImpostazioni(cartella);
  gstrFileSuonoFinale = cartella + QStringLiteral("/Mr.Gorbio.003");
  gstrFileMusica = cartella + QStringLiteral("/Mr.Gorbio.004");
  gstrFileSuonoUscita = cartella + QStringLiteral("/Mr.Gorbio.005");
}

void psubTermina() {
  piattaforma().fermaSuono();
  colParole.Clear();
  piattaforma().termina();
  std::abort();  // termina() non ritorna mai
}

void psubErroreFatale(const QString& testo) {
  piattaforma().msgBox(testo, Pulsanti::Ok, Icona::Esclamazione, TITOLO_INFO);
  psubTermina();
}

QString pfuncTestoErroreImprevisto(const QString& dove, const QString& descrizione) {
  return QStringLiteral("Si è verificato un errore imprevisto nella ") + dove + QStringLiteral(":") + CRLF +
         CRLF + QStringLiteral("(") + descrizione + QStringLiteral(")") + CRLF + CRLF + CONSIGLIA;
}

double pfuncVal(const QString& testo) {
  int i = 0;
  const int n = testo.size();
  while (i < n && (testo[i] == u' ' || testo[i] == u'\t')) ++i;
  QString numero;
  if (i < n && (testo[i] == u'-' || testo[i] == u'+')) numero += testo[i++];
  bool punto = false;
  bool cifre = false;
  for (; i < n; ++i) {
    const QChar c = testo[i];
    if (c.isDigit() && c.unicode() < 128) {
      numero += c;
      cifre = true;
    } else if (c == u'.' && !punto) {
      numero += c;
      punto = true;
    } else {
      break;
    }
  }
  if (!cifre) return 0.0;
  bool ok = false;
  const double v = numero.toDouble(&ok);
  return ok ? v : 0.0;
}
