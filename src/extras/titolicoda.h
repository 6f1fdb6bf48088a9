#pragma once
// I titoli di coda della schermata iniziale in un solo widget: dieci righe di testo gia'
// impaginate, ognuna con la sua altezza e il suo colore. A ogni cambio si ridisegna solo
// la striscia della riga che cambia; dentro uno scatto le strisce si raccolgono e si
// disegnano tutte insieme alla fine.

#include <QColor>
#include <QRegion>
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
  // dove il testo lascia inchiostro, in orizzontale e dal suo punto di disegno: fuori la
  // riga e' sempre nera
  QRectF mInchiostro;
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
  // centrata in orizzontale, come un'etichetta
  qreal xTesto(const RigaCrediti& r) const { return (width() - r.mTesto.size().width()) / 2; }

  // Uno scatto del timer: i cambi fatti mentre l'oggetto vive si disegnano alla sua fine,
  // subito e in una volta sola (niente evento in coda, niente giro in piu' del ciclo).
  class Scatto {
  public:
    explicit Scatto(TitoliCoda* t);
    ~Scatto();
    Scatto(const Scatto&) = delete;
    Scatto& operator=(const Scatto&) = delete;

  private:
    TitoliCoda* mTitoli;
  };

protected:
  void paintEvent(QPaintEvent* evento) override;

private:
  friend class RigaCrediti;
  void daRidisegnare(const QRect& striscia);

  std::array<RigaCrediti, RIGHE> mRighe;
  QRegion mSporco;
  bool mInScatto = false;
};
