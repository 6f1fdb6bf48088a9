#pragma once
// Pausa e ripresa dei timer della partita e contabilita' delle finestre secondarie.

#include <QString>

// Ferma il conto alla rovescia e il timer del rutto.
void psubFermaTimer();
// Li fa ripartire: 1000 ms e 20000 ms.
void psubRiprendiTimer();
// All'apertura ("load") e alla chiusura ("unload") di una finestra secondaria.
void psubApriChiudiFinestra(const QString& nomeFinestra, const QString& azione);
// Vero mentre suona il brano d'avvio (l'intervallo di tmrWaveMp3 non e' zero).
bool pfuncBranoInCorso();
