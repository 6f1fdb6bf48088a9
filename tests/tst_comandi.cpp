// Comandi della finestra: pausa, fine del gioco, uscita, Alt+F4 e chiusura dal window manager.
#include <QDialog>
#include <QMenuBar>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {
const QString TERMINARE = QStringLiteral("Sicuro di voler terminare\r\nil gioco in corso ?");
}  // namespace

class TestComandi : public QObject {
  Q_OBJECT

private slots:
  // la pausa ferma il tempo e lascia la partita com'e'; F3 o la X riprendono,
  // il tempo scaduto la chiude senza ripresa
  void pausa_data() {
    QTest::addColumn<QString>("chiusura");
    for (const char* chiusura : {"F3", "X", "tempo"}) QTest::newRow(chiusura) << QString(chiusura);
  }
  void pausa() {
    QFETCH(QString, chiusura);
    Tavolo t;
    t.nuovaPartita();
    t.premi(QStringLiteral("c"));
    t.finta.avanza(5000);
    t.finta.suoni.clear();
    t.finta.risposte = {Risposta::No};
    QString inPausa;
    t.finta.azioniModali = {[&](QDialog* d) {
      t.finta.avanza(60000);  // un minuto in pausa non conta
      inPausa = t.caselle() + ' ' + t.f->lblTempo->text() + ' ' + QString::number(gblnFinestraAperta);
      if (chiusura == u"F3") QTest::keyClick(d, Qt::Key_F3);
      if (chiusura == u"X") d->close();
      if (chiusura == u"tempo") {
        t.f->mintMinuti = 0;
        t.f->mintSecondi = 1;
        t.f->tmrTempo_Timer();
      }
      inPausa += ' ' + QString::number(gblnFinestraAperta);  // gia' chiusa
    }};
    t.f->mnuFilePausa->trigger();
    QCOMPARE(inPausa, QStringLiteral("C_____ 02 : 55 1 0"));
    if (chiusura == u"tempo") {
      QCOMPARE(t.messaggi(QStringLiteral("Hai esaurito il tempo !")), 1);
      QVERIFY(!gblnPartitaInCorso && !t.f->mfrmPausa);
      QVERIFY(!t.finta.suoni.contains(QStringLiteral("ID_24")));
      return;
    }
    QCOMPARE(t.finta.eventi.mid(2), (QStringList{"suono:ID_23", "finestra:frmPausa", "suono:ID_24", "attesa:600"}));
    QVERIFY(!gblnFinestraAperta && t.f->tmrRutto.attivo());
    t.finta.avanza(1000);
    QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 54"));
  }

  void terminaGioco_data() { tabella("comandi-termina"); }
  void terminaGioco() {
    const auto [risposte, finita, salvataggi] = dati<QString, bool, int>("risposte", "finita", "salvataggi");
    Tavolo t;
    t.nuovaPartita();
    t.finta.avanza(50000);
    t.rispondi(risposte);
    t.finta.percorsiFile = {QString()};  // il salvataggio viene annullato
    t.f->mnuFileTermina->trigger();
    QCOMPARE(gblnPartitaInCorso, !finita);
    QCOMPARE(t.finta.dialoghi.size(), salvataggi);
    QCOMPARE(t.testi().first(), TERMINARE);
    if (!finita) {
      // il conto riprende da dove stava
      t.finta.avanza(1000);
      QCOMPARE(t.f->lblTempo->text(), QStringLiteral("02 : 09"));
    } else {
      QVERIFY(t.scenaE(QStringLiteral("id_11")));
      QVERIFY(t.f->mnuFileNuovogioco->isEnabled() && t.f->mnuFileCarica->isEnabled() && !t.f->picContenitoreCrediti->isHidden());
    }
  }

  void uscita_data() { tabella("comandi-uscita"); }
  void uscita() {
    const auto [partita, modo, risposte, domande, esce, clessidra] =
        dati<bool, QString, QString, QString, bool, bool>("partita", "modo", "risposte", "domande", "esce", "clessidra");
    Tavolo t;
    if (partita) t.nuovaPartita();
    if (clessidra) t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.rispondi(risposte);
    t.finta.suoni.clear();
    auto esci = [&] {
      QCloseEvent chiusura;
      // il tasto passa dal filtro della finestra, chiamato direttamente: la fine del
      // programma simulata e' un'eccezione, e attraversando QApplication::notify
      // (compilato senza eccezioni) lascerebbe oggetti di Qt non distrutti
      QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
      QObject* finestra = t.f.get();
      if (modo == u"menu") t.f->mnuFileEsci_Click();
      if (modo == u"Alt+F4") finestra->eventFilter(finestra, &altF4);
      if (modo == u"chiusura") finestra->event(&chiusura);
    };
    if (esce) {
      QVERIFY_THROWS_EXCEPTION(FineProgramma, esci());
      QCOMPARE(t.finta.suoni, clessidra ? QStringList() : QStringList{"file:Mr.Gorbio.005"});
      QCOMPARE(t.finta.eventi.contains(QStringLiteral("attesa:1900")), !clessidra);
    } else {
      esci();
      QVERIFY(!t.finta.terminato && !gblnFinestraAperta);
    }
    QCOMPARE(t.testi(), domande.split(u'|', Qt::SkipEmptyParts));
  }

  // "Thanx to..." dalla vera barra dei menu: si apre con Alt+T, non passandoci sopra con
  // le frecce da un menu aperto; con la clessidra risponde "Non posso ora.."
  void thanxTo_data() { tabella("comandi-thanx"); }
  void thanxTo() {
    const auto [come, clessidra, eventi] = dati<QString, bool, QString>("come", "clessidra", "eventi");
    Tavolo t;
    t.nuovaPartita();
    t.f->tmrTempo.setInterval(0);
    t.f->show();
    QVERIFY(QTest::qWaitForWindowActive(t.f.get()));
    if (clessidra) t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.finta.eventi.clear();
    if (come == u"frecce") {
      QTest::keyClick(t.f.get(), Qt::Key_F, Qt::AltModifier);
      for (int i = 0; i < 3; ++i) {
        QWidget* aperto = QApplication::activePopupWidget();
        QVERIFY(aperto);
        QTest::keyClick(aperto, Qt::Key_Right);
      }
      QTest::keyClick(t.f->menuBar(), Qt::Key_Escape);
    } else {
      QTest::keyClick(t.f.get(), Qt::Key_T, Qt::AltModifier);
    }
    QTest::qWait(50);
    QCOMPARE(t.finta.eventi.filter(QRegularExpression(QStringLiteral("^(finestra|msg):"))), eventi.split(u'|', Qt::SkipEmptyParts));
    if (clessidra) QCOMPARE(t.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Center..."));
  }
};

QTEST_MAIN(TestComandi)
#include "tst_comandi.moc"
