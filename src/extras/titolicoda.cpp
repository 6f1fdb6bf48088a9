#include "extras/titolicoda.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/controlli.h"
#include "ui/aspetto.h"

namespace {
constexpr double ALTEZZA_RIGA = 255;  // twip
}

int RigaCrediti::height() const { return tw(ALTEZZA_RIGA); }

void RigaCrediti::ridisegna() const {
  if (!mNascosta) mContenitore->update(0, mY, mContenitore->width(), height());
}

void RigaCrediti::move(int y) {
  if (mY == y) return;
  ridisegna();
  mY = y;
  ridisegna();
}

void RigaCrediti::setText(const QString& testo) {
  mTesto.setText(testo);
  // impaginata una volta sola, non a ogni disegno
  mTesto.prepare(QTransform(), mContenitore->font());
  ridisegna();
}

void RigaCrediti::setColore(const QColor& colore) {
  if (mColore == colore) return;
  mColore = colore;
  ridisegna();
}

void RigaCrediti::setVisible(bool visibile) {
  if (mNascosta != visibile) return;
  ridisegna();
  mNascosta = !visibile;
  ridisegna();
}

TitoliCoda::TitoliCoda(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("picContenitoreCrediti"));
  setFont(pfuncFonte(8.25));
  // sfondo nero pieno: sotto il contenitore non si ridisegna nulla
  setAutoFillBackground(true);
  QPalette nero = palette();
  nero.setColor(QPalette::Window, Qt::black);
  setPalette(nero);
  for (RigaCrediti& r : mRighe) {
    r.mContenitore = this;
    r.mTesto.setTextFormat(Qt::PlainText);
  }
}

void TitoliCoda::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  p.setFont(font());
  for (const RigaCrediti& r : mRighe) {
    const QRect striscia(0, r.mY, width(), r.height());
    if (r.mNascosta || !evento->region().intersects(striscia)) continue;
    p.setPen(r.mColore);
    // centrata in orizzontale e in alto, come un'etichetta
    p.drawStaticText(QPointF((width() - r.mTesto.size().width()) / 2, r.mY), r.mTesto);
  }
}
