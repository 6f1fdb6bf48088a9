// L'animazione del Veltrak: ordine dei suoni, collegamento, satellite, chiusura.
#include <QtTest>

#include "app/modgenerale.h"
#include "app/timer.h"
#include "extras/frmveltrak.h"
#include "extras/testi.h"
#include "support/piattaformafinta.h"

namespace {

// Mostra la finestra come fa la finestra delle informazioni e lascia girare l'animazione.
void mostra(PiattaformaFinta& finta, frmVeltrak& v) {
  finta.azioniModali.append([](QDialog*) { QCoreApplication::processEvents(); });
  piattaforma().mostraModale(&v);
}

QStringList suoniAttesi() {
  QStringList s = {QStringLiteral("ID_27"), QStringLiteral("ID_28"), QStringLiteral("ID_29")};
  for (int i = 0; i < 14; ++i) s.append(QStringLiteral("ID_25"));
  s << QStringLiteral("ID_26") << QStringLiteral("ID_30");
  return s;
}

}  // namespace

class TestFrmVeltrak : public QObject {
  Q_OBJECT

private slots:
  void animazioneCompleta() {
    AmbienteTest amb;
    frmVeltrak v;
    mostra(amb.finta, v);
    QCOMPARE(amb.finta.suoni, suoniAttesi());
    // si chiude da sola dopo circa 15,6 s di attese piu' l'effetto
    QVERIFY(!v.isVisible());
    QVERIFY2(amb.finta.ora >= 15500 && amb.finta.ora <= 16500, qPrintable(QString::number(amb.finta.ora)));
    QCOMPARE(amb.finta.eventi.first(), QStringLiteral("cursore:0,0"));
    QCOMPARE(v.lblRisultato->text(), QStringLiteral("- CONTATTAMI -"));
    // il raggio e' tarato su un recapito di 14 caratteri, scritto spaziato
    QCOMPARE(TESTO_RECAPITO.size(), 14);
    QCOMPARE(v.lblEmail->text().size(), 27);
    QCOMPARE(v.lblEmail->text().remove(u' '), TESTO_RECAPITO);
  }

  void statoDuranteLAnimazione_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<bool>("collegamento");
    QTest::addColumn<int>("satellite");
    QTest::addColumn<int>("disco");
    QTest::newRow("prima del contatto") << 1000 << false << 1 << 1;
    QTest::newRow("collegamento arrivato") << 6000 << true << 1 << 2;
    QTest::newRow("dopo i quindici scambi") << 8500 << true << 2 << 2;
    QTest::newRow("mentre scrive il recapito") << 10500 << false << 2 << 1;
    QTest::newRow("satellite di nuovo fermo") << 13000 << false << 1 << 1;
  }
  void statoDuranteLAnimazione() {
    QFETCH(int, ms);
    QFETCH(bool, collegamento);
    QFETCH(int, satellite);
    QFETCH(int, disco);
    AmbienteTest amb;
    frmVeltrak v;
    bool visto = false;
    Timer sonda([&] {
      if (visto) return;
      visto = true;
      QCOMPARE(v.lnConnessione.Visible, collegamento);
      if (collegamento) {
        // esattamente sul satellite, qualunque sia l'arrotondamento dei passi
        QCOMPARE(v.lnConnessione.X2, 4660.0F);
        QCOMPARE(v.lnConnessione.Y2, 935.0F);
      }
      QCOMPARE(v.imgVeltrak(satellite)->isHidden(), false);
      QCOMPARE(v.imgVeltrak(3 - satellite)->isHidden(), true);
      QCOMPARE(v.imgDisco(disco)->isHidden(), false);
      QCOMPARE(v.imgDisco(3 - disco)->isHidden(), true);
    });
    sonda.setInterval(ms);
    mostra(amb.finta, v);
    sonda.setInterval(0);
    QVERIFY(visto);
  }

  // uscire e tornare non avvia un'altra animazione; Esc non la lascia a meta'
  // in una finestra nascosta
  void riattivazioneEdEsc() {
    AmbienteTest amb;
    frmVeltrak v;
    int scatti = 0;
    bool visibileDopo = false;
    Timer altrove([&] {
      ++scatti;
      if (scatti == 1) {
        QEvent via(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&v, &via);
        QEvent ritorno(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&v, &ritorno);
        QTest::keyClick(&v, Qt::Key_Escape);
      }
      if (scatti == 2) visibileDopo = v.isVisible();
    });
    altrove.setInterval(3000);
    mostra(amb.finta, v);
    altrove.setInterval(0);
    QVERIFY(visibileDopo);
    QCOMPARE(amb.finta.suoni, suoniAttesi());
    QVERIFY(!v.isVisible());
    QVERIFY(!v.mblnDisattivata);
  }
};

QTEST_MAIN(TestFrmVeltrak)
#include "tst_frmveltrak.moc"
