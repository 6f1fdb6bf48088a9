#include "ui/aspetto.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>

#include "app/controlli.h"

namespace {
const QString FAMIGLIA = QStringLiteral("Liberation Sans");
constexpr int LIMITE_CACHE_FIGURE_KB = 1024;
}  // namespace

void psubApplicaAspetto() {
  for (const char* f : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
    QFontDatabase::addApplicationFont(QString::fromLatin1(f));
  }
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Fusion mette nella cache delle figure la faccia di ogni pulsante, con la tavolozza nella
  // chiave: ogni finestra aperta di nuovo ha una tavolozza nuova, e la cache cresceva per un'ora
  // fino ai 10 MB di Qt. 1 MB tiene le figure delle finestre (al piu' 0,6 MB, quelle del contatto)
  // e i pulsanti di quelle aperte; le facce delle finestre chiuse escono per prime.
  QPixmapCache::setCacheLimit(LIMITE_CACHE_FIGURE_KB);
  QPalette p;
  const QColor grigio(212, 208, 200);
  p.setColor(QPalette::Window, grigio);
  p.setColor(QPalette::Button, grigio);
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::AlternateBase, grigio);
  p.setColor(QPalette::WindowText, Qt::black);
  p.setColor(QPalette::ButtonText, Qt::black);
  p.setColor(QPalette::Text, Qt::black);
  p.setColor(QPalette::Highlight, QColor(10, 36, 106));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, Qt::white);
  p.setColor(QPalette::Midlight, QColor(223, 223, 223));
  p.setColor(QPalette::Mid, QColor(128, 128, 128));
  p.setColor(QPalette::Dark, QColor(128, 128, 128));
  p.setColor(QPalette::Shadow, QColor(64, 64, 64));
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  p.setColor(QPalette::ToolTipText, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  QApplication::setPalette(p);
  QApplication::setFont(pfuncFonte(8.25));
}

QFont pfuncFonte(double punti, bool grassetto) {
  QFont f(FAMIGLIA);
  f.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
  f.setBold(grassetto);
  return f;
}

void psubDimensioniFisse(QWidget* finestra, double larghezza, double altezza) {
  finestra->setFixedSize(tw(larghezza), tw(altezza));
}

void psubColoreTesto(QWidget* controllo, const QColor& colore) {
  QPalette p = controllo->palette();
  p.setColor(QPalette::WindowText, colore);
  p.setColor(QPalette::Disabled, QPalette::WindowText, colore);
  controllo->setPalette(p);
}

QColor pfuncColoreTesto(const QWidget* controllo) { return controllo->palette().color(QPalette::WindowText); }
