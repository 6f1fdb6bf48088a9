#include "app/effettochiusura.h"

#include <QPainter>
#include <QPointer>
#include <cmath>

#include "app/media.h"

namespace {
constexpr int FOTOGRAMMI = 15;
constexpr float ATTESA_FOTOGRAMMA = 0.02F;
}  // namespace

// Una figlia e non una finestra a se': su Wayland un cliente non sceglie dove stanno le sue
// finestre, e la copertura finirebbe altrove. Senza sfondo proprio, sotto si vede la finestra.
EffettoChiusura::EffettoChiusura(QWidget* finestra, int passi)
    : QWidget(finestra), mColore(finestra->palette().color(QPalette::Window)), mPassi(passi) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(finestra->rect());
  raise();
}

void EffettoChiusura::esegui(QWidget* finestra, int passi) {
  if (!finestra) return;
  // le attese lasciano passare gli eventi: la finestra potrebbe sparire prima della fine
  const QPointer<QWidget> chiusa(finestra);
  if (passi > 0 && finestra->isVisible()) {
    const QPointer<EffettoChiusura> copertura = new EffettoChiusura(finestra, passi);
    copertura->show();
    for (int f = 1; f <= FOTOGRAMMI && copertura; ++f) {
      copertura->mDisegnati = passi * f / FOTOGRAMMI;
      copertura->update();
      psubAttendi(ATTESA_FOTOGRAMMA);
    }
    delete copertura.data();
  }
  if (chiusa) chiusa->close();
}

void EffettoChiusura::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(Qt::black);
  p.setBrush(mColore);
  const double larghezza = width();
  const double altezza = height();
  for (int i = mPassi; i > mPassi - mDisegnati; --i) {
    const double w = std::round(i * larghezza / mPassi);
    const double h = std::round(i * altezza / mPassi);
    const int x = static_cast<int>(std::round((larghezza - w) / 2));
    const int y = static_cast<int>(std::round((altezza - h) / 2));
    p.drawRect(x, y, static_cast<int>(w) - 1, static_cast<int>(h) - 1);
  }
}
