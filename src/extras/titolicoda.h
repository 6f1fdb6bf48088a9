#pragma once
// I titoli di coda della schermata iniziale in un solo widget: dieci righe di testo gia'
// impaginate, ognuna con la sua altezza e il suo colore. A ogni cambio si ridisegna solo
// la striscia della riga che cambia.

#include <QColor>
#include <QStaticText>
#include <QWidget>
#include <array>

class TitoliCoda;

// Una riga dei titoli: non e' un widget, la disegna il contenitore.
class RigaCrediti {
public:
  int y() const { return mY; }
  int height() const;
  QString text() const { return mTesto.text(); }
  bool isHidden() const { return mNascosta; }
  QColor colore() const { return mColore; }
  void move(int y);
  void setText(const QString& testo);
  void setColore(const QColor& colore);
  void setVisible(bool visibile);

private:
  friend class TitoliCoda;
  void ridisegna() const;

  TitoliCoda* mContenitore = nullptr;
  QStaticText mTesto;
  QColor mColore = Qt::black;
  int mY = 0;
  bool mNascosta = false;
};

class TitoliCoda : public QWidget {
public:
  static constexpr int RIGHE = 10;

  explicit TitoliCoda(QWidget* padre);
  // righe da 1 a 10
  RigaCrediti* riga(int i) { return &mRighe.at(static_cast<std::size_t>(i - 1)); }

protected:
  void paintEvent(QPaintEvent* evento) override;

private:
  std::array<RigaCrediti, RIGHE> mRighe;
};
