// Le finestre informative: apertura dai menu, suoni, pausa dei timer,
// chiusura con un click, etichette attive, pagine dei ringraziamenti.
#include <QtTest>

#include "app/modgenerale.h"
#include "extras/frmthanxto.h"
#include "extras/testi.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {

// Apre una finestra dalla sua voce di menu come farebbe il giocatore.
void apriDalMenu(frmGioco& f, const QString& finestra) {
  if (finestra == u"frmThanxTo") return f.mnuMain_Click(4);
  f.findChild<QAction*>(finestra == u"frmInfoMrGorbio" ? "mnuInfoGorbio" : QString(finestra).replace("frm", "mnu"))->trigger();
}

// parte = "Esc" per il tasto; effetto = link aperto o finestra mostrata
struct Click { QString finestra, parte; int tasto; bool chiude; QString effetto; };

}  // namespace

class TestInfo : public QObject {
  Q_OBJECT

private slots:
  // apertura dal menu: suono, finestra aperta, timer della partita fermi; la clessidra non apre nulla;
  // tornando ai ringraziamenti da un'altra finestra il loro suono si ripete
  void apertura_data() {
    colonne<QString, QString, QStringList>("finestra", "caso", "suoni");
    const std::pair<QString, QString> finestre[] = {{"frmInfoCodice", "ID_31"}, {"frmInfoRegole", "ID_32"},
        {"frmInfoTastiera", "ID_33"}, {"frmInfoMrGorbio", "ID_34"}, {"frmThanxTo", "ID_35"}};
    for (const auto& [finestra, suono] : finestre) {
      for (const QString caso : {"normale", "partita", "brano", "clessidra"}) {
        // il brano d'avvio non viene interrotto
        const bool muta = caso == u"brano" || caso == u"clessidra";
        QTest::addRow("%s, %s", qPrintable(finestra), qPrintable(caso))
            << finestra << caso << (muta ? QStringList{} : QStringList(suono == u"ID_35" ? 2 : 1, suono));
      }
    }
  }
  void apertura() {
    const auto [finestra, caso, suoni] = dati<QString, QString, QStringList>("finestra", "caso", "suoni");
    Tavolo t;
    t.finta.modaliVisibili = true;
    if (caso == u"brano") t.f->tmrWaveMp3.setInterval(22000);
    if (caso == u"clessidra") t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    gblnPartitaInCorso = caso == u"partita";
    t.f->tmrTempo.setInterval(1000);
    t.f->tmrRutto.setInterval(20000);
    QString dentro;  // finestra, finestra aperta, intervalli dei timer
    t.finta.azioniModali.append([&](QDialog* d) {
      QCoreApplication::processEvents();
      QEvent via(QEvent::WindowDeactivate), ritorno(QEvent::WindowActivate);
      QCoreApplication::sendEvent(d, &via);
      QCoreApplication::sendEvent(d, &ritorno);
      dentro = QStringLiteral("%1 %2 %3").arg(d->objectName()).arg(gblnFinestraAperta).arg(
          t.f->tmrTempo.Interval() + t.f->tmrRutto.Interval());
      // sotto il titolo la barra blu scuro
      QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label2_0"))->palette().color(QPalette::Window), QColor(0, 0, 128));
    });
    apriDalMenu(*t.f, finestra);
    QCOMPARE(t.finta.suoni, suoni);
    const bool clessidra = caso == u"clessidra";
    QCOMPARE(dentro, clessidra ? "" : QStringLiteral("%1 1 %2").arg(finestra).arg(caso == u"partita" ? 0 : 21000));
    QCOMPARE(t.messaggi("Non posso ora.."), clessidra && finestra == u"frmThanxTo" ? 1 : 0);
    QVERIFY(!gblnFinestraAperta);
    QCOMPARE(t.f->tmrTempo.Interval(), 1000);
    // chiudendo durante il brano non lo si ferma
    QCOMPARE(t.finta.fermaSuoni > 0, caso == u"normale" || caso == u"partita");
  }

