// La partita giocata come un giocatore: tasti e pulsanti, poi quello che si vede e si sente.
#include <QPushButton>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/tavolo.h"

namespace {
const QString DOMANDA = QStringLiteral("Il gorbio ha fatto il suo dovere ");
const QString SCADUTO = QStringLiteral("Hai esaurito il tempo !");

// gli eventi a partire dal primo che comincia con "inizio"
QStringList da(const QStringList& eventi, const QString& inizio) {
  for (qsizetype i = 0; i < eventi.size(); ++i) {
    if (eventi[i].startsWith(inizio)) return eventi.mid(i);
  }
  return {};
}
}  // namespace

class TestGioco : public QObject {
  Q_OBJECT

private slots:
  void nuovaPartita() {
    Tavolo t;
    t.nuovaPartita();
    QCOMPARE(t.f->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0 - Livello 1"));
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(t.f->lblRound->text(), QStringLiteral("1"));
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("03 : 00"));
    QCOMPARE(t.f->lblLettere_da_scoprire->text(), QStringLiteral("6"));
    QCOMPARE(t.f->lblPunteggio->text(), QStringLiteral("0"));
    QVERIFY(t.scenaE(QStringLiteral("id_00")));
    QVERIFY(gblnPartitaInCorso);
    QVERIFY(!t.f->mnuFileNuovogioco->isEnabled() && t.f->mnuFileSalva->isEnabled());
    QVERIFY(t.f->tmrTempo.attivo() && t.f->tmrRutto.Interval() == 20000);
    QCOMPARE(t.f->puntatoreLettere(), int(PUNTATORE_MANO));
    // le caselle di una parola di sei lettere partono da 1080 twip, una ogni 450
    QCOMPARE(t.f->lblParolaCercata(1)->x(), tw(1080));
    QCOMPARE(t.f->lblParolaCercata(6)->x(), tw(1080 + 5 * 450));
    QCOMPARE(t.f->lblParolaCercata(7)->x(), tw(5000));
  }

  void titoloETempoPerRound_data() {
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("tempo");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("5") << 5 << "03 : 00" << " - Livello 1";
    QTest::newRow("6") << 6 << "02 : 30" << " - Livello 2";
    QTest::newRow("7 tiene il livello 2") << 7 << "02 : 30" << " - Livello 2";
    QTest::newRow("26") << 26 << "00 : 30" << " - Livello 6";
  }
  void titoloETempoPerRound() {
    QFETCH(int, round);
    QFETCH(QString, tempo);
    QFETCH(QString, titolo);
    Tavolo t;
    t.nuovaPartita();
    for (int r = 2; r <= round; ++r) {
      t.finta.casuali = {0.0};
      t.f->msubNuovoRound();
    }
    QCOMPARE(t.f->lblRound->text(), QString::number(round));
    QCOMPARE(t.f->lblTempo->text(), tempo);
    QVERIFY(t.f->windowTitle().endsWith(titolo));
  }

