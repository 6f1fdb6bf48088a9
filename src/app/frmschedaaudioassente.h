#pragma once
// frmSchedaAudioAssente: l'avviso che manca la scheda audio, con "Ricordamelo".

#include <QDialog>

class QCheckBox;
class QPushButton;

class frmSchedaAudioAssente : public QDialog {
  Q_OBJECT

public:
  frmSchedaAudioAssente();
  QCheckBox* chkRicordamelo = nullptr;
  QPushButton* cmdOK = nullptr;

protected:
  void closeEvent(QCloseEvent* evento) override;
  void done(int risultato) override;

private:
  void Form_Unload();
  bool mblnScaricata = false;
};
