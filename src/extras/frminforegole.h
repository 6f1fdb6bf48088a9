#pragma once
// frmInfoRegole: le regole del gioco.

#include "extras/cornice.h"

class frmInfoRegole : public CorniceInfo {
  Q_OBJECT

public:
  explicit frmInfoRegole(QWidget* padre = nullptr);

  // Il testo delle regole: le file di spazi vanno a capo nell'etichetta.
  static QString pfuncTestoRegole();

  QLabel* Label1 = nullptr;
  MatriceControlli<QLabel, 0, 0> Label2;
  QLabel* Label3 = nullptr;
};
