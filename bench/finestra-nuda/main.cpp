// Una QMainWindow con un'etichetta e nient'altro. Con --scatti l'etichetta e' una riga di
// testo che cambia colore ogni 25 ms, ridisegnata solo dove c'e' il testo: il minimo che un
// programma Qt spende per un disegno come quello dei titoli di coda.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QStaticText>
#include <QTimer>

namespace {

class Riga : public QWidget {
public:
  Riga() {
    mTesto.setText(QStringLiteral("Per informazioni, commenti,"));
    mTesto.prepare(QTransform(), font());
  }
  void scatto() {
    mRosso = (mRosso + 1) % 256;
    const int x = (width() - static_cast<int>(mTesto.size().width())) / 2;
    repaint(x - 2, 0, static_cast<int>(mTesto.size().width()) + 4, 17);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QColor(mRosso, mRosso * 240 / 255, mRosso * 50 / 255));
    p.drawStaticText(QPointF((width() - mTesto.size().width()) / 2, 0), mTesto);
  }

private:
  QStaticText mTesto;
  int mRosso = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool scatti = app.arguments().contains(QStringLiteral("--scatti"));
  QMainWindow finestra;
  finestra.setWindowTitle(QStringLiteral("Finestra nuda"));
  QTimer timer;
  if (scatti) {
    auto* riga = new Riga;
    finestra.setCentralWidget(riga);
    QObject::connect(&timer, &QTimer::timeout, riga, &Riga::scatto);
    timer.start(25);
  } else {
    auto* etichetta = new QLabel(QStringLiteral("Finestra nuda"), &finestra);
    etichetta->setAlignment(Qt::AlignCenter);
    finestra.setCentralWidget(etichetta);
  }
  // circa le misure della finestra del gioco
  finestra.resize(318, 496);
  finestra.show();
  return QApplication::exec();
}
