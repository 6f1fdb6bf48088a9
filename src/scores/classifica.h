#pragma once
// La tabella dei cinque migliori: lettura, qualificazione, inserimento.

#include <QString>

// Legge le cinque posizioni dal file delle impostazioni in gudtClassifica.
void psubLeggiClassifica();
// Il punteggio entra in classifica: maggiore di 0 e non minore del quinto.
bool pfuncSiQualifica(qint32 punteggio);
