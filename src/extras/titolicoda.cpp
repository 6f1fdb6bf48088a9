#include "extras/titolicoda.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "app/controlli.h"
#include "ui/aspetto.h"

namespace {
constexpr double ALTEZZA_RIGA = 255;  // twip
}

int RigaCrediti::height() const { return tw(ALTEZZA_RIGA); }

void RigaCrediti::ridisegna() const {
  // una riga vuota non lascia nulla da ridisegnare
  if (mNascosta || mInchiostro.isEmpty()) return;
  // due pixel di margine per l'antialias
  const QRect x = mInchiostro.translated(mContenitore->xTesto(*this), 0).toAlignedRect().adjusted(-2, 0, 2, 0);
  mContenitore->daRidisegnare(QRect(x.x(), mY, x.width(), height()));
}

void RigaCrediti::move(int y) {
  if (mY == y) return;
  ridisegna();
  mY = y;
  ridisegna();
}

void RigaCrediti::setText(const QString& testo) {
  ridisegna();
  mTesto.setText(testo);
  // impaginata una volta sola, non a ogni disegno
  mTesto.prepare(QTransform(), mContenitore->font());
  // la scatola del testo unita all'inchiostro dei glifi; solo la larghezza conta
  mInchiostro = QRectF();
  if (!testo.isEmpty()) {
    mInchiostro = QRectF(0, 0, mTesto.size().width(), 1).united(QFontMetricsF(mContenitore->font()).boundingRect(testo));
    mInchiostro.setTop(0);
    mInchiostro.setHeight(1);
  }
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

void TitoliCoda::daRidisegnare(const QRect& striscia) {
  if (mInScatto) {
    mSporco += striscia;
  } else {
    update(striscia);
  }
}

TitoliCoda::Scatto::Scatto(TitoliCoda* t) : mTitoli(t) { mTitoli->mInScatto = true; }

TitoliCoda::Scatto::~Scatto() {
  mTitoli->mInScatto = false;
  if (mTitoli->mSporco.isEmpty()) return;
  // nascosto o coperto, repaint() non disegna nulla: ci pensera' la prossima esposizione
  mTitoli->repaint(mTitoli->mSporco);
  mTitoli->mSporco = QRegion();
}

void TitoliCoda::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  p.setFont(font());
  for (const RigaCrediti& r : mRighe) {
    const QRect striscia(0, r.mY, width(), r.height());
    if (r.mNascosta || !evento->region().intersects(striscia)) continue;
    p.setPen(r.mColore);
    // centrata in orizzontale e in alto, come un'etichetta
    p.drawStaticText(QPointF(xTesto(r), r.mY), r.mTesto);
  }
}
