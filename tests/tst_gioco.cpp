// La partita giocata come un giocatore: tasti e pulsanti, poi quello che si vede e si sente;
// i titoli di coda della schermata iniziale; in fondo le regole pure che reggono la partita.
#include <QtTest>

#include "app/modgenerale.h"
#include "play/regole.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {
const QString DOMANDA = QStringLiteral("Il gorbio ha fatto il suo dovere ");
const QString SCADUTO = QStringLiteral("Hai esaurito il tempo !\r\n\r\n(ora è tempo del gorbio...)");
}  // namespace

class TestGioco : public QObject {
  Q_OBJECT

private slots:
  // il tempo scade una volta sola, con 00 : 00 in vista, e la resa segue, anche durante il jolly e il rutto.
  // Scaduto durante il suono della lettera che completa la parola: la lettera era in tempo, il round e' vinto
  void tempoScaduto_data() { tabella("gioco-tempo-scaduto"); }
  void tempoScaduto() {
    const auto [prima, mossa, punti] = dati<QString, QString, int>("prima", "mossa", "punti");
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrRutto.setInterval(0);
    t.premi(prima);
    t.f->mintMinuti = 0;
    t.f->mintSecondi = mossa == u"zero" ? 0 : 1;
    t.f->tmrTempo.setInterval(1000);  // l'ultimo secondo comincia adesso
    QString tempoAlMessaggio;
    t.finta.allaDomanda = [&](const auto& m) {
      if (m.testo == SCADUTO) tempoAlMessaggio = t.f->lblTempo->text();
    };
    // a zero: No, e dopo la schermata iniziale il secondo scatto non tocca nulla
    const bool altra = mossa != u"zero";
    t.finta.risposte = {altra ? Risposta::Si : Risposta::No};
    // il jolly prende la prima candidata; il rutto esce
    t.finta.casuali = {mossa == u"rutto" ? 0.15 : 0.0};
    // lo scatto finale cade dentro il suono o l'attesa della mossa
    if (mossa != u"zero") t.finta.avanza(600);
    if (mossa.size() == 1) t.premi(mossa);
    if (mossa == u"clic") QTest::mouseClick(t.f->lblInputLettera(13), Qt::LeftButton);
    if (mossa == u"jolly") t.f->cmdGioco_Click(2);
    if (mossa == u"rutto") t.f->tmrRutto_Timer();
    for (int i = 0; mossa == u"zero" && i < 2; ++i) t.f->tmrTempo_Timer();
    QVERIFY(t.finta.inatteso.isEmpty());
    if (punti >= 0) {
      QCOMPARE(t.messaggi(SCADUTO), 0);
      QCOMPARE(t.f->mlngPunteggio, punti);
      QCOMPARE(t.f->lblRound->text(), QStringLiteral("2"));
      QCOMPARE(t.f->lblTempo->text(), QStringLiteral("03 : 00"));
      return;
    }
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(tempoAlMessaggio, QStringLiteral("00 : 00"));
    QCOMPARE(t.messaggi(DOMANDA), 1);
    QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_48")));
    // la nuova partita mostra il suo tempo
    QCOMPARE(t.f->lblTempo->text(), altra ? QStringLiteral("03 : 00") : QStringLiteral("00 : 00"));
    QCOMPARE(gblnPartitaInCorso, altra);
    // il messaggio arriva alla fine del rutto
    if (mossa == u"rutto") QCOMPARE(t.finta.eventi.value(t.finta.eventi.indexOf("msg:" + SCADUTO) - 1), QStringLiteral("attesa:1300"));
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

  // le regole pure: tempo per round, livello, estrazione, tasti, punteggio
  void tempoELivello_data() { tabella("regole-tempo"); }
  void tempoELivello() {
    const auto [tempo, livello] = dati<QString, int>("tempo", "livello");
    const int round = QString(QTest::currentDataTag()).toInt();
    const LimiteTempo l = pfuncLimiteTempo(round);
    QCOMPARE(l.testo, tempo);
    QCOMPARE(pfuncTestoTempo(l.minuti, l.secondi), tempo);
    QCOMPARE(pfuncLivelloDaMostrare(round), livello);
  }

  void estrazione_data() { tabella("regole-estrazione"); }
  void estrazione() {
    const auto [r, indice] = dati<double, int>("r", "indice");
    QCOMPARE(pfuncIndiceEstratto(r, 4100), indice);
  }

  void pulsantePerTasto_data() { tabella("regole-tasti"); }
  void pulsantePerTasto() {
    const auto [tasto, pulsante] = dati<int, int>("tasto", "pulsante");
    QCOMPARE(pfuncPulsantePerTasto(tasto), pulsante);
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
