#pragma once
// Effetto di chiusura: rettangoli pieni che si restringono verso il centro
// della finestra, disegnati su una copertura che sparisce alla fine.

#include <QColor>
#include <QPixmap>
#include <QWidget>

class EffettoChiusura : public QWidget {
public:
  // Disegna l'effetto in "passi" rettangoli sull'area della finestra, poi la chiude.
  static void esegui(QWidget* finestra, int passi);

protected:
  void paintEvent(QPaintEvent* evento) override;

private:
  EffettoChiusura(QWidget* finestra, int passi);

  QPixmap mFondo;
  QColor mColore;
  int mPassi;
  int mDisegnati = 0;
};
