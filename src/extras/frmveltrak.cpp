#include "extras/frmveltrak.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "app/media.h"
#include "app/piattaforma.h"
#include "extras/testi.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

// Il punto d'arrivo del collegamento, sul satellite.
constexpr float ARRIVO_X = 4660;
constexpr float ARRIVO_Y = 935;
constexpr int PASSI_CRESCITA = 301;

void suona(const char* id, float attesa = 0) { psubSuona(QString::fromLatin1(id), false, ORIGINE_RISORSE, attesa); }

QLabel* etichetta(QWidget* padre, const char* nome, const QRect& r, const QFont& f, const QColor& colore) {
  auto* l = new QLabel(padre);
  l->setObjectName(QString::fromLatin1(nome));
  l->setGeometry(r);
  l->setFont(f);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, Qt::black);
  l->setPalette(p);
  psubColoreTesto(l, colore);
  return l;
}

QLabel* immagine(QWidget* padre, const QString& nome, const QString& file, const QRect& r) {
  auto* l = new QLabel(padre);
  l->setObjectName(nome);
  l->setGeometry(r);
  l->setScaledContents(true);
  l->setPixmap(QPixmap(QStringLiteral(":/img/") + file));
  psubNominaImmagine(l, file);
  return l;
}

// Le linee stanno sopra le immagini: le disegna una copertura trasparente.
class CoperturaLinee : public QWidget {
public:
  CoperturaLinee(QWidget* padre, const frmVeltrak::Linea* a, const frmVeltrak::Linea* b)
      : QWidget(padre), mLinee{a, b} {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (const frmVeltrak::Linea* l : mLinee) {
      if (!l->Visible) continue;
      p.setPen(QPen(l->colore, 1));
      p.drawLine(QPointF(l->X1 / TWIP_PER_PIXEL, l->Y1 / TWIP_PER_PIXEL),
                 QPointF(l->X2 / TWIP_PER_PIXEL, l->Y2 / TWIP_PER_PIXEL));
    }
  }

private:
  std::array<const frmVeltrak::Linea*, 2> mLinee;
};

}  // namespace

frmVeltrak::frmVeltrak(QWidget* padre) : QDialog(padre) {
  setObjectName(QStringLiteral("frmVeltrak"));
  setWindowTitle(QStringLiteral(" Veltrak Info Service - Central Unit"));
  // nessun pulsante di chiusura: la finestra si chiude da sola alla fine
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  setAutoFillBackground(true);
  QPalette nero = palette();
  nero.setColor(QPalette::Window, Qt::black);
  setPalette(nero);

  for (int i = 1; i <= 2; ++i) {
    imgDisco(i) = immagine(this, QStringLiteral("imgDisco_%1").arg(i), QStringLiteral("disco_%1.jpg").arg(i),
                           twRect(0, 1320, 1695, 2175));
    imgVeltrak(i) = immagine(this, QStringLiteral("imgVeltrak_%1").arg(i), QStringLiteral("satellite_%1.jpg").arg(i),
                             twRect(4200, -120, 1455, 1575));
  }
  lnConnessione = Linea{1640, 1710, 4660, 935, true, Qt::white};
  lnRisultato = Linea{4680, 1035, 5105, 2695, true, Qt::red};
  lblFase = etichetta(this, "lblFase", twRect(600, 240, 1695, 375), pfuncFonte(12, true), Qt::yellow);
  lblEmail = etichetta(this, "lblEmail", twRect(2520, 2640, 2640, 240), pfuncFonte(9.75, true), Qt::yellow);
  lblRisultato = etichetta(this, "lblRisultato", twRect(2520, 3000, 2640, 255), pfuncFonte(8.25, true), Qt::white);
  lblRisultato->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  mLinee = new CoperturaLinee(this, &lnConnessione, &lnRisultato);
  mLinee->setObjectName(QStringLiteral("coperturaLinee"));
  Form_Load();
}

frmVeltrak::~frmVeltrak() = default;

void frmVeltrak::Form_Load() {
  psubFermaSuono();
  piattaforma().spostaCursore(0, 0);
  // esterno 5490 x 3810 twip: l'area interna e' quella su cui le linee sono disegnate
  psubDimensioniFisse(this, 5400, 3435);
  mLinee->setGeometry(rect());
  mLinee->raise();
  imgDisco(1)->setVisible(true);
  imgDisco(2)->setVisible(false);
  imgVeltrak(1)->setVisible(true);
  imgVeltrak(2)->setVisible(false);
  lnConnessione.Visible = false;
  lnConnessione.X2 = lnConnessione.X1;
  lnConnessione.Y2 = lnConnessione.Y1;
  lnRisultato.Visible = false;
  lblFase->setText(QStringLiteral("Contatto ?"));
  lblEmail->setVisible(false);
  lblRisultato->setVisible(false);
}

