// Comandi della finestra: pausa, fine del gioco, uscita, Alt+F4 e chiusura dal window manager.
#include <QPushButton>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/tavolo.h"
#include "ui/frmpausa.h"

namespace {
const QString USCIRE = QStringLiteral("Sicuro di voler uscire ?");
const QString SALVARE = QStringLiteral("Salvare la partita in corso ?");
const QString TERMINARE = QStringLiteral("Sicuro di voler terminare\r\nil gioco in corso ?");

QStringList domande(const PiattaformaFinta& f) {
  QStringList d;
  for (const auto& m : f.messaggi) d << m.testo;
  return d;
}
}  // namespace

class TestComandi : public QObject {
  Q_OBJECT

private slots:
  void pausaFermaERiprende() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.avanza(5000);
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 55"));
    t.finta.suoni.clear();
    QString tempoInPausa;
    t.finta.azioniModali = {[&](QDialog* d) {
      QVERIFY(gblnFinestraAperta);
      t.finta.avanza(60000);  // un minuto in pausa non conta
      tempoInPausa = t.f->lblTempo->text();
      QTest::keyClick(d, Qt::Key_F3);
    }};
    t.f->mnuFilePausa->trigger();
    QCOMPARE(tempoInPausa, QStringLiteral("02 : 55"));
    QCOMPARE(t.finta.suoni, (QStringList{"ID_23", "ID_24"}));
    QVERIFY(!gblnFinestraAperta);
    QVERIFY(t.f->tmrTempo.attivo() && t.f->tmrRutto.Interval() == 20000);
    t.finta.avanza(1000);
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 54"));
  }

  void pausaChiusaConLaXRiprende() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.azioniModali = {[](QDialog* d) { d->close(); }};
    t.f->mnuFilePausa_Click();
    QVERIFY(t.f->tmrTempo.attivo());
    QVERIFY(!gblnFinestraAperta);
  }

  void pausaChiusaDalTempoScaduto() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.risposte = {Risposta::No};
    t.finta.azioniModali = {[&](QDialog*) {
      // il tempo scade con la pausa aperta: la chiude senza far ripartire nulla
      t.f->mintMinuti = 0;
      t.f->mintSecondi = 1;
      t.f->tmrTempo_Timer();
    }};
    t.f->mnuFilePausa_Click();
    QCOMPARE(t.messaggi(QStringLiteral("Hai esaurito il tempo !")), 1);
    QVERIFY(!gblnPartitaInCorso);
    QVERIFY(!t.f->mfrmPausa);
    QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_24")));
  }

  void f3PrimaDellaPartitaNonFaNulla() {
    Tavolo t;
    QVERIFY(!t.f->mnuFilePausa->isEnabled());
    t.f->mnuFilePausa->trigger();
    QVERIFY(t.finta.eventi.isEmpty());
  }

  void terminaGioco_data() {
    QTest::addColumn<QList<Risposta>>("risposte");
    QTest::addColumn<bool>("finita");
    QTest::addColumn<int>("dialoghiSalva");
    QTest::newRow("No: si continua") << QList<Risposta>{Risposta::No} << false << 0;
    QTest::newRow("Si, senza salvare") << QList<Risposta>{Risposta::Si, Risposta::No} << true << 0;
    QTest::newRow("Si, salvando") << QList<Risposta>{Risposta::Si, Risposta::Si} << true << 1;
  }
  void terminaGioco() {
    QFETCH(QList<Risposta>, risposte);
    QFETCH(bool, finita);
    QFETCH(int, dialoghiSalva);
    Tavolo t;
    t.nuovaPartita();
    t.finta.avanza(3000);
    t.finta.risposte = risposte;
    t.finta.percorsiFile = {QString()};  // il salvataggio viene annullato
    t.f->mnuFileTermina->trigger();
    QCOMPARE(gblnPartitaInCorso, !finita);
    QCOMPARE(t.finta.dialoghi.size(), dialoghiSalva);
    QCOMPARE(domande(t.finta).first(), TERMINARE);
    if (!finita) {
      // il conto riprende da dove stava
      t.finta.avanza(1000);
      QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 56"));
    } else {
      QVERIFY(t.scenaE(QStringLiteral("id_11")));
      QVERIFY(t.f->mnuFileNuovogioco->isEnabled());
      QVERIFY(!t.f->picContenitoreCrediti->isHidden());
    }
  }

  void uscita_data() {
    QTest::addColumn<bool>("partita");
    QTest::addColumn<bool>("daTastiera");
    QTest::addColumn<QList<Risposta>>("risposte");
    QTest::addColumn<QStringList>("domandeAttese");
    QTest::addColumn<bool>("esce");
    QTest::newRow("menu, nessuna partita, Si") << false << false << QList<Risposta>{Risposta::Si}
                                               << QStringList{USCIRE} << true;
    QTest::newRow("menu, nessuna partita, No") << false << false << QList<Risposta>{Risposta::No}
                                               << QStringList{USCIRE} << false;
    QTest::newRow("menu, in partita") << true << false << QList<Risposta>{Risposta::Si, Risposta::No}
                                      << QStringList{USCIRE, SALVARE} << true;
    QTest::newRow("Alt+F4, nessuna partita") << false << true << QList<Risposta>{} << QStringList{} << true;
    QTest::newRow("Alt+F4, in partita") << true << true << QList<Risposta>{Risposta::No} << QStringList{SALVARE}
                                        << true;
  }
  void uscita() {
    QFETCH(bool, partita);
    QFETCH(bool, daTastiera);
    QFETCH(QList<Risposta>, risposte);
    QFETCH(QStringList, domandeAttese);
    QFETCH(bool, esce);
    Tavolo t;
    if (partita) t.nuovaPartita();
    t.finta.risposte = risposte;
    t.finta.suoni.clear();
    auto esci = [&] {
      if (daTastiera) {
        QTest::keyClick(t.f.get(), Qt::Key_F4, Qt::AltModifier);
      } else {
        t.f->mnuFileEsci_Click();
      }
    };
    if (esce) {
      QVERIFY_THROWS_EXCEPTION(FineProgramma, esci());
      QCOMPARE(t.finta.suoni, QStringList{"file:Mr.Gorbio.005"});
      QVERIFY(t.finta.eventi.contains(QStringLiteral("attesa:1900")));
    } else {
      esci();
      QVERIFY(!t.finta.terminato);
      QVERIFY(!gblnFinestraAperta);
    }
    QCOMPARE(domande(t.finta), domandeAttese);
  }

  void chiusuraDalWindowManagerComeAltF4() {
    Tavolo t;
    t.nuovaPartita();
    t.finta.risposte = {Risposta::No};
    QCloseEvent e;
    QVERIFY_THROWS_EXCEPTION(FineProgramma, QApplication::sendEvent(t.f.get(), &e));
    QCOMPARE(domande(t.finta), QStringList{SALVARE});
    QVERIFY(t.finta.suoni.contains(QStringLiteral("file:Mr.Gorbio.005")));
  }

  void chiusuraConLaClessidraTerminaSubito() {
    Tavolo t;
    t.nuovaPartita();
    t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.finta.suoni.clear();
    t.f->mnuFileEsci_Click();  // con la clessidra l'uscita rifiuta
    QVERIFY(!t.finta.terminato);
    QCloseEvent e;
    QVERIFY_THROWS_EXCEPTION(FineProgramma, QApplication::sendEvent(t.f.get(), &e));
    QVERIFY(t.finta.messaggi.isEmpty());
    QVERIFY(t.finta.suoni.isEmpty());
  }

  void nonPossoOra() {
    Tavolo t;
    t.nuovaPartita();
    t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.f->mnuMain_Click(4);
    QCOMPARE(t.finta.messaggi.size(), 1);
    QCOMPARE(t.finta.messaggi[0].testo, QStringLiteral("Non posso ora.."));
    QCOMPARE(t.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Center..."));
    QCOMPARE(t.finta.messaggi[0].icona, Icona::Nessuna);
    QVERIFY(!t.finta.eventi.join(u' ').contains(QStringLiteral("finestra:")));
  }
};

QTEST_MAIN(TestComandi)
#include "tst_comandi.moc"
