#pragma once
// Le risorse compilate (immagini, suoni, puntatori, font) stanno in una
// libreria statica: vanno agganciate una volta prima dell'uso.
void psubInizializzaRisorse();