QStringList frmVeltrak::pfuncTestiRecapito() {
  QStringList testi;
  QString testo;
  for (const QChar c : TESTO_RECAPITO) {
    if (!testo.isEmpty()) testo += u' ';
    testo += c;
    testi.append(testo);
  }
  return testi;
}

void frmVeltrak::Form_Activate() {
  // una riattivazione durante l'animazione non ne avvia un'altra
  if (mblnDisattivata || mblnAvviata || mblnScaricata) return;
  mblnAvviata = true;
  mblnInCorso = true;
  msubAnimazione();
  suona("id_30", 0.8F);
  mblnInCorso = false;
  psubEffettoChiusura(this, 450);
}

void frmVeltrak::Form_Deactivate() {
  // conta solo la disattivazione dopo che l'animazione e' partita
  if (mblnAvviata) mblnDisattivata = true;
}

void frmVeltrak::msubAnimazione() {
  psubAttendi(1.5F);
  suona("id_27");
  imgDisco(2)->setVisible(true);
  imgDisco(1)->setVisible(false);
  psubAttendi(1.0F);
  lblFase->setText(QStringLiteral("Contatto..."));
  psubAttendi(0.3F);

  lnConnessione.Visible = true;
  ridisegnaLinee();
  const float dx = (ARRIVO_X - lnConnessione.X1) / 300.0F;
  const float dy = (ARRIVO_Y - lnConnessione.Y1) / 300.0F;
  psubAttendi(1.0F);
  suona("id_28");
  // ogni passo e' piu' lungo del precedente; l'arrivo si blocca sul satellite
  int c = 0;
  for (int n = 0; n < PASSI_CRESCITA; ++n) {
    ++c;
    lnConnessione.X2 += static_cast<float>(c) * dx;
    lnConnessione.Y2 += static_cast<float>(c) * dy;
    if (lnConnessione.X2 >= ARRIVO_X && lnConnessione.Y2 <= ARRIVO_Y) {
      lnConnessione.X2 = ARRIVO_X;
      lnConnessione.Y2 = ARRIVO_Y;
      ridisegnaLinee();
      break;
    }
    ridisegnaLinee();
    psubAttendi(0.075F);
  }

  suona("id_29");
  for (int i = 1; i <= 15; ++i) {
    psubAttendi(0.18F);
    msubScambiaSatellite();
  }

  lblFase->setText(QStringLiteral("Avvenuto !"));
  psubAttendi(0.5F);
  imgDisco(1)->setVisible(true);
  imgDisco(2)->setVisible(false);
  lnConnessione.Visible = false;
  ridisegnaLinee();
  psubAttendi(1.3F);
  lblFase->setVisible(false);

  const QStringList testi = pfuncTestiRecapito();
  for (int i = 1; i <= 14; ++i) {
    suona("id_25");
    lnRisultato.X2 = X2_RAGGIO[static_cast<std::size_t>(i - 1)];
    lblEmail->setText(testi.value(i - 1));
    lnRisultato.Visible = true;
    ridisegnaLinee();
    lblEmail->setVisible(true);
    psubAttendi(0.105F);
  }

  lnRisultato.Visible = false;
  ridisegnaLinee();
  psubAttendi(1.0F);
  imgVeltrak(1)->setVisible(true);
  imgVeltrak(2)->setVisible(false);
  psubAttendi(0.5F);

  lblRisultato->setText(QStringLiteral("- CONTATTAMI -"));
  suona("id_26");
  lblRisultato->setVisible(true);
  psubAttendi(1.8F);
}

void frmVeltrak::msubScambiaSatellite() {
  const bool primo = !imgVeltrak(1)->isHidden();
  imgVeltrak(2)->setVisible(primo);
  imgVeltrak(1)->setVisible(!primo);
}

void frmVeltrak::ridisegnaLinee() { mLinee->update(); }

bool frmVeltrak::event(QEvent* evento) {
  if (evento->type() == QEvent::WindowActivate) {
    Form_Activate();
  } else if (evento->type() == QEvent::WindowDeactivate) {
    Form_Deactivate();
  }
  return QDialog::event(evento);
}

void frmVeltrak::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  // senza gestore delle finestre l'attivazione puo' non arrivare mai
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (isVisible() && !mblnAvviata) Form_Activate();
      },
      Qt::QueuedConnection);
}

void frmVeltrak::Form_Unload() {
  if (mblnScaricata) return;
  mblnScaricata = true;
  mblnDisattivata = false;
}

void frmVeltrak::closeEvent(QCloseEvent* evento) {
  if (mblnInCorso) {
    evento->ignore();
    return;
  }
  Form_Unload();
  QDialog::closeEvent(evento);
}

void frmVeltrak::done(int risultato) {
  // Esc durante l'animazione non la interrompe a meta'
  if (mblnInCorso) return;
  Form_Unload();
  QDialog::done(risultato);
}
