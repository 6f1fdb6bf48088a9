#include "app/frmavvio.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <array>
#include <cmath>
#include <future>

#include "app/modgenerale.h"
#include "app/risorse.h"
#include "extras/testi.h"
#include "persistence/profilo.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

QLabel* etichetta(QWidget* padre, const QString& testo, const QRect& r, const QFont& f,
                  Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* l = new QLabel(testo, padre);
  l->setGeometry(r);
  l->setFont(f);
  l->setAlignment(a);
  return l;
}

// Le cinque immagini si decodificano in un altro thread mentre l'avvio fa i suoi
// controlli: la finestra poi le ha pronte (QImage si puo' leggere fuori dal thread grafico).
// I percorsi (1x o @2x) si scelgono nel thread grafico, che conosce la scala dello schermo.
using ImmaginiAvvio = std::array<QImage, 5>;
using PercorsiAvvio = std::array<QString, 5>;
std::future<ImmaginiAvvio> gImmaginiInArrivo;

PercorsiAvvio percorsiImmagini() {
  PercorsiAvvio p;
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = pfuncPercorsoNitido(QStringLiteral(":/img/avvio_%1.png").arg(i));
  return p;
}

ImmaginiAvvio decodificaImmagini(const PercorsiAvvio& percorsi) {
  ImmaginiAvvio r;
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = QImage(percorsi[i]);
  return r;
}

ImmaginiAvvio immaginiAvvio() {
  if (gImmaginiInArrivo.valid()) return gImmaginiInArrivo.get();
  return decodificaImmagini(percorsiImmagini());
}

QLabel* immagine(QWidget* padre, const QImage& figura, const QRect& r) {
  auto* l = new QLabel(padre);
  l->setPixmap(QPixmap::fromImage(figura));
  l->setScaledContents(true);
  l->setGeometry(r);
  return l;
}

}  // namespace

void psubPreparaImmaginiAvvio() {
  if (!gImmaginiInArrivo.valid()) gImmaginiInArrivo = std::async(std::launch::async, decodificaImmagini, percorsiImmagini());
}

int pfuncProssimoAvvio(const QString& letto) {
  const double v = pfuncVal(letto.trimmed());
  // un valore che non sta in 16 bit lascia il contatore a 0
  int contatore = (v >= -32768.5 && v < 32767.5) ? static_cast<int>(std::nearbyint(v)) : 0;
  if (contatore < 32767) ++contatore;
  return contatore;
}

frmAvvio::frmAvvio() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen) {
  setObjectName(QStringLiteral("frmAvvio"));
  setAttribute(Qt::WA_DeleteOnClose);
  const ImmaginiAvvio figure = immaginiAvvio();
  imgDummy(0) = immagine(this, figure[0], QRect(10, 10, 100, 93));
  imgDummy(1) = immagine(this, figure[1], QRect(308, 14, 58, 58));
  imgDummy(2) = immagine(this, figure[2], QRect(-11, 112, 400, 36));
  imgDummy(3) = immagine(this, figure[3], QRect(29, 156, 320, 16));
  imgDummy(4) = immagine(this, figure[4], QRect(10, 266, 91, 22));
  for (int i = 0; i <= 4; ++i) psubNominaImmagine(imgDummy(i), QStringLiteral("avvio_%1").arg(i));
  lblDummy(0) = etichetta(this, QStringLiteral("Veltrak "), QRect(120, 18, 180, 34), pfuncFonte(20, true));
  lblDummy(1) = etichetta(this, QStringLiteral("Mr.Gorbio"), QRect(120, 54, 180, 40), pfuncFonte(24, true));
  lblDummy(2) = etichetta(this, QStringLiteral("Progettato per sistemi Windows a 32 bit"), QRect(10, 180, 358, 16),
                          pfuncFonte(8.25, true), Qt::AlignCenter);
  lblDummy(3) = etichetta(this, QStringLiteral("Ideazione e programmazione: Veltrak Software Lab"), QRect(10, 204, 358, 15),
                          pfuncFonte(8.25), Qt::AlignCenter);
  lblDummy(4) = etichetta(this, QStringLiteral("Disegni e suoni: Studio Gorbio & amici"), QRect(10, 220, 358, 15),
                          pfuncFonte(8.25), Qt::AlignCenter);
  lblDummy(5) = etichetta(this, TESTO_LUOGO + u',', QRect(10, 249, 99, 13), pfuncFonte(8.25),
                          Qt::AlignRight | Qt::AlignVCenter);
  lblDummy(6) = nullptr;
  lblDataProgetto = etichetta(this, QString(), twRect(1665, 3735, 2000, 195), pfuncFonte(8.25));
  lblDataProgetto->setObjectName(QStringLiteral("lblDataProgetto"));
  lblNumAvvii = etichetta(this, QString(), twRect(3380, 4080, 2175, 210), pfuncFonte(8.25, true),
                          Qt::AlignRight | Qt::AlignVCenter);
  lblNumAvvii->setObjectName(QStringLiteral("lblNumAvvii"));
  Form_Load();
}

void frmAvvio::Form_Load() {
  psubDimensioniFisse(this, 5670, 4440);
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    move(s->geometry().center() - rect().center());
  }
  lblDataProgetto->setText(gstrDataProgetto);
  imgDummy(3)->resize(tw(4600), imgDummy(3)->height());
  const int contatore = pfuncProssimoAvvio(pfuncLeggiIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k")));
  lblNumAvvii->setText(QStringLiteral("Avvio numero:  ") + QString::number(contatore));
  pfuncScriviIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k"), QString::number(contatore));
}

void frmAvvio::paintEvent(QPaintEvent*) {
  // la cornice sottile lungo i quattro bordi
  QPainter p(this);
  p.setPen(QColor(64, 64, 64));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(Qt::white);
  p.drawRect(rect().adjusted(1, 1, -2, -2));
}
