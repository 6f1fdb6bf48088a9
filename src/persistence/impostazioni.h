#pragma once
// Dove stanno le impostazioni (contatore degli avvii, promemoria della scheda audio,
// classifica): accanto al programma, o nella copia del giocatore.

#include <QString>

// Il file delle impostazioni per il programma in "cartella". Se li' si puo' scrivere,
// quello accanto al programma. Se no (installazione per tutti) la copia del giocatore
// in $XDG_DATA_HOME/mrgorbio, fatta da quella installata alla prima partenza; se
// nemmeno quella si puo' fare, di nuovo quello accanto al programma.
QString pfuncFileImpostazioni(const QString& cartella);
