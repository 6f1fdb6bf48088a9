#include "extras/cornice.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/finestre.h"
#include "app/modgenerale.h"
#include "play/frmgioco.h"
#include "ui/accessibilita.h"
#include "ui/aspetto.h"

namespace {

QFrame* linea(QWidget* padre, const QString& nome, const QRect& r, const QColor& colore) {
  auto* l = new QFrame(padre);
  l->setObjectName(nome);
  l->setGeometry(r);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, colore);
  l->setPalette(p);
  return l;
}

}  // namespace

EtichettaAttiva::EtichettaAttiva(QWidget* padre) : QLabel(padre) {
  setMouseTracking(true);
  // raggiungibile col tabulatore; un'etichetta non disegna il fuoco, a vederla non cambia nulla
  setFocusPolicy(Qt::TabFocus);
}

void EtichettaAttiva::premi() {
  emit premuto(Qt::LeftButton);
  emit rilasciato(Qt::LeftButton);
  emit clicked();
}

void EtichettaAttiva::keyPressEvent(QKeyEvent* evento) {
  const int tasto = evento->key();
  if (tasto == Qt::Key_Space || tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
    premi();
    return;
  }
  QLabel::keyPressEvent(evento);
}

void EtichettaAttiva::mouseMoveEvent(QMouseEvent* evento) {
  emit mosso();
  evento->accept();
}

void EtichettaAttiva::mousePressEvent(QMouseEvent* evento) {
  emit premuto(evento->button());
  evento->accept();
}

void EtichettaAttiva::mouseReleaseEvent(QMouseEvent* evento) {
  emit rilasciato(evento->button());
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit clicked();
  evento->accept();
}

QCursor pfuncPuntatoreMano1() { return gfrmGioco ? gfrmGioco->imgMano1 : QCursor(Qt::OpenHandCursor); }
QCursor pfuncPuntatoreMano2() { return gfrmGioco ? gfrmGioco->imgMano2 : QCursor(Qt::ClosedHandCursor); }
QCursor pfuncPuntatoreLink() { return gfrmGioco ? gfrmGioco->imgLink : QCursor(Qt::PointingHandCursor); }

CorniceInfo::CorniceInfo(const QString& nome, const QString& immagine, QWidget* padre) : QDialog(padre) {
  setObjectName(nome);
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFont(pfuncFonte(8.25));
  psubDimensioniFisse(this, 5400, 3435);

  Picture1 = new QWidget(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(twRect(0, 0, 5400, 3435));
  Frame1 = new QFrame(Picture1);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Frame1->setGeometry(twRect(60, 45, 5265, 3300));
  // bordo in rilievo: chiaro in alto, scuro in basso e a destra
  Line1(1) = linea(Picture1, QStringLiteral("Line1_1"), QRect(0, 0, tw(5400), 1), Qt::white);
  Line1(0) = linea(Picture1, QStringLiteral("Line1_0"), QRect(0, tw(3435) - 1, tw(5400), 1), QColor(64, 64, 64));
  Line2(0) = linea(Picture1, QStringLiteral("Line2_0"), QRect(tw(5400) - 1, 0, 1, tw(3435)), QColor(64, 64, 64));

  Image1 = new QLabel(Frame1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(twRect(180, 180, 720, 720));
  // un'immagine mancante lascia solo il riquadro vuoto
  Image1->setPixmap(QPixmap(QStringLiteral(":/img/") + immagine));
  Image1->setScaledContents(true);
  psubNominaImmagine(Image1, immagine);
}

CorniceInfo::~CorniceInfo() {
  // distrutta senza essere chiusa: la contabilita' va comunque pareggiata
  if (!mblnScaricata) {
    mblnScaricata = true;
    psubApriChiudiFinestra(objectName(), QStringLiteral("unload"));
  }
}

QLabel* CorniceInfo::creaTitolo(const char* nome, const QString& testo, const QFont& fonte) {
  titolo = etichetta(QString::fromLatin1(nome), testo, 1080, 270, 3960, 420);
  titolo->setFont(fonte);
  // senza barra del titolo: il lettore di schermo chiama la finestra col suo titolo
  setAccessibleName(testo);
  return titolo;
}

QLabel* CorniceInfo::creaBarra() {
  QLabel* barra = etichetta(QStringLiteral("Label2_0"), QString(), 1080, 735, 3960, 45);
  barra->setAutoFillBackground(true);
  QPalette p = barra->palette();
  p.setColor(QPalette::Window, QColor(0, 0, 128));
  barra->setPalette(p);
  return barra;
}

QLabel* CorniceInfo::etichetta(const QString& nome, const QString& testo, double sx, double su, double larg,
                               double alt) {
  auto* l = new QLabel(testo, Frame1);
  l->setObjectName(nome);
  l->setTextFormat(Qt::PlainText);
  l->setGeometry(twRect(sx, su, larg, alt));
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}

void CorniceInfo::Scarica() {
  if (mblnScaricata) return;
  mblnScaricata = true;
  psubApriChiudiFinestra(objectName(), QStringLiteral("unload"));
  QDialog::done(QDialog::Accepted);
}

void CorniceInfo::mouseReleaseEvent(QMouseEvent* evento) {
  // qui arrivano i click sulle parti inerti: le etichette attive li trattengono
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
    Scarica();
    return;
  }
  QDialog::mouseReleaseEvent(evento);
}

void CorniceInfo::closeEvent(QCloseEvent* evento) {
  Scarica();
  QDialog::closeEvent(evento);
}

void CorniceInfo::done(int risultato) {
  if (!mblnScaricata) {
    Scarica();
    return;
  }
  QDialog::done(risultato);
}
