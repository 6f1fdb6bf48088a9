#pragma once
#include <QString>

// Le risorse compilate (immagini, suoni, puntatori, font) stanno in una
// libreria statica: vanno agganciate una volta prima dell'uso.
void psubInizializzaRisorse();

// Su uno schermo a scala oltre 1 la stessa figura disegnata al doppio
// ("nome@2x.ext") quando c'e', perche' non si veda sgranata; altrimenti il percorso dato.
QString pfuncPercorsoNitido(const QString& percorso);
