#pragma once
// L'aspetto classico grigio: stile Fusion, tavolozza grigio chiaro, Liberation Sans.

#include <QFont>

class QWidget;

void psubApplicaAspetto();
// Font dell'interfaccia a una data grandezza in punti (a 96 punti per pollice).
QFont pfuncFonte(double punti, bool grassetto = false);
// Dimensione fissa dell'area interna della finestra, in twip.
void psubDimensioniFisse(QWidget* finestra, double larghezza, double altezza);
// Colore del testo di un'etichetta (ForeColor).
void psubColoreTesto(QWidget* controllo, const QColor& colore);
QColor pfuncColoreTesto(const QWidget* controllo);
