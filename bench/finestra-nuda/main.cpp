// Una QMainWindow con un'etichetta e nient'altro.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow finestra;
  finestra.setWindowTitle(QStringLiteral("Finestra nuda"));
  auto* etichetta = new QLabel(QStringLiteral("Finestra nuda"), &finestra);
  etichetta->setAlignment(Qt::AlignCenter);
  finestra.setCentralWidget(etichetta);
  // circa le misure della finestra del gioco
  finestra.resize(318, 496);
  finestra.show();
  return QApplication::exec();
}
