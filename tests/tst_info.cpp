// Le finestre informative: chiusura con un click, etichette attive.
#include <QDialog>
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {

// Apre una finestra dalla sua voce di menu come farebbe il giocatore.
void apriDalMenu(frmGioco& f, const QString& finestra) {
  if (finestra == u"frmThanxTo") return f.mnuMain_Click(4);
  f.findChild<QAction*>(finestra == u"frmInfoMrGorbio" ? "mnuInfoGorbio" : QString(finestra).replace("frm", "mnu"))->trigger();
}

}  // namespace

class TestInfo : public QObject {
  Q_OBJECT

private slots:
  // un click sinistro su una parte inerte chiude, le etichette attive no (e il
  // tasto destro non le attiva); la chiusura gira una volta sola comunque avvenga
  void click_data() { tabella("info-click"); }
  void click() {
    const auto [finestra, parte, tasto, chiude, effetto] =
        dati<QString, QString, QString, bool, QString>("finestra", "parte", "tasto", "chiude", "effetto");
    const Qt::MouseButton pulsante = tasto == u"destro" ? Qt::RightButton : tasto == u"centrale" ? Qt::MiddleButton : Qt::LeftButton;
    Tavolo t;
    t.finta.modaliVisibili = true;
    // il brano suona: l'attivazione dei ringraziamenti non attende
    t.f->tmrWaveMp3.setInterval(22000);
    gblnPartitaInCorso = true;
    bool aperta = true;
    t.finta.azioniModali.append([&](QDialog* d) {
      if (parte == u"Esc") QTest::keyClick(d, Qt::Key_Escape);
      else QTest::mouseClick(d->findChild<QWidget*>(parte), pulsante, {}, QPoint(2, 2));
      aperta = d->isVisible();
      d->close();
      d->reject();
    });
    apriDalMenu(*t.f, finestra);
    QCOMPARE(aperta, !chiude);
    const QStringList effetti = t.finta.eventi.filter(QRegularExpression("^(link:|finestra:frmV)"));
    QCOMPARE(effetti, effetto.isEmpty() ? QStringList{} : QStringList{effetto});
  }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
