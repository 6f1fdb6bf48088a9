#pragma once
// frmResettaClassifica: la conferma prima di svuotare la classifica.
// Si esce solo dai suoi due pulsanti.

#include <QDialog>

class QLabel;
class QPushButton;

class frmResettaClassifica : public QDialog {
  Q_OBJECT

public:
  explicit frmResettaClassifica(QWidget* padre = nullptr);
  void cmdConferma_Click();
  void cmdAnnulla_Click();

  QWidget* Picture1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* cmdConferma = nullptr;
  QPushButton* cmdAnnulla = nullptr;

protected:
  void closeEvent(QCloseEvent* evento) override;
  void done(int risultato) override;

private:
  void Form_Load();
  void Form_Unload();
  // La chiusura vera, solo dai pulsanti; lo scaricamento avviene una volta.
  void Scarica();
  bool mblnScaricata = false;
  bool mblnInConferma = false;
};
