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
// misura, figlia della finestra, prende il testo come nome e si mostra.
void psubAnnuncia(QWidget* finestra, const QString& testo);
// Un testo da dire in testa al prossimo annuncio (la causa di quello che segue).
void psubPremettiAnnuncio(const QString& testo);
// Annunci taciuti (true) o di nuovo detti (false): un passo di mezzo che sullo schermo non si vede.
void psubSospendiAnnunci(bool sospesi);

// --- i testi degli annunci della partita ---
// La parola come la si vede: lettere trovate e trattini, in ordine.
QString pfuncLeggiParola(const QString& caselle);
QString pfuncAnnuncioRound(int round, int livelloNuovo, qint32 punteggio, int lunghezza, const QString& tempo);
QString pfuncAnnuncioLettera(const QString& lettera, int volte, bool jolly, const QString& caselle);
QString pfuncAnnuncioErrore(const QString& lettera, int stadio);
QString pfuncAnnuncioVinto(const QString& parola, qint32 puntiRound);
QString pfuncAnnuncioFine(const QString& parola, qint32 punteggio);
// Il tempo che sta per finire, a pochi punti fissi; vuoto negli altri secondi.
QString pfuncAnnuncioTempo(int minuti, int secondi);
