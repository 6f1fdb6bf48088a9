#pragma once
// Stato di modulo (modGenerale): identita', percorsi dei file dati, lista
// parole, flag condivisi e cache della classifica. Tutto in un solo posto,
// con una routine che lo riporta allo stato iniziale.

#include <QString>
#include <QStringList>
#include <array>

class frmGioco;

// Testi comuni dei messaggi
inline const QString CRLF = QStringLiteral("\r\n");
inline const QString TITOLO_INFO = QStringLiteral(" Veltrak Info Service...");
inline const QString TITOLO_INFO_SENZA_SPAZIO = QStringLiteral("Veltrak Info Service...");
inline const QString TITOLO_CENTER = QStringLiteral(" Veltrak Info Center...");
inline const QString REINSTALLA = QStringLiteral("E' necessario reinstallare l'applicazione... :(");
inline const QString CONSIGLIA = QStringLiteral("Si consiglia di reinstallare l'applicazione.. :(");

// Lista parole con indici da 1 come la Collection originale.
class ColParole {
public:
  int Count() const { return static_cast<int>(mVoci.size()); }
  const QString& Item(int indice) const { return mVoci.at(indice - 1); }
  void Add(const QString& voce) { mVoci.append(voce); }
  void Clear() { mVoci.clear(); }

private:
  QStringList mVoci;
};

struct tVoceClassifica {
  QString Nome;
  QString Info;
  QString Punteggio;
};

extern QString gstrTitolo;
extern QString gstrVersione;
extern QString gstrDataProgetto;
extern QString gstrSistemaOperativo;
extern bool gblnSchedaAudioAssente;
extern bool gblnPartitaInCorso;
extern bool gblnFinestraAperta;
extern QString gstrParola;

extern QString gstrFileParole;
extern QString gstrFileIni;
extern QString gstrFileSuonoFinale;
extern QString gstrFileMusica;
extern QString gstrFileSuonoUscita;

extern ColParole colParole;
extern std::array<tVoceClassifica, 6> gudtClassifica;
extern int gintPosizioneClassifica;

// La finestra principale, quando esiste (timer, puntatore, periodo del brano).
extern frmGioco* gfrmGioco;

void psubAzzeraStatoModulo();
void psubImpostaIdentita();
// Costruisce i cinque percorsi dei file dati nella cartella del programma;
// le impostazioni possono stare nella copia del giocatore (pfuncFileImpostazioni).
void psubImpostaPercorsi(const QString& cartella);

// Fine immediata: ferma il suono, libera la lista parole, termina.
[[noreturn]] void psubTermina();
// Un messaggio con l'icona esclamativa e poi la fine del programma.
[[noreturn]] void psubErroreFatale(const QString& testo);
// "Si è verificato un errore imprevisto nella <dove>:" con la descrizione.
QString pfuncTestoErroreImprevisto(const QString& dove, const QString& descrizione);

// Lettura numerica tollerante come Val(): spazi iniziali saltati, cifre fino
// al primo carattere non numerico, testo non numerico = 0.
double pfuncVal(const QString& testo);
