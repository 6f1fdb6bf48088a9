// I titoli di coda della schermata iniziale: righe, dissolvenza, giro e pausa.
#include <QtTest>

#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {
constexpr double S = 2405;  // altezza del box in twip
constexpr double H = 255;   // altezza di una riga in twip
}  // namespace

class TestCrediti : public QObject {
  Q_OBJECT

private slots:
  // un nuovo Form_Load rimette le dieci righe in colonna sotto il bordo
  void righeRiusate() {
    Tavolo t;
    t.f->setTopCrediti(10, 100);
    t.f->Form_Load();
    QCOMPARE(t.f->topCrediti(10), S + H * 9);
    QCOMPARE(t.f->lblCrediti(10)->y(), tw(S + H * 9));
    QCOMPARE(t.f->lblCrediti(10)->text(), QStringLiteral("Premere F2 per iniziare..."));
  }

  // uno scatto: colore secondo l'altezza, poi su di un twip; in cima rientra in basso
  void unoScatto_data() { tabella("crediti-scatto"); }
  void unoScatto() {
    const auto [top, dopo, colore] = dati<double, double, QString>("top", "dopo", "colore");
    Tavolo t;
    t.f->lblCrediti(4)->setColore(QColor(1, 2, 3));
    t.f->setTopCrediti(4, top);
    t.f->tmrCrediti_Timer();
    QCOMPARE(t.f->lblCrediti(4)->colore(), QColor(colore));
    QCOMPARE(t.f->topCrediti(4), dopo);
    QCOMPARE(t.f->lblCrediti(4)->y(), tw(dopo));
  }

  // dal bordo la colonna sale in blocco di un twip ogni 25 ms; nascosta si ferma, poi riprende tutta intera
  void nascondiEPoiVisualizza() {
    Tavolo t;
    t.f->Form_Activate();
    t.finta.avanza(25 * 60);
    t.f->msubGestioneCrediti(QStringLiteral("nascondi"));
    QVERIFY(t.f->picContenitoreCrediti->isHidden());
    t.finta.avanza(25 * 60);
    t.f->msubGestioneCrediti(QStringLiteral("visualizza"));
    QVERIFY(!t.f->picContenitoreCrediti->isHidden());
    t.finta.avanza(25 * 10);
    for (int i = 1; i <= 10; ++i) {
      QVERIFY(!t.f->lblCrediti(i)->isHidden());
      QCOMPARE(t.f->lblCrediti(i)->y(), tw(S + H * (i - 1) - 70));
    }
  }

  // ridisegnata a strisce scatto dopo scatto, la finestra mostra lo stesso disegno intero (un giro e mezzo)
  void loSchermoComeIlDisegnoIntero() {
    Tavolo t;
    t.f->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.f.get()));
    t.f->Form_Activate();
    QWidget* box = t.f->picContenitoreCrediti;
    const QPoint o = box->mapTo(t.f.get(), QPoint());
    for (int i = 0; i < 43; ++i) {
      t.finta.avanza(25 * 97);
      const QPixmap schermo = t.f->screen()->grabWindow(t.f->winId(), o.x(), o.y(), box->width(), box->height());
      QCOMPARE(schermo.toImage().convertToFormat(QImage::Format_RGB32),
               box->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    // il box e' nero dove non c'e' testo (l'angolo in alto a sinistra)
    QCOMPARE(box->grab().toImage().pixelColor(1, 1), QColor(Qt::black));
  }
};

QTEST_MAIN(TestCrediti)
#include "tst_crediti.moc"
