#pragma once
// frmClassifica: i cinque migliori, con la riga appena inserita in rosso.
// Un clic in qualsiasi punto la chiude.

#include <QDialog>

#include "app/controlli.h"

class QFrame;
class QLabel;

class frmClassifica : public QDialog {
  Q_OBJECT

public:
  explicit frmClassifica(QWidget* padre = nullptr);
  void Form_Click();

  QLabel* Picture1 = nullptr;
  QLabel* imgLogo = nullptr;
  QFrame* Line1 = nullptr;
  MatriceControlli<QLabel, 1, 5> lblNome;
  MatriceControlli<QLabel, 1, 5> lblInfo;
  MatriceControlli<QLabel, 1, 5> lblPunteggio;
  QLabel* Label5 = nullptr;
  MatriceControlli<QLabel, 0, 3> Label;

protected:
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void done(int risultato) override;

private:
  void costruisciControlli();
  void Form_Load();
  void Form_Unload();
  // Ogni via di chiusura (clic, Esc, pulsante di chiusura) passa di qui, una volta sola.
  void Scarica();
  bool mblnScaricata = false;
};
