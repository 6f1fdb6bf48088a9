#pragma once
// frmInfoMrGorbio: la finestra delle informazioni sul programma, con
// l'etichetta che apre l'animazione del Veltrak e il link al suo sito.

#include "extras/cornice.h"

class frmInfoMrGorbio : public CorniceInfo {
  Q_OBJECT

public:
  explicit frmInfoMrGorbio(QWidget* padre = nullptr);

  void lblInfoVeltrak_MouseMove();
  void lblInfoVeltrak_MouseDown(Qt::MouseButton tasto);
  void lblInfoVeltrak_MouseUp(Qt::MouseButton tasto);
  void lblLinkVeltrakWebSite_MouseMove();
  void lblLinkVeltrakWebSite_MouseDown(Qt::MouseButton tasto);

  QLabel* lblNomeProgetto = nullptr;
  MatriceControlli<QLabel, 0, 0> Label2;
  QLabel* lblVersioneProgetto = nullptr;
  QLabel* lblLuogoDataProgetto = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label4 = nullptr;
  EtichettaAttiva* lblInfoVeltrak = nullptr;
  EtichettaAttiva* lblLinkVeltrakWebSite = nullptr;
};
