#pragma once
// Il gioco per chi usa un lettore di schermo: nomi di immagini, parola e valori
// di stato, lettere come pulsanti, e gli annunci di quello che succede.
// Niente di questo si vede o si sente: cambia solo quello che legge il lettore.

#include <QString>

class QWidget;

// Le interfacce proprie (lettere, parola, valori di stato, etichette attive, voce); una volta sola.
void psubInstallaAccessibilita();

// Nome e descrizione di un'immagine dal nome della sua risorsa ("id_05", ":/img/pausa.png").
void psubNominaImmagine(QWidget* immagine, const QString& risorsa);

// Fa dire al lettore di schermo un testo, senza spostare il fuoco: una notifica senza
// misura, figlia della finestra, prende il testo come nome e si mostra. Durante un passo
// del giocatore il testo si aggiunge a quelli del passo e si dice con loro alla sua fine.
void psubAnnuncia(QWidget* finestra, const QString& testo);
// Annunci taciuti (true) o di nuovo detti (false): un passo di mezzo che sullo schermo non si vede.
void psubSospendiAnnunci(bool sospesi);
// Gli annunci del passo non ancora detti, tolti dalla coda: li legge il messaggio che si apre.
QString pfuncPrendiAnnunci();

// Un passo del giocatore (un tasto, un clic, un comando, uno scatto del conto alla rovescia) fino a
// quando il gioco lo aspetta di nuovo: Orca interrompe la frase che sta dicendo a ogni notifica, quindi
// tutto quello che il passo annuncia si dice in una frase sola, in ordine, alla fine del passo piu' esterno.
class PassoGiocatore {
public:
  PassoGiocatore();
  ~PassoGiocatore();
  PassoGiocatore(const PassoGiocatore&) = delete;
  PassoGiocatore& operator=(const PassoGiocatore&) = delete;
};

// --- i testi degli annunci della partita ---
// La parola come la si vede: lettere trovate e trattini, in ordine.
QString pfuncLeggiParola(const QString& caselle);
// Un tempo come si dice: "3 minuti", "1 minuto e 30 secondi", "14 secondi".
QString pfuncLeggiTempo(int minuti, int secondi);
QString pfuncAnnuncioRound(int round, int livelloNuovo, int lunghezza, int minuti, int secondi);
QString pfuncAnnuncioCaricata(int round, int errori, int minuti, int secondi, const QString& caselle);
QString pfuncAnnuncioLettera(const QString& lettera, int volte, bool jolly, const QString& caselle);
QString pfuncAnnuncioErrore(const QString& lettera, int stadio);
QString pfuncAnnuncioVinto(const QString& parola, qint32 puntiRound);
QString pfuncAnnuncioFine(const QString& parola, qint32 punteggio);
// Il tempo che sta per finire, a pochi punti fissi; vuoto negli altri secondi.
QString pfuncAnnuncioTempo(int minuti, int secondi);
// Lo stato a richiesta: nessuna partita, o tempo, parola, errori, punteggio e round.
QString pfuncAnnuncioStato(bool partita, int minuti, int secondi, const QString& caselle, int errori, qint32 punteggio,
                           int round);
