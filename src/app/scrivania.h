#pragma once
// Il gioco sul desktop: il nome del suo file .desktop (icona e nome giusti
// nella barra) e i dialoghi standard di Qt in italiano come il resto.

// l'identificativo del file .desktop, dell'icona e dei metadati installati
inline constexpr char ID_SCRIVANIA[] = "it.veltrak.mrgorbio";

// Da chiamare subito dopo QApplication, prima di ogni finestra.
void psubPreparaScrivania();
