#include "app/effettochiusura.h"

#include <QPainter>
#include <cmath>

#include "app/media.h"

namespace {
constexpr int FOTOGRAMMI = 15;
constexpr float ATTESA_FOTOGRAMMA = 0.02F;
}  // namespace

EffettoChiusura::EffettoChiusura(QWidget* finestra, int passi)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      mFondo(finestra->grab()),
      mColore(finestra->palette().color(QPalette::Window)),
      mPassi(passi) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setGeometry(finestra->frameGeometry());
}

void EffettoChiusura::esegui(QWidget* finestra, int passi) {
  if (!finestra) return;
  if (passi > 0 && finestra->isVisible()) {
    EffettoChiusura copertura(finestra, passi);
    copertura.show();
    for (int f = 1; f <= FOTOGRAMMI; ++f) {
      copertura.mDisegnati = passi * f / FOTOGRAMMI;
      copertura.update();
      psubAttendi(ATTESA_FOTOGRAMMA);
    }
  }
  finestra->close();
}

void EffettoChiusura::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, mFondo);
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
