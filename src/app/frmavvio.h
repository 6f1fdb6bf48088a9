#pragma once
// frmAvvio: la finestra d'avvio senza bordo, con il contatore degli avvii.

#include <QWidget>

#include "app/controlli.h"

class QLabel;

class frmAvvio : public QWidget {
  Q_OBJECT

public:
  frmAvvio();
  void Form_Load();

  MatriceControlli<QLabel, 0, 4> imgDummy;
  MatriceControlli<QLabel, 0, 6> lblDummy;
  QLabel* lblDataProgetto = nullptr;
  QLabel* lblNumAvvii = nullptr;

protected:
  void paintEvent(QPaintEvent* evento) override;
};

// Il contatore letto dal file come intero a 16 bit, +1 (fermo a 32767).
int pfuncProssimoAvvio(const QString& letto);

// Comincia a decodificare in un altro thread le immagini della finestra d'avvio.
void psubPreparaImmaginiAvvio();
