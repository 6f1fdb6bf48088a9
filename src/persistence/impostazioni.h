#pragma once
// Dove stanno le impostazioni (contatore degli avvii, promemoria della scheda audio,
// classifica): accanto al programma, o nella copia del giocatore.

#include <QString>

// Il programma in "cartella" e' installato per tutti: la cartella sta sotto /usr o /opt, o non e' del
// giocatore, o il giocatore non ci puo' scrivere. Li' il gioco non scrive e non cambia permessi, nemmeno da root.
bool pfuncInstallazioneDiSistema(const QString& cartella);

// Il file delle impostazioni per il programma in "cartella": quello accanto al programma, se la cartella e'
// del giocatore (una build, l'installazione in ~/.local). Installato per tutti, la copia del giocatore
// in $XDG_DATA_HOME/mrgorbio, fatta da quella installata alla prima partenza; se
// nemmeno quella si puo' fare, di nuovo quello accanto al programma.
QString pfuncFileImpostazioni(const QString& cartella);
