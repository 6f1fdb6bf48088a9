#pragma once
// frmInfoTastiera: i comandi della tastiera, una riga per tasto.

#include "extras/cornice.h"

class frmInfoTastiera : public CorniceInfo {
  Q_OBJECT

public:
  explicit frmInfoTastiera(QWidget* padre = nullptr);

  QLabel* Label1 = nullptr;
  // Label2(0) e' la barra colorata, 1..7 i tasti; Label3(1..7) i significati
  MatriceControlli<QLabel, 0, 7> Label2;
  MatriceControlli<QLabel, 1, 7> Label3;
};
