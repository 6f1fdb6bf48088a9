// I titoli di coda della schermata iniziale ridisegnati a strisce; le regole del tempo e del punteggio.
#include <QtTest>

#include "app/modgenerale.h"
#include "play/regole.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

class TestGioco : public QObject {
  Q_OBJECT

private slots:
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

  // le regole pure che le tracce non raggiungono: tempo e livello dei round alti, punteggio delle parole lunghe
  void tempoELivello_data() { tabella("regole-tempo"); }
  void tempoELivello() {
    const auto [tempo, livello] = dati<QString, int>("tempo", "livello");
    const int round = QString(QTest::currentDataTag()).toInt();
    const LimiteTempo l = pfuncLimiteTempo(round);
    QCOMPARE(l.testo, tempo);
    QCOMPARE(pfuncTestoTempo(l.minuti, l.secondi), tempo);
    QCOMPARE(pfuncLivelloDaMostrare(round), livello);
  }

  void punteggio_data() { tabella("regole-punteggio"); }
  void punteggio() {
    const auto [lettere, minuti, secondi, jolly, vocali, errori, punti] = dati<int, int, int, bool, int, int, int>(
        "lettere", "minuti", "secondi", "jolly", "vocali", "errori", "punti");
    QCOMPARE(pfuncPunteggioRound({lettere, minuti, secondi, jolly, vocali, errori}), punti);
  }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