  void letteraDoppiaUnSuonoSolo() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("o"));
    QCOMPARE(t.caselle(), QStringLiteral("___O_O"));
    QCOMPARE(t.f->lblLettere_da_scoprire->text(), QStringLiteral("4"));
    QCOMPARE(t.finta.suoni, QStringList{"ID_22"});
    QCOMPARE(t.finta.ora, 500);
    QVERIFY(!t.f->lblInputLettera(13)->isEnabled());
  }

  void tastiIgnorati_data() {
    QTest::addColumn<QString>("tasti");
    QTest::newRow("lettera gia' provata") << "cc";
    QTest::newRow("maiuscola e minuscola") << "cC";
    QTest::newRow("lettere senza pulsante") << "cjkwxy";
    QTest::newRow("cifre e simboli") << "c1!";
  }
  void tastiIgnorati() {
    QFETCH(QString, tasti);
    Tavolo t;
    t.nuovaPartita();
    t.premi(tasti);
    QCOMPARE(t.finta.suoni, QStringList{"ID_22"});
    QCOMPARE(t.f->mintErrori, 0);
  }

  void tastiPrimaDellaPartita() {
    Tavolo t;
    t.premi(QStringLiteral("cavolo"));
    QVERIFY(t.finta.suoni.isEmpty());
    QCOMPARE(t.caselle(), QString());
  }

  void clicDuranteUnSuonoIgnorato() {
    Tavolo t;
    t.nuovaPartita();
    // durante il suono della C arriva un clic sulla A: ignorato, il pulsante resta attivo
    t.finta.eventi.clear();
    t.f->tmrRutto.setInterval(0);
    Timer clic([&] { t.f->lblInputLettera_Click(1); });
    clic.setInterval(200);
    t.premi(QStringLiteral("c"));
    clic.setInterval(0);
    QVERIFY(t.f->lblInputLettera(1)->isEnabled());
    QCOMPARE(t.caselle(), QStringLiteral("C_____"));
  }

  void roundVintoPassaAlSuccessivo() {
    Tavolo t({QStringLiteral("CAVOLO"), QStringLiteral("PATATA")});
    t.nuovaPartita(1);
    t.finta.avanza(50 * 1000);  // restano 2:10
    t.finta.casuali = {t.casualePer(2)};
    t.premi(QStringLiteral("cvlbdfgao"));  // quattro errori: b, d, f, g
    QCOMPARE(t.f->lblRound->text(), QStringLiteral("2"));
    QCOMPARE(t.caselle(), QStringLiteral("______"));
    QCOMPARE(t.f->mintErrori, 0);
    QVERIFY(da(t.finta.eventi, QStringLiteral("suono:ID_48")).mid(0, 3) ==
            (QStringList{"suono:ID_48", "attesa:700", "attesa:1000"}));
    QVERIFY(t.scenaE(QStringLiteral("id_00")));
    QVERIFY(t.f->lblPunteggio->text().toInt() > 1000);
  }

  void punteggioEsatto() {
    // 7 lettere, 2:10 al momento della vittoria, A ed E provate, tre errori: +1310
    Tavolo t({QStringLiteral("CAPANNE")});
    t.nuovaPartita();
    t.f->tmrTempo.setInterval(0);
    t.finta.casuali = {0.0};
    t.premi(QStringLiteral("bdfcpe"));
    t.f->mintMinuti = 2;
    t.f->mintSecondi = 10;
    t.premi(QStringLiteral("n"));
    t.f->tmrTempo.setInterval(0);
    t.f->mintMinuti = 2;
    t.f->mintSecondi = 10;
    t.premi(QStringLiteral("a"));
    QCOMPARE(t.f->lblPunteggio->text(), QStringLiteral("1310"));
  }

  void ottavoErroreSequenzaIntera() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.risposte = {Risposta::No};
    t.premi(QStringLiteral("bdefghi"));
    QCOMPARE(t.f->mintErrori, 7);
    QVERIFY(t.scenaE(QStringLiteral("id_07")));
    t.finta.eventi.clear();
    t.premi(QStringLiteral("m"));
    const QStringList attesi = {"attesa:500",  "suono:ID_38", "attesa:1800",
                                "suono:ID_39", "attesa:800",  "suono:ID_40",
                                "attesa:6000", "msg:" + DOMANDA + "\r\n\r\n         - G A M E   O V E R -\r\n\r\n\r\n"
                                                                  "Vuoi fare un'altra partita ?"};
    QCOMPARE(t.finta.eventi.mid(0, attesi.size()), attesi);
    // No: torna la schermata iniziale, parola rivelata in rosso prima
    QVERIFY(!gblnPartitaInCorso);
    QVERIFY(t.scenaE(QStringLiteral("id_11")));
    t.premi(QStringLiteral("c"));
    QCOMPARE(t.finta.suoni.count(QStringLiteral("ID_22")), 0);
  }

  void suoniDegliStadi() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("bdefghi"));
    QCOMPARE(t.finta.suoni, (QStringList{"ID_46", "ID_45", "ID_44", "ID_43", "ID_42", "ID_41", "file:Mr.Gorbio.003"}));
    QCOMPARE(t.finta.ora, 1800 + 900 + 1700 + 1800 + 1200 + 1800 + 4700);
  }

  void rivelazioneInRosso() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.allaDomanda = [&](const PiattaformaFinta::Messaggio&) {
      QCOMPARE(t.caselle(), QStringLiteral("CAVOLO"));
      QCOMPARE(t.f->lblParolaCercata(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    };
    t.finta.risposte = {Risposta::Si};
    t.premi(QStringLiteral("c"));
    t.f->cmdGioco_Click(3);
    // Si: nuova partita dal round 1 con punteggio zero
    QCOMPARE(t.f->lblRound->text(), QStringLiteral("1"));
    QCOMPARE(t.f->mlngPunteggio, 0);
    QVERIFY(gblnPartitaInCorso);
    QCOMPARE(t.f->lblParolaCercata(1)->palette().color(QPalette::WindowText), QColor(Qt::black));
  }

  void resaDalQuartoStadio() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("bdef"));
    t.finta.eventi.clear();
    t.finta.suoni.clear();
    t.finta.risposte = {Risposta::No};
    QTest::mouseClick(t.f->cmdGioco(3), Qt::LeftButton);
    const QStringList attesi = {"attesa:500", "attesa:500", "attesa:500", "attesa:500", "suono:ID_38"};
    QCOMPARE(t.finta.eventi.mid(0, attesi.size()), attesi);
    QCOMPARE(t.finta.suoni.first(), QStringLiteral("ID_38"));
    QCOMPARE(t.messaggi(DOMANDA), 1);
  }

  void soluzione_data() {
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<bool>("vinta");
    QTest::newRow("giusta") << "CAVOLO" << true;
    QTest::newRow("minuscole e spazi") << "  cavolo " << true;
    QTest::newRow("sbagliata") << "CAVOLI" << false;
    QTest::newRow("annullata") << "" << false;
  }
  void soluzione() {
    QFETCH(QString, risposta);
    QFETCH(bool, vinta);
    Tavolo t;
    t.nuovaPartita();
    t.finta.testiInput = {risposta};
    t.finta.risposte = {Risposta::No};
    t.finta.casuali = {0.0};
    t.premi(QStringLiteral("a"));
    QTest::mouseClick(t.f->cmdGioco(1), Qt::LeftButton);
    QCOMPARE(t.finta.prompt, QStringList{"Scrivi la soluzione della casella qui sotto..."});
    if (vinta) {
      // la A provata costa 100, le lettere non provate no
      QCOMPARE(t.f->lblRound->text(), QStringLiteral("2"));
      QCOMPARE(t.f->mlngPunteggio, 1200 + 360 - 100);  // il suono della A dura meno di un secondo
    } else {
      QCOMPARE(t.messaggi(DOMANDA), 1);
      QVERIFY(!gblnPartitaInCorso);
    }
  }

  void jolly() {
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("c"));
    // candidati in ordine di pulsante: A, L, O, V; 0.3 sceglie il secondo
    t.finta.casuali = {0.3};
    t.finta.suoni.clear();
    QTest::mouseClick(t.f->cmdGioco(2), Qt::LeftButton);
    QCOMPARE(t.caselle(), QStringLiteral("C___L_"));
    QCOMPARE(t.finta.suoni, QStringList{"ID_49"});
    QVERIFY(!t.f->cmdGioco(2)->isEnabled());
    QVERIFY(t.f->mblnJollyUsato);
    QVERIFY(!t.f->mblnLetteraDaJolly);
  }

  void jollyChiudeIlRound() {
    Tavolo t({QStringLiteral("CAVOLO")});
    t.nuovaPartita();
    t.f->tmrTempo.setInterval(0);
    t.premi(QStringLiteral("cavl"));
    t.finta.casuali = {0.0, 0.0};
    t.f->cmdGioco_Click(2);
    // l'ultima lettera dal jolly: 1200 + 360 - 500 - A e O 200
    QCOMPARE(t.f->lblRound->text(), QStringLiteral("2"));
    QCOMPARE(t.f->mlngPunteggio, 1200 + 360 - 500 - 200);
    QVERIFY(t.f->cmdGioco(2)->isEnabled());
  }

  void comandiIgnoratiDuranteUnaSequenza() {
    Tavolo t;
    t.nuovaPartita();
    QStringList durante;
    Timer prova([&] {
      if (t.f->MousePointer() != PUNTATORE_CLESSIDRA) return;
      for (int i = 1; i <= 3; ++i) t.f->cmdGioco_Click(i);
      durante << QString::number(t.finta.prompt.size());
    });
    prova.setInterval(300);
    t.premi(QStringLiteral("b"));
    prova.setInterval(0);
    QVERIFY(!durante.isEmpty());
    QVERIFY(t.finta.prompt.isEmpty());
    QCOMPARE(t.f->mintErrori, 1);
  }

  // il conto alla rovescia
  void conto_data() {
    QTest::addColumn<int>("minuti");
    QTest::addColumn<int>("secondi");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("tre minuti") << 3 << 0 << "02 : 59";
    QTest::newRow("un minuto") << 1 << 0 << "00 : 59";
    QTest::newRow("cinque secondi") << 0 << 5 << "00 : 04";
  }
  void conto() {
    QFETCH(int, minuti);
    QFETCH(int, secondi);
    QFETCH(QString, dopo);
    Tavolo t;
    t.nuovaPartita();
    t.f->mintMinuti = minuti;
    t.f->mintSecondi = secondi;
    t.f->tmrTempo_Timer();
    QCOMPARE(t.f->lblTempo->text(), dopo);
  }

  void tempoScaduto() {
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrRutto.setInterval(0);
    t.f->mintMinuti = 0;
    t.f->mintSecondi = 1;
    QString tempoAlMessaggio;
    t.finta.allaDomanda = [&](const PiattaformaFinta::Messaggio& m) {
      if (m.testo.startsWith(SCADUTO)) tempoAlMessaggio = t.f->lblTempo->text();
    };
    t.finta.risposte = {Risposta::Si};
    t.finta.avanza(1000);
    QCOMPARE(tempoAlMessaggio, QStringLiteral("00 : 00"));
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(t.finta.messaggi.first().testo, SCADUTO + "\r\n\r\n(ora è tempo del gorbio...)");
    QCOMPARE(t.messaggi(DOMANDA), 1);
    // Si: la nuova partita mostra il suo tempo
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("03 : 00"));
    QVERIFY(t.finta.inatteso.isEmpty());
  }

  // scaduto durante il suono di un errore: messaggio e resa alla fine della sequenza, una volta
  void tempoScadutoDuranteUnaSequenza() {
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrRutto.setInterval(0);
    t.f->mintMinuti = 0;
    t.f->mintSecondi = 1;
    t.finta.risposte = {Risposta::No};
    t.premi(QStringLiteral("b"));
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(t.messaggi(DOMANDA), 1);
    const QStringList dopo = da(t.finta.eventi, QStringLiteral("suono:ID_46"));
    QCOMPARE(dopo.mid(0, 3), (QStringList{"suono:ID_46", "attesa:1800", "msg:" + SCADUTO + "\r\n\r\n(ora è tempo del gorbio...)"}));
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("00 : 00"));
    QVERIFY(t.finta.inatteso.isEmpty());
  }

  // scaduto con la casella della soluzione aperta: la risposta poi non fa nulla
  void tempoScadutoConLaSoluzioneAperta() {
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrRutto.setInterval(0);
    t.f->mintMinuti = 0;
    t.f->mintSecondi = 2;
    t.finta.testiInput = {QStringLiteral("CAVOLO")};
    t.finta.risposte = {Risposta::No};
    t.finta.allInput = [&] { t.finta.avanza(3000); };
    t.f->cmdGioco_Click(1);
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(t.messaggi(DOMANDA), 1);
    QCOMPARE(t.f->mlngPunteggio, 0);
    QVERIFY(!gblnPartitaInCorso);
    QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_48")));
  }

  void tempoCaricatoAZero() {
    Tavolo t;
    t.nuovaPartita();
    t.f->mintMinuti = 0;
    t.f->mintSecondi = 0;
    t.finta.risposte = {Risposta::No};
    t.f->tmrTempo_Timer();
    t.f->tmrTempo_Timer();
    QCOMPARE(t.messaggi(SCADUTO), 1);
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("00 : 00"));
  }

  void ruttoUnaVoltaSuDieci_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<bool>("rutto");
    QTest::newRow("esce il 2") << 0.15 << true;
    QTest::newRow("esce l'1") << 0.05 << false;
    QTest::newRow("esce il 3") << 0.25 << false;
  }
  void ruttoUnaVoltaSuDieci() {
    QFETCH(double, r);
    QFETCH(bool, rutto);
    Tavolo t;
    t.nuovaPartita();
    t.finta.casuali = {r};
    t.f->tmrRutto_Timer();
    QCOMPARE(t.finta.suoni.contains(QStringLiteral("ID_47")), rutto);
    QCOMPARE(t.f->MousePointer(), int(PUNTATORE_NORMALE));
  }

  void ruttoMaiSottoLaClessidraONelleFinestre() {
    Tavolo t;
    t.nuovaPartita();
    t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.finta.casuali = {0.15};
    t.f->tmrRutto_Timer();
    t.f->setMousePointer(PUNTATORE_NORMALE);
    gblnFinestraAperta = true;
    t.finta.casuali = {0.15};
    t.f->tmrRutto_Timer();
    QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_47")));
  }

  void titoloDelBrano() {
    Tavolo t;
    QVERIFY(!t.f->lblTitoloWaveMp3->isHidden());
    t.f->tmrWaveMp3.setInterval(22000);
    t.finta.avanza(22000);
    QVERIFY(t.f->lblTitoloWaveMp3->isHidden());
    QCOMPARE(t.f->tmrWaveMp3.Interval(), 0);
  }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
