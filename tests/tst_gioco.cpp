// La partita giocata come un giocatore: tasti e pulsanti, poi quello che si vede e si sente.
#include <QPushButton>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {
const QString DOMANDA = QStringLiteral("Il gorbio ha fatto il suo dovere ");
const QString SCADUTO = QStringLiteral("Hai esaurito il tempo !\r\n\r\n(ora è tempo del gorbio...)");
}  // namespace

class TestGioco : public QObject {
  Q_OBJECT

private slots:
  void nuovaPartitaELivelli() {
    Tavolo t;
    t.nuovaPartita();
    QCOMPARE(t.f->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0 - Livello 1"));
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(QStringList({t.f->lblRound->text(), t.f->lblTempo->text(), t.f->lblLettere_da_scoprire->text(),
                          t.f->lblPunteggio->text()}),
             QStringList({"1", "03 : 00", "6", "0"}));
    QVERIFY(t.scenaE(QStringLiteral("id_00")));
    QVERIFY(gblnPartitaInCorso && t.f->tmrTempo.attivo() && t.f->tmrRutto.attivo());
    QVERIFY(!t.f->mnuFileNuovogioco->isEnabled() && t.f->mnuFileSalva->isEnabled());
    QCOMPARE(t.f->puntatoreLettere(), int(PUNTATORE_MANO));
    // il round 7 ha il suo tempo e tiene nel titolo il livello del 6
    for (int r = 2; r <= 7; ++r) t.f->msubNuovoRound();
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 30"));
    QVERIFY(t.f->windowTitle().endsWith(QStringLiteral(" - Livello 2")));
  }

  // una lettera doppia suona una volta; tasti ripetuti, senza pulsante o prima della partita non fanno nulla
  void tasti_data() {
    // dopo: caselle e lettere da scoprire; senza caselle = nessuna partita
    colonne<QString, QString>("tasti", "dopo");
    QTest::newRow("lettera doppia") << "o" << "___O_O 4";
    QTest::newRow("lettera gia' provata") << "cc" << "C_____ 5";
    QTest::newRow("maiuscola e minuscola") << "cC" << "C_____ 5";
    QTest::newRow("lettere senza pulsante") << "cjkwxy" << "C_____ 5";
    QTest::newRow("cifre e simboli") << "c1!" << "C_____ 5";
    QTest::newRow("prima della partita") << "cavolo" << " 10";
  }
  void tasti() {
    const auto [tasti, dopo] = dati<QString, QString>("tasti", "dopo");
    Tavolo t;
    const bool partita = !dopo.startsWith(u' ');
    if (partita) t.nuovaPartita();
    t.premi(tasti);
    QCOMPARE(t.caselle() + ' ' + t.f->lblLettere_da_scoprire->text(), dopo);
    QCOMPARE(t.finta.suoni, partita ? QStringList{"ID_22"} : QStringList());
  }

  void ignoratiDuranteUnSuono() {
    Tavolo t;
    t.nuovaPartita();
    bool provato = false;
    Timer clic([&] {
      provato = true;
      t.f->lblInputLettera_Click(1);
      for (int i = 1; i <= 3; ++i) t.f->cmdGioco_Click(i);
    });
    clic.setInterval(200);
    t.premi(QStringLiteral("c"));
    clic.setInterval(0);
    QVERIFY(provato);
    QCOMPARE(t.caselle(), QStringLiteral("C_____"));
    QVERIFY(t.f->lblInputLettera(1)->isEnabled() && t.f->cmdGioco(2)->isEnabled());
    QVERIFY(t.finta.prompt.isEmpty() && t.finta.messaggi.isEmpty());
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

  // gli stadi suonano in ordine; l'ottavo errore suona la sequenza intera prima della domanda
  void stadiFinoAlGameOver() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("bdefghi"));
    QCOMPARE(t.finta.suoni, (QStringList{"ID_46", "ID_45", "ID_44", "ID_43", "ID_42", "ID_41", "file:Mr.Gorbio.003"}));
    QVERIFY(t.scenaE(QStringLiteral("id_07")));
    t.finta.eventi.clear();
    t.finta.risposte = {Risposta::No};
    t.premi(QStringLiteral("m"));
    const QStringList attesi = {"attesa:500",  "suono:ID_38", "attesa:1800", "suono:ID_39", "attesa:800", "suono:ID_40",
                                "attesa:6000", "msg:" + DOMANDA + "\r\n\r\n         - G A M E   O V E R -\r\n\r\n\r\n"
                                                                  "Vuoi fare un'altra partita ?"};
    QCOMPARE(t.finta.eventi.mid(0, attesi.size()), attesi);
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
    QTest::mouseClick(t.f->cmdGioco(3), Qt::LeftButton);
    QCOMPARE(t.finta.eventi.mid(0, 5), QStringList(4, "attesa:500") << "suono:ID_38");
    QCOMPARE(t.messaggi(DOMANDA), 1);
    QCOMPARE(allaDomanda, (QStringList{"CAVOLO", "#ff0000"}));
    // Si: nuova partita con le caselle di nuovo nere
    QVERIFY(gblnPartitaInCorso);
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(colore(), QColor(Qt::black));
  }

