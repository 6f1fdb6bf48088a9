// Le finestre informative: chiusura con un click, etichette attive, animazione del Veltrak.
#include <QtTest>

#include "app/modgenerale.h"
#include "app/timer.h"
#include "extras/frmveltrak.h"
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
    // la ripresa dei timer attende 0,25 s: una volta sola
    QCOMPARE(t.finta.eventi.count(QStringLiteral("attesa:250")), 1);
    QCOMPARE(t.f->tmrTempo.Interval(), 1000);
  }

  // l'animazione intera: suoni in ordine, puntatore nell'angolo, chiusura da sola dopo circa
  // 15,6 s di attese piu' l'effetto; uscire e tornare a 3 s non ne avvia un'altra, Esc non la
  // interrompe; ogni mezzo secondo: collegamento visibile, satellite e disco mostrati ("1" o "2")
  void animazioneCompleta() {
    AmbienteTest amb;
    frmVeltrak v;
    QMap<qint64, QString> stati;
    Timer sonda([&] {
      if (amb.finta.ora == 3000) {
        QEvent via(QEvent::WindowDeactivate), ritorno(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&v, &via);
        QCoreApplication::sendEvent(&v, &ritorno);
        QTest::keyClick(&v, Qt::Key_Escape);
      }
      // una sola immagine di ciascuno alla volta
      const auto quale = [](QWidget* uno, QWidget* due) {
        return QString(uno->isHidden() == due->isHidden() ? "?" : uno->isHidden() ? "2" : "1");
      };
      // L: la linea arriva esattamente sul satellite, qualunque sia l'arrotondamento dei passi
      const bool arrivata = QPointF(v.lnConnessione.X2, v.lnConnessione.Y2) == QPointF(4660, 935);
      stati[amb.finta.ora] = QStringLiteral("%1 %2 %3 %4").arg(v.isVisible()).arg(v.lnConnessione.Visible ? arrivata ? "L" : "l" : "0",
          quale(v.imgVeltrak(1), v.imgVeltrak(2)), quale(v.imgDisco(1), v.imgDisco(2)));
    });
    sonda.setInterval(500);
    // mostrata come fa la finestra delle informazioni, l'animazione gira da sola
    bool chiusaDaSola = false;
    amb.finta.azioniModali.append([&](QDialog*) { QCoreApplication::processEvents(); chiusaDaSola = !v.isVisible(); });
    piattaforma().mostraModale(&v);
    sonda.setInterval(0);
    // prima del contatto, ancora aperta dopo l'Esc, collegamento arrivato, dopo i quindici
    // scambi, mentre scrive il recapito, satellite di nuovo fermo
    const std::pair<int, QString> attesi[] = {{1000, "1 0 1 1"}, {3500, "1"},        {6000, "1 L 1 2"},
                                              {8500, "1 L 2 2"}, {10500, "1 0 2 1"}, {13000, "1 0 1 1"}};
    for (const auto& [ms, stato] : attesi) QCOMPARE(stati.value(ms).left(stato.size()), stato);
    // chiamata, collegamento, quattordici scambi, risposta e recapito
    QCOMPARE(amb.finta.suoni, QStringList({"ID_27", "ID_28", "ID_29"}) + QStringList(14, "ID_25") + QStringList({"ID_26", "ID_30"}));
    QCOMPARE(amb.finta.eventi.first(), QStringLiteral("cursore:0,0"));
    QVERIFY2(amb.finta.ora >= 15500 && amb.finta.ora <= 16500, qPrintable(QString::number(amb.finta.ora)));
    QCOMPARE(v.lblEmail->text(), QStringLiteral("g o r b i o @ v k . t e s t"));
    QCOMPARE(v.lblRisultato->text(), QStringLiteral("- CONTATTAMI -"));
    QVERIFY(chiusaDaSola && !v.mblnDisattivata);
    QVERIFY(amb.finta.eventi.join(u' ').contains(QStringLiteral("suono:ID_30 attesa:800")));
  }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
