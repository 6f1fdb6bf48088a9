#pragma once
// frmInfoCodice: come e' fatto il programma.

#include "extras/cornice.h"

class frmInfoCodice : public CorniceInfo {
  Q_OBJECT

public:
  explicit frmInfoCodice(QWidget* padre = nullptr);

  QLabel* Label1 = nullptr;
  MatriceControlli<QLabel, 0, 0> Label2;
  QLabel* Label3 = nullptr;
  QLabel* Label5 = nullptr;
};
