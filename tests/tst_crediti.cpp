// I titoli di coda della schermata iniziale: righe, dissolvenza, giro e pausa.
#include <QtTest>

#include "app/modgenerale.h"
#include "extras/testi.h"
#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "ui/aspetto.h"

namespace {

constexpr double S = 2405;  // altezza del box in twip
constexpr double H = 255;   // altezza di una riga in twip

// La finestra principale costruita su un file impostazioni temporaneo.
struct Gioco {
  Gioco() {
    scriviFile(cartella.path() + QStringLiteral("/Mr.Gorbio.002"),
               leggiFile(cartellaSorgenti() + QStringLiteral("/data/Mr.Gorbio.002")));
    psubImpostaPercorsi(cartella.path());
  }
  QTemporaryDir cartella;
};

}  // namespace

class TestCrediti : public QObject {
  Q_OBJECT

private slots:
  // dieci righe in colonna appena sotto il bordo; un nuovo Form_Load le riusa
  void righeAllAvvio() {
    AmbienteTest amb;
    Gioco g;
    frmGioco f;
    const QStringList attesi = {
        "Veltrak Mr.Gorbio 1.0",      "programma realizzato da",      TESTO_FIRMA, "", "Per informazioni, commenti,",
        "errori o altro scrivete a:", " - " + TESTO_RECAPITO + " - ", "",          "", "Premere F2 per iniziare..."};
    QLabel* decima = f.lblCrediti(10);
    f.setTopCrediti(10, 100);
    f.Form_Load();
    QCOMPARE(f.picContenitoreCrediti->findChildren<QLabel*>().size(), 10);
    QCOMPARE(f.lblCrediti(10), decima);
    for (int i = 1; i <= 10; ++i) {
      QLabel* riga = f.findChild<QLabel*>(QStringLiteral("lblCrediti_%1").arg(i));
      QVERIFY(riga);
      QCOMPARE(riga->text(), attesi[i - 1]);
      QCOMPARE(f.topCrediti(i), S + H * (i - 1));
      QCOMPARE(riga->geometry().topLeft(), QPoint(0, tw(S + H * (i - 1))));
    }
  }

  // uno scatto: colore secondo l'altezza, poi su di un twip; in cima rientra in basso
  void unoScatto_data() {
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("dopo");
    QTest::addColumn<QColor>("colore");
    const QColor invariato(1, 2, 3);  // fuori dal box la riga tiene il suo colore
    QTest::newRow("in mezzo: colore pieno") << S / 2 << S / 2 - 1 << QColor(255, 240, 50);
    QTest::newRow("un quarto dal basso") << S * 3 / 4 << S * 3 / 4 - 1 << QColor(128, 120, 25);
    QTest::newRow("un quarto dall'alto") << S / 4 << S / 4 - 1 << QColor(128, 120, 25);
    QTest::newRow("un ottavo dal basso: 12,5 va al pari") << S * 7 / 8 << S * 7 / 8 - 1 << QColor(64, 60, 12);
    QTest::newRow("sul bordo inferiore: nero") << S << S - 1 << QColor(0, 0, 0);
    QTest::newRow("sul bordo superiore: nero") << 0.0 << -1.0 << QColor(0, 0, 0);
    QTest::newRow("sotto il box") << S + 1 << S << invariato;
    QTest::newRow("sopra il box") << -1.0 << -2.0 << invariato;
    QTest::newRow("a meno l'altezza rientra nello stesso scatto") << -H << S + 119 << invariato;
    QTest::newRow("oltre meno l'altezza") << -H - 7 << S + 119 << invariato;
    QTest::newRow("un twip prima resta sopra") << -H + 1 << -H << invariato;
  }
  void unoScatto() {
    QFETCH(double, top);
    QFETCH(double, dopo);
    QFETCH(QColor, colore);
    AmbienteTest amb;
    Gioco g;
    frmGioco f;
    psubColoreTesto(f.lblCrediti(4), QColor(1, 2, 3));
    f.setTopCrediti(4, top);
    f.tmrCrediti_Timer();
    QCOMPARE(pfuncColoreTesto(f.lblCrediti(4)), colore);
    QCOMPARE(f.topCrediti(4), dopo);
    QCOMPARE(f.lblCrediti(4)->y(), tw(dopo));
  }

  // la colonna sale in blocco di un twip ogni 25 ms; nascosta si ferma e poi riprende da li'
  void nascondiEPoiVisualizza() {
    AmbienteTest amb;
    Gioco g;
    frmGioco f;
    f.Form_Activate();
    QCOMPARE(f.tmrCrediti.Interval(), 25);
    amb.finta.avanza(25 * 60);
    f.msubGestioneCrediti(QStringLiteral("nascondi"));
    QVERIFY(f.picContenitoreCrediti->isHidden());
    for (int i = 1; i <= 10; ++i) QVERIFY(f.lblCrediti(i)->isHidden());
    amb.finta.avanza(25 * 60);
    QCOMPARE(f.topCrediti(1), S - 60);

    f.msubGestioneCrediti(QStringLiteral("visualizza"));
    QVERIFY(!f.picContenitoreCrediti->isHidden());
    // tutta la colonna torna visibile, non solo la prima riga
    for (int i = 1; i <= 10; ++i) QVERIFY(!f.lblCrediti(i)->isHidden());
    amb.finta.avanza(25 * 10);
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(f.topCrediti(i), S + H * (i - 1) - 70);
      QCOMPARE(f.lblCrediti(i)->y(), tw(S + H * (i - 1) - 70));
    }
  }
};

QTEST_MAIN(TestCrediti)
#include "tst_crediti.moc"
