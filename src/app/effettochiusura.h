#pragma once
// Effetto di chiusura: rettangoli pieni che si restringono verso il centro
// della finestra, disegnati da una figlia che la copre tutta e sparisce con lei.

#include <QColor>
#include <QWidget>

class EffettoChiusura : public QWidget {
public:
  // Disegna l'effetto in "passi" rettangoli sull'area della finestra, poi la chiude.
  static void esegui(QWidget* finestra, int passi);

protected:
  void paintEvent(QPaintEvent* evento) override;

private:
  EffettoChiusura(QWidget* finestra, int passi);

  QColor mColore;
  int mPassi;
  int mDisegnati = 0;
};
