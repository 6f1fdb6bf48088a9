#pragma once
// La procedura d'avvio e le sue tre sonde di sistema.

#include <QString>

// Avvia il programma: controlli, finestra d'avvio, brano, lista parole, finestra del gioco.
void Main();
// Come Main, con i file dati in una cartella data (le prove ne usano una temporanea).
void MainDa(const QString& cartella);
// Numero di colori dello schermo.
double pfuncNumeroColori();
// Nome del sistema operativo secondo la tabella classica; qui "" (altra piattaforma).
QString mfuncRilevaOS();
QString pfuncNomeSistema(int piattaforma, int maggiore, int minore);
// Vero se c'e' almeno un'uscita audio.
bool pfuncSchedaAudioPresente();
