#pragma once
// frmVeltrak: l'animazione del servizio informazioni. La parabola contatta il
// satellite, il raggio scrive il recapito dell'autore, poi la finestra si
// chiude da sola con l'effetto dei rettangoli.

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <array>

#include "app/controlli.h"

class frmVeltrak : public QDialog {
  Q_OBJECT

public:
  // Una linea del disegno del contatto: estremi in twip, in singola precisione.
  struct Linea {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    bool Visible = true;
    QColor colore;
  };

  explicit frmVeltrak(QWidget* padre = nullptr);
  ~frmVeltrak() override;

  // Alla prima attivazione: animazione, suono finale ed effetto di chiusura.
  void Form_Activate();
  void Form_Deactivate();
  void msubAnimazione();
  bool animazioneAvviata() const { return mblnAvviata; }

  // Le quattordici scritte del recapito con uno spazio tra i caratteri.
  static QStringList pfuncTestiRecapito();
  // La X2 del raggio a ogni passo della scrittura.
  static constexpr std::array<float, 14> X2_RAGGIO = {2610, 2780, 2980, 3160, 3320, 3505, 3660,
                                                      3850, 4095, 4280, 4470, 4605, 4750, 4935};

  MatriceControlli<QLabel, 1, 2> imgDisco;
  MatriceControlli<QLabel, 1, 2> imgVeltrak;
  Linea lnConnessione;
  Linea lnRisultato;
  QLabel* lblFase = nullptr;
  QLabel* lblEmail = nullptr;
  QLabel* lblRisultato = nullptr;
  bool mblnDisattivata = false;

protected:
  bool event(QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void done(int risultato) override;

private:
  void Form_Load();
  void Form_Unload();
  void msubScambiaSatellite();
  void ridisegnaLinee();

  QWidget* mLinee = nullptr;
  bool mblnAvviata = false;
  bool mblnInCorso = false;  // mentre l'animazione gira la finestra non si chiude
  bool mblnScaricata = false;
};
