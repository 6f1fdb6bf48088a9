// La partita giocata come un giocatore: tasti e pulsanti, poi quello che si vede e si sente;
// i titoli di coda della schermata iniziale; in fondo le regole pure che reggono la partita.
#include <QPushButton>
#include <QtTest>

#include "app/modgenerale.h"
#include "play/regole.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {
const QString DOMANDA = QStringLiteral("Il gorbio ha fatto il suo dovere ");
const QString SCADUTO = QStringLiteral("Hai esaurito il tempo !\r\n\r\n(ora è tempo del gorbio...)");
constexpr double S = 2405;  // altezza del box in twip
constexpr double H = 255;   // altezza di una riga in twip
}  // namespace

class TestGioco : public QObject {
  Q_OBJECT

private slots:
  void nuovaPartitaELivelli() {
    Tavolo t({QStringLiteral("CAVOLO"), QStringLiteral("PRECIPIZIO")});
    t.nuovaPartita();
    QCOMPARE(t.f->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0 - Livello 1"));
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(QStringList({t.f->lblRound->text(), t.f->lblTempo->text(), t.f->lblLettere_da_scoprire->text(),
                          t.f->lblPunteggio->text()}),
             QStringList({"1", "03 : 00", "6", "0"}));
    QVERIFY(t.scenaE(QStringLiteral("id_00")));
    QVERIFY(gblnPartitaInCorso && t.f->tmrTempo.attivo() && t.f->tmrRutto.Interval() == 20000);
    QCOMPARE(t.f->lblParolaCercata(1)->x(), 72);  // sei caselle al centro: 1080 twip
    QVERIFY(!t.f->mnuFileNuovogioco->isEnabled() && t.f->mnuFileSalva->isEnabled());
    QCOMPARE(t.f->puntatoreLettere(), int(PUNTATORE_MANO));
    // il round 7 ha il suo tempo e tiene nel titolo il livello del 6
    for (int r = 2; r <= 7; ++r) t.f->msubNuovoRound();
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 30"));
    QVERIFY(t.f->windowTitle().endsWith(QStringLiteral(" - Livello 2")));
    // una parola di dieci lettere si gioca
    t.finta.casuali = {t.casualePer(2)};
    t.f->msubNuovoRound();
    QVERIFY(t.caselle() == QStringLiteral("__________") && t.finta.messaggi.isEmpty());
  }

  // la disposizione in twip (15 per pixel) della schermata iniziale
  void geometria_data() { tabella("gioco-geometria"); }
  void geometria() {
    const auto [x, y, larghezza, altezza, testo] = dati<int, int, int, int, QString>("x", "y", "larghezza", "altezza", "testo");
    const QString controllo = QTest::currentDataTag();
    AmbienteTest amb;
    frmGioco f;
    const auto px = [](int t) { return qRound(t / 15.0); };
    auto* w = f.findChild<QWidget*>(controllo);
    QCOMPARE(w->geometry(), QRect(px(x), px(y), px(larghezza), px(altezza)));
    // sulle lettere, solo le vocali dicono quanto costano
    if (auto* l = qobject_cast<QLabel*>(w); l && controllo.startsWith(u"lblInputLettera")) {
      QCOMPARE(l->text(), testo);
      QCOMPARE(l->toolTip(), QStringLiteral("AEIOU").contains(l->text()) ? QStringLiteral(" - 100 punti ?") : QString());
    }
  }

  // una lettera doppia suona una volta; tasti ripetuti, senza pulsante o prima della partita non fanno nulla
  void tasti_data() { tabella("gioco-tasti"); }
  void tasti() {
    const auto [tasti, dopo] = dati<QString, QString>("tasti", "dopo");
    Tavolo t;
    const bool partita = !dopo.startsWith(u' ');
    if (partita) t.nuovaPartita();
    t.premi(tasti);
    QCOMPARE(t.caselle() + ' ' + t.f->lblLettere_da_scoprire->text() + ' ' + QString::number(t.f->mintErrori), dopo);
    QCOMPARE(t.finta.eventi.mid(0, 2), partita ? QStringList({"suono:ID_22", "attesa:500"}) : QStringList());
  }

  // durante il suono di una lettera giusta o di uno stadio lettere e mosse non fanno nulla;
  // dopo, clessidra e occupato tornano come prima
  void ignoratiDuranteUnSuono_data() {
    colonne<QString, QString>("tasto", "caselle");
    QTest::newRow("lettera giusta") << "c" << "C_____";
    QTest::newRow("stadio del cappio") << "b" << "______";
  }
  void ignoratiDuranteUnSuono() {
    const auto [tasto, caselle] = dati<QString, QString>("tasto", "caselle");
    Tavolo t;
    t.nuovaPartita();
    bool provato = false;
    Timer clic([&] {
      provato = t.f->mblnOccupato && t.f->MousePointer() == PUNTATORE_CLESSIDRA;
      t.f->lblInputLettera_Click(1);
      for (int i = 1; i <= 3; ++i) t.f->cmdGioco_Click(i);
    });
    clic.setInterval(200);
    t.premi(tasto);
    clic.setInterval(0);
    QVERIFY(provato);
    QCOMPARE(t.caselle(), caselle);
    QVERIFY(t.f->lblInputLettera(1)->isEnabled() && t.f->cmdGioco(2)->isEnabled());
    QVERIFY(t.finta.prompt.isEmpty() && t.finta.messaggi.isEmpty());
    QVERIFY(!t.f->mblnOccupato && t.f->MousePointer() == PUNTATORE_NORMALE && t.f->puntatoreLettere() == PUNTATORE_MANO);
  }

  // 7 lettere, 2:10 alla vittoria, A ed E provate, tre errori: +1310, poi la parola nuova
  void roundVinto() {
    Tavolo t({QStringLiteral("CAPANNE"), QStringLiteral("CAVOLO")});
    t.nuovaPartita(1);
    t.premi(QStringLiteral("bdfcpen"));
    t.f->tmrTempo.setInterval(0);
    t.f->mintMinuti = 2;
    t.f->mintSecondi = 10;
    t.finta.casuali = {t.casualePer(2)};
    t.premi(QStringLiteral("a"));
    QCOMPARE(t.f->lblPunteggio->text(), QStringLiteral("1310"));
    QCOMPARE(t.f->lblRound->text(), QStringLiteral("2"));
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(t.f->mintErrori, 0);
    QCOMPARE(t.finta.eventi.mid(t.finta.eventi.indexOf("suono:ID_48"), 3),
             (QStringList{"suono:ID_48", "attesa:700", "attesa:1000"}));
    QVERIFY(t.scenaE(QStringLiteral("id_00")));
  }

  // gli stadi suonano in ordine; l'ottavo errore suona la sequenza intera prima della fine partita.
  // Chi entra in classifica: messaggio, nome, tabella, timer di nuovo fermi, poi la domanda
  void stadiFinoAlGameOver_data() {
    colonne<int, QStringList>("punteggio", "finestre");
    const QString fine = "msg:" + DOMANDA + "\r\n\r\n         - G A M E   O V E R -";
    QTest::newRow("non entra in classifica") << 0 << QStringList{fine + "\r\n\r\n\r\nVuoi fare un'altra partita ?"};
    QTest::newRow("entra in classifica")
        << 1 << QStringList{fine, "input:Inserisci il tuo nome...\r\n\r\n(Max 12 caratteri)", "finestra:frmClassifica",
                            "msg:Vuoi fare un'altra partita ?"};
  }
  void stadiFinoAlGameOver() {
    const auto [punteggio, finestre] = dati<int, QStringList>("punteggio", "finestre");
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("bdefghi"));
    // suono e attesa di ogni stadio, il settimo dal disco
    QCOMPARE(t.finta.eventi.join(' '), QStringLiteral(
        "suono:ID_46 attesa:1800 suono:ID_45 attesa:900 suono:ID_44 attesa:1700 suono:ID_43 attesa:1800 "
        "suono:ID_42 attesa:1200 suono:ID_41 attesa:1800 suono:file:Mr.Gorbio.003 attesa:4700"));
    QVERIFY(t.scenaE(QStringLiteral("id_07")));
    t.finta.eventi.clear();
    t.f->mlngPunteggio = punteggio;
    t.finta.testiInput = {QStringLiteral("Anna")};
    t.finta.risposte = {Risposta::No};
    QStringList titoli;
    bool timerFermi = false;
    t.finta.allaDomanda = [&](const auto& m) {
      titoli << m.titolo;
      // il rutto lo ferma solo la classifica (e la clessidra lo tiene muto)
      timerFermi = !t.f->tmrTempo.attivo() && (punteggio == 0 || !t.f->tmrRutto.attivo()) &&
                   t.f->MousePointer() == PUNTATORE_CLESSIDRA;
    };
    t.premi(QStringLiteral("m"));
    const QStringList sequenza = {"attesa:500",  "suono:ID_38", "attesa:1800", "suono:ID_39",
                                  "attesa:800",  "suono:ID_40", "attesa:6000"};
    QCOMPARE(t.finta.eventi.mid(0, sequenza.size()), sequenza);
    QCOMPARE(t.finta.eventi.filter(QRegularExpression(QStringLiteral("^(msg|input|finestra):"))), finestre);
    QCOMPARE(titoli.constLast(), QStringLiteral("Veltrak Info Service..."));
    if (punteggio > 0) QCOMPARE(titoli.constFirst(), QStringLiteral(" Veltrak Info Service..."));
    QVERIFY(timerFermi);
    // No: torna la schermata iniziale
    QVERIFY(!gblnPartitaInCorso);
    QVERIFY(t.scenaE(QStringLiteral("id_11")));
  }

