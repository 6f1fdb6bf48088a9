// L'animazione del Veltrak: ordine dei suoni, collegamento, satellite, chiusura.
#include <QtTest>

#include "app/timer.h"
#include "extras/frmveltrak.h"
#include "extras/testi.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

class TestFrmVeltrak : public QObject {
  Q_OBJECT

private slots:
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
    amb.finta.azioniModali.append([](QDialog*) { QCoreApplication::processEvents(); });
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
    QCOMPARE(v.lblEmail->text().remove(u' '), TESTO_RECAPITO);
    QCOMPARE(v.lblRisultato->text(), QStringLiteral("- CONTATTAMI -"));
    QVERIFY(!v.isVisible() && !v.mblnDisattivata);
  }
};

QTEST_MAIN(TestFrmVeltrak)
#include "tst_frmveltrak.moc"