  // chiudere il round con la soluzione o con il jolly sull'ultima lettera; a 3:00 con la A provata
  void fineDelRound_data() {
    // soluzione: vuoto = il jolly; punti: -1 = partita persa
    colonne<QString, QString, int>("tasti", "soluzione", "punti");
    QTest::newRow("soluzione giusta") << "a" << "CAVOLO" << 1200 + 360 - 100;
    QTest::newRow("soluzione in minuscole con spazi") << "a" << "  cavolo " << 1200 + 360 - 100;
    QTest::newRow("soluzione sbagliata") << "a" << "CAVOLI" << -1;
    // la O del jolly si paga come vocale provata
    QTest::newRow("jolly sull'ultima lettera") << "cavl" << "" << 1200 + 360 - 500 - 200;
  }
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
    // vinto: il round dopo, con il jolly di nuovo disponibile
    if (punti >= 0) QVERIFY(t.f->lblRound->text() == "2" && t.f->cmdGioco(2)->isEnabled());
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

  // il tempo scade una volta sola, con 00 : 00 in vista, e la resa segue; la soluzione data dopo non vale
  void tempoScaduto_data() {
    // altra: risposta alla domanda finale
    colonne<QString, bool>("quando", "altra");
    QTest::newRow("da fermo") << "fermo" << true;
    QTest::newRow("durante il suono di un errore") << "errore" << true;
    QTest::newRow("con la soluzione aperta") << "soluzione" << true;
    QTest::newRow("caricato a zero, due scatti") << "zero" << false;
  }
  void tempoScaduto() {
    const auto [quando, altra] = dati<QString, bool>("quando", "altra");
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrRutto.setInterval(0);
    t.f->mintMinuti = 0;
    t.f->mintSecondi = quando == u"zero" ? 0 : 1;
    QString tempoAlMessaggio;
    t.finta.allaDomanda = [&](const auto& m) {
      if (m.testo == SCADUTO) tempoAlMessaggio = t.f->lblTempo->text();
    };
    t.finta.risposte = {altra ? Risposta::Si : Risposta::No};
    t.finta.testiInput = {QStringLiteral("CAVOLO")};
    t.finta.allInput = [&] { t.finta.avanza(3000); };
    if (quando == u"fermo") t.finta.avanza(1000);
    if (quando == u"errore") t.premi(QStringLiteral("b"));
    if (quando == u"soluzione") t.f->cmdGioco_Click(1);
    for (int i = 0; quando == u"zero" && i < 2; ++i) t.f->tmrTempo_Timer();
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(tempoAlMessaggio, QStringLiteral("00 : 00"));
    QCOMPARE(t.messaggi(DOMANDA), 1);
    QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_48")));
    // la nuova partita mostra il suo tempo
    QCOMPARE(t.f->lblTempo->text(), altra ? QStringLiteral("03 : 00") : QStringLiteral("00 : 00"));
    QVERIFY(t.finta.inatteso.isEmpty());
    if (quando == u"errore") {
      QCOMPARE(t.finta.eventi.mid(t.finta.eventi.indexOf("suono:ID_46"), 3),
               (QStringList{"suono:ID_46", "attesa:1800", "msg:" + SCADUTO}));
    }
  }

  // il rutto: una volta su dieci (esce il 2), mai sotto la clessidra o con una finestra aperta
  void rutto_data() {
    colonne<double, QString, bool>("r", "stato", "rutto");
    QTest::newRow("esce il 2") << 0.15 << "" << true;
    QTest::newRow("esce l'1") << 0.05 << "" << false;
    QTest::newRow("esce il 3") << 0.25 << "" << false;
    QTest::newRow("clessidra") << 0.15 << "clessidra" << false;
    QTest::newRow("finestra aperta") << 0.15 << "finestra" << false;
  }
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
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