  // la resa dal quarto stadio e' muta fino all'ottavo; la parola si rivela in rosso prima della domanda
  void resa() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("bdef"));
    t.finta.eventi.clear();
    const auto colore = [&] { return t.f->lblParolaCercata(1)->palette().color(QPalette::WindowText); };
    QStringList allaDomanda;
    t.finta.allaDomanda = [&](const auto&) { allaDomanda << t.caselle() << colore().name(); };
    t.finta.risposte = {Risposta::Si};
    t.f->mlngPunteggio = -300;  // negativo: niente classifica
    QTest::mouseClick(t.f->cmdGioco(3), Qt::LeftButton);
    QCOMPARE(t.finta.eventi.mid(0, 5), QStringList(4, "attesa:500") << "suono:ID_38");
    QCOMPARE(t.messaggi(DOMANDA), 1);
    QCOMPARE(allaDomanda, (QStringList{"CAVOLO", "#ff0000"}));
    // Si: nuova partita da zero punti e dal primo round, con le caselle di nuovo nere
    QVERIFY(gblnPartitaInCorso);
    QCOMPARE(t.caselle() + ' ' + t.f->lblPunteggio->text() + ' ' + t.f->lblRound->text(), QStringLiteral("______ 0 1"));
    QCOMPARE(colore(), QColor(Qt::black));
  }

  // chiudere il round con la soluzione o con il jolly sull'ultima lettera; a 3:00 con la A provata
  void fineDelRound_data() { tabella("gioco-fine-round"); }
  void fineDelRound() {
    const auto [tasti, soluzione, punti] = dati<QString, QString, int>("tasti", "soluzione", "punti");
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrTempo.setInterval(0);
    t.premi(tasti);
    t.finta.testiInput = {soluzione};
    t.finta.risposte = {Risposta::No};
    t.finta.casuali = {0.0, 0.0};
    QTest::mouseClick(t.f->cmdGioco(soluzione.isEmpty() ? 2 : 1), Qt::LeftButton);
    QCOMPARE(t.finta.prompt.join(""), soluzione.isEmpty() ? "" : "Scrivi la soluzione della casella qui sotto...");
    QCOMPARE(t.f->mlngPunteggio, std::max(punti, 0));
    QCOMPARE(t.messaggi(DOMANDA), punti < 0 ? 1 : 0);
    // vinto: il round dopo riparte pulito, con lettere, jolly ed errori di nuovo a disposizione
    if (punti < 0) return;
    QVERIFY(t.f->lblRound->text() == "2" && t.f->cmdGioco(2)->isEnabled() && !t.f->mblnJollyUsato && t.f->mintErrori == 0);
    for (int i = 1; i <= 21; ++i) QVERIFY(t.f->lblInputLettera(i)->isEnabled());
  }

  // il jolly sceglie tra le lettere da scoprire in ordine di pulsante; la lettera dopo suona normale
  void jolly() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("c"));
    t.finta.casuali = {0.3};  // candidati A, L, O, V: il secondo
    QTest::mouseClick(t.f->cmdGioco(2), Qt::LeftButton);
    t.premi(QStringLiteral("a"));
    QCOMPARE(t.caselle(), QStringLiteral("CA__L_"));
    QCOMPARE(t.finta.suoni, (QStringList{"ID_22", "ID_49", "ID_22"}));
    QVERIFY(!t.f->cmdGioco(2)->isEnabled());
  }

  // il tempo scade una volta sola, con 00 : 00 in vista, e la resa segue; la soluzione data dopo non vale.
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
    t.finta.testiInput = {QStringLiteral("CAVOLO")};
    t.finta.allInput = [&] { t.finta.avanza(3000); };
    // il jolly prende la prima candidata; il rutto esce
    t.finta.casuali = {mossa == u"rutto" ? 0.15 : 0.0};
    // lo scatto finale cade dentro il suono o l'attesa della mossa
    if (mossa != u"zero" && mossa != u"soluzione") t.finta.avanza(600);
    if (mossa == u"fermo") t.finta.avanza(1000);
    if (mossa.size() == 1) t.premi(mossa);
    if (mossa == u"clic") QTest::mouseClick(t.f->lblInputLettera(13), Qt::LeftButton);
    if (mossa == u"jolly") t.f->cmdGioco_Click(2);
    if (mossa == u"rutto") t.f->tmrRutto_Timer();
    if (mossa == u"soluzione") t.f->cmdGioco_Click(1);
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
    // il messaggio arriva alla fine della sequenza; la casella della soluzione si chiude prima
    const QString precedente = t.finta.eventi.value(t.finta.eventi.indexOf("msg:" + SCADUTO) - 1);
    if (mossa == u"b") QCOMPARE(precedente, QStringLiteral("attesa:1800"));
    if (mossa == u"rutto") QCOMPARE(precedente, QStringLiteral("attesa:1300"));
    if (mossa == u"soluzione") QCOMPARE(precedente, QStringLiteral("input chiusa"));
  }

  void rutto_data() { tabella("gioco-rutto"); }
  void rutto() {
    const auto [r, stato, rutto] = dati<double, QString, bool>("r", "stato", "rutto");
    Tavolo t;
    t.nuovaPartita();
    if (stato == u"clessidra") t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    gblnFinestraAperta = stato == u"finestra";
    t.finta.casuali = {r};
    t.f->tmrRutto_Timer();
    QCOMPARE(t.finta.suoni.contains(QStringLiteral("ID_47")), rutto);
    if (stato.isEmpty()) QCOMPARE(t.f->MousePointer(), int(PUNTATORE_NORMALE));
  }

  // i titoli di coda della schermata iniziale: righe, dissolvenza, giro e pausa
  // un nuovo Form_Load rimette le dieci righe in colonna sotto il bordo
  void righeRiusate() {
    Tavolo t;
    t.f->setTopCrediti(10, 100);
    t.f->Form_Load();
    QCOMPARE(t.f->topCrediti(10), S + H * 9);
    QCOMPARE(t.f->lblCrediti(10)->y(), tw(S + H * 9));
    QCOMPARE(t.f->lblCrediti(10)->text(), QStringLiteral("Premere F2 per iniziare..."));
  }

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
