// L'animazione del Veltrak: ordine dei suoni, collegamento, satellite, chiusura.
#include <QtTest>

#include "app/timer.h"
#include "extras/frmveltrak.h"
#include "extras/testi.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {

// Mostra la finestra come fa la finestra delle informazioni e lascia girare l'animazione.
void mostra(PiattaformaFinta& finta, frmVeltrak& v) {
  finta.azioniModali.append([](QDialog*) { QCoreApplication::processEvents(); });
  piattaforma().mostraModale(&v);
}

// chiamata, collegamento, quattordici scambi, risposta e recapito
const QStringList SUONI =
    QStringList{"ID_27", "ID_28", "ID_29"} + QStringList(14, "ID_25") + QStringList{"ID_26", "ID_30"};

}  // namespace

class TestFrmVeltrak : public QObject {
  Q_OBJECT

private slots:
  void animazioneCompleta() {
    AmbienteTest amb;
    frmVeltrak v;
    mostra(amb.finta, v);
    QCOMPARE(amb.finta.suoni, SUONI);
    // il puntatore va nell'angolo; si chiude da sola dopo circa 15,6 s di attese piu' l'effetto
    QCOMPARE(amb.finta.eventi.first(), QStringLiteral("cursore:0,0"));
    QVERIFY(!v.isVisible());
    QVERIFY2(amb.finta.ora >= 15500 && amb.finta.ora <= 16500, qPrintable(QString::number(amb.finta.ora)));
    QCOMPARE(v.lblEmail->text().remove(u' '), TESTO_RECAPITO);
  }

  // collegamento visibile, satellite e disco mostrati ("1" o "2") a un certo momento
  void statoDuranteLAnimazione_data() {
    colonne<int, QString>("ms", "stato");
    QTest::newRow("prima del contatto") << 1000 << "0 1 1";
    QTest::newRow("collegamento arrivato") << 6000 << "1 1 2";
    QTest::newRow("dopo i quindici scambi") << 8500 << "1 2 2";
    QTest::newRow("mentre scrive il recapito") << 10500 << "0 2 1";
    QTest::newRow("satellite di nuovo fermo") << 13000 << "0 1 1";
  }
  void statoDuranteLAnimazione() {
    const auto [ms, stato] = dati<int, QString>("ms", "stato");
    AmbienteTest amb;
    frmVeltrak v;
    QString visto;
    Timer sonda([&] {
      if (!visto.isEmpty()) return;
      // una sola immagine di ciascuno alla volta
      const auto quale = [](QWidget* uno, QWidget* due) {
        return QString(uno->isHidden() == due->isHidden() ? "?" : uno->isHidden() ? "2" : "1");
      };
      visto = QStringLiteral("%1 %2 %3").arg(v.lnConnessione.Visible).arg(quale(v.imgVeltrak(1), v.imgVeltrak(2)),
                                                                            quale(v.imgDisco(1), v.imgDisco(2)));
      // la linea finisce esattamente sul satellite, qualunque sia l'arrotondamento dei passi
      if (v.lnConnessione.Visible) QCOMPARE(QPointF(v.lnConnessione.X2, v.lnConnessione.Y2), QPointF(4660, 935));
    });
    sonda.setInterval(ms);
    mostra(amb.finta, v);
    sonda.setInterval(0);
    QCOMPARE(visto, stato);
  }

  // uscire e tornare non avvia un'altra animazione; Esc non la lascia a meta' in una finestra nascosta
  void riattivazioneEdEsc() {
    AmbienteTest amb;
    frmVeltrak v;
    int scatti = 0;
    bool visibileDopo = false;
    Timer altrove([&] {
      if (++scatti == 1) {
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
    QCOMPARE(amb.finta.suoni, SUONI);
    QVERIFY(!v.isVisible() && !v.mblnDisattivata);
  }
};

QTEST_MAIN(TestFrmVeltrak)
#include "tst_frmveltrak.moc"
