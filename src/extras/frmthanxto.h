#pragma once
// frmThanxTo: tre pagine di ringraziamenti, le frecce per sfogliarle e il
// link al sito di un amico.

#include <array>

#include "extras/cornice.h"

class frmThanxTo : public CorniceInfo {
  Q_OBJECT

public:
  explicit frmThanxTo(QWidget* padre = nullptr);

  // A ogni attivazione: finestra aperta e, se il brano non suona, il suo suono.
  void Form_Activate();
  void imgFreccia_Click(int Index);
  void lblLink_MouseDown(Qt::MouseButton tasto);
  // Pagina mostrata (1..3), trovata confrontando il testo con le pagine.
  int pfuncPagina() const;

  MatriceControlli<QLabel, 0, 1> lblDummy;
  MatriceControlli<QLabel, 0, 0> Label2;
  QLabel* lblTesto = nullptr;
  QLabel* lblPag = nullptr;
  MatriceControlli<EtichettaAttiva, 1, 2> imgFreccia;
  EtichettaAttiva* lblLink = nullptr;
  std::array<QString, 4> mastrPagine;  // indici 1..3

protected:
  bool event(QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

private:
  void Form_Load();
  void msubMostraPagina(int pagina);
  bool mblnAttiva = false;
};