  // un click sinistro su una parte inerte chiude, le etichette attive no (e il
  // tasto destro non le attiva); la chiusura gira una volta sola comunque avvenga
  void click_data() {
    QTest::addColumn<Click>("c");
    const int sx = Qt::LeftButton, dx = Qt::RightButton;
    QTest::newRow("regole: il testo") << Click{"frmInfoRegole", "Label3", sx, true, ""};
    QTest::newRow("regole: destro sul testo") << Click{"frmInfoRegole", "Label3", dx, false, ""};
    QTest::newRow("codice: il titolo") << Click{"frmInfoCodice", "Label1", sx, true, ""};
    QTest::newRow("tastiera: un tasto") << Click{"frmInfoTastiera", "Label2_3", sx, true, ""};
    QTest::newRow("informazioni: la cornice") << Click{"frmInfoMrGorbio", "Frame1", sx, true, ""};
    QTest::newRow("informazioni: Esc") << Click{"frmInfoMrGorbio", "Esc", 0, true, ""};
    QTest::newRow("ringraziamenti: la pagina") << Click{"frmThanxTo", "lblTesto", sx, true, ""};
    QTest::newRow("ringraziamenti: freccia avanti") << Click{"frmThanxTo", "imgFreccia_2", sx, false, ""};
    QTest::newRow("sito del Veltrak") << Click{"frmInfoMrGorbio", "lblLinkVeltrakWebSite", sx, false, "link:" + TESTO_SITO_VELTRAK};
    QTest::newRow("sito del Veltrak, destro") << Click{"frmInfoMrGorbio", "lblLinkVeltrakWebSite", dx, false, ""};
    QTest::newRow("info Veltrak, centrale") << Click{"frmInfoMrGorbio", "lblInfoVeltrak", Qt::MiddleButton, false, "finestra:frmVeltrak"};
    QTest::newRow("info Veltrak, destro") << Click{"frmInfoMrGorbio", "lblInfoVeltrak", dx, false, ""};
    QTest::newRow("sito dell'amico") << Click{"frmThanxTo", "lblLink", sx, false, "link:" + TESTO_SITO_AMICO};
    QTest::newRow("sito dell'amico, destro") << Click{"frmThanxTo", "lblLink", dx, false, ""};
  }
  void click() {
    QFETCH(Click, c);
    Tavolo t;
    t.finta.modaliVisibili = true;
    // il brano suona: l'attivazione dei ringraziamenti non attende
    t.f->tmrWaveMp3.setInterval(22000);
    gblnPartitaInCorso = true;
    bool aperta = true;
    t.finta.azioniModali.append([&](QDialog* d) {
      if (c.parte == u"Esc") QTest::keyClick(d, Qt::Key_Escape);
      else QTest::mouseClick(d->findChild<QWidget*>(c.parte), static_cast<Qt::MouseButton>(c.tasto), {}, QPoint(2, 2));
      aperta = d->isVisible();
      d->close();
      d->reject();
    });
    apriDalMenu(*t.f, c.finestra);
    QCOMPARE(aperta, !c.chiude);
    const QStringList effetti = t.finta.eventi.filter(QRegularExpression("^(link:|finestra:frmV)"));
    QCOMPARE(effetti, c.effetto.isEmpty() ? QStringList{} : QStringList{c.effetto});
    // la ripresa dei timer attende 0,25 s: una volta sola
    QCOMPARE(t.finta.eventi.count(QStringLiteral("attesa:250")), 1);
    QCOMPARE(t.f->tmrTempo.Interval(), 1000);
  }

  // un giro di frecce (1 indietro, 2 avanti) da pagina 1: pagina, testo e frecce visibili dopo ogni clic
  void pagineDeiRingraziamenti() {
    AmbienteTest amb;
    frmThanxTo t;
    const QStringList attesi = {"1 >", "1 >", "2 <>", "3 <", "3 <", "2 <>", "1 >"};
    const QString clic = QStringLiteral(" 122211");
    for (qsizetype i = 0; i < clic.size(); ++i) {
      if (i > 0) t.imgFreccia_Click(clic[i].digitValue());
      const int pagina = attesi[i].left(1).toInt();
      QCOMPARE(t.lblTesto->text(), TESTI_GRAZIE[static_cast<std::size_t>(pagina - 1)]);
      QCOMPARE(t.lblPag->text(), QStringLiteral("%1 di 3").arg(pagina));
      QCOMPARE(attesi[i].left(2) + (t.imgFreccia(1)->isHidden() ? "" : "<") + (t.imgFreccia(2)->isHidden() ? "" : ">"), attesi[i]);
    }
  }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
