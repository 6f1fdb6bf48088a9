#pragma once
// La cornice comune delle finestre informative: senza bordo, un pannello e
// una cornice che la riempiono, linee sui lati, piccola immagine, titolo e
// barra colorata. Un click sinistro su una parte inerte la chiude.

#include <QCursor>
#include <QDialog>
#include <QLabel>

#include "app/controlli.h"

class QFrame;

// Un'etichetta che reagisce al mouse (link, frecce): il click non arriva alla finestra.
class EtichettaAttiva : public QLabel {
  Q_OBJECT

public:
  explicit EtichettaAttiva(QWidget* padre);
  // Un click sinistro intero: dalla tastiera (spazio, invio) o dal lettore di schermo.
  void premi();

signals:
  void mosso();
  void premuto(Qt::MouseButton tasto);
  void rilasciato(Qt::MouseButton tasto);
  // rilascio del tasto sinistro sopra l'etichetta
  void clicked();

protected:
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
};

// I puntatori della finestra principale, o un sostituto se non c'e'.
QCursor pfuncPuntatoreMano1();
QCursor pfuncPuntatoreMano2();
QCursor pfuncPuntatoreLink();

class CorniceInfo : public QDialog {
  Q_OBJECT

public:
  // nome: objectName e nome per psubApriChiudiFinestra; immagine: in :/img/
  CorniceInfo(const QString& nome, const QString& immagine, QWidget* padre);
  ~CorniceInfo() override;

  // Chiude la finestra; la chiusura gira una volta sola comunque avvenga.
  void Scarica();
  bool scaricata() const { return mblnScaricata; }

  QWidget* Picture1 = nullptr;
  QFrame* Frame1 = nullptr;
  MatriceControlli<QFrame, 0, 1> Line1;
  MatriceControlli<QFrame, 0, 0> Line2;
  QLabel* Image1 = nullptr;
  QLabel* titolo = nullptr;  // Label1, lblNomeProgetto o lblDummy(0)

protected:
  // Il titolo in alto e la barra colorata Label2(0) sotto di esso.
  QLabel* creaTitolo(const char* nome, const QString& testo, const QFont& fonte);
  QLabel* creaBarra();
  // Un'etichetta semplice dentro Frame1 (coordinate in twip).
  QLabel* etichetta(const QString& nome, const QString& testo, double sx, double su, double larg, double alt);

  void mouseReleaseEvent(QMouseEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void done(int risultato) override;

private:
  bool mblnScaricata = false;
};
