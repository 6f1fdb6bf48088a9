#pragma once
// frmPausa: la finestra di pausa. "Riprendi" o F3 fanno ripartire il gioco.

#include <QDialog>

class QLabel;
class QPushButton;

class frmPausa : public QDialog {
  Q_OBJECT

public:
  explicit frmPausa(QWidget* padre = nullptr);
  ~frmPausa() override;
  void cmdRiprendi_Click();
  void Form_KeyDown(int KeyCode);
  // Chiude senza far ripartire i timer (il tempo scaduto la chiude cosi').
  void Scarica();

  QLabel* lblPausa = nullptr;
  QLabel* imgPausa = nullptr;
  QPushButton* cmdRiprendi = nullptr;

protected:
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void done(int risultato) override;

private:
  void Form_Unload();
  bool mblnChiusa = false;
  bool mblnInRipresa = false;
};
