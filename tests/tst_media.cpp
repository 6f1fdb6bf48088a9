// Suoni, attese e timer: uno alla volta, senza scheda nulla, attese che non girano a vuoto.
#include <QtTest>
#include <ctime>

#include "app/media.h"
#include "app/modgenerale.h"
#include "app/piattaformaqt.h"
#include "app/risorse.h"
#include "app/timer.h"
#include "support/piattaformafinta.h"

namespace {
double secondiCpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}
}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { psubInizializzaRisorse(); }

  void suonoAllaVolta_data() {
    QTest::addColumn<bool>("audio");
    QTest::addColumn<QStringList>("eventi");
    QTest::newRow("con la scheda") << true
                                   << QStringList{"suono:ID_22", "attesa:500", "suono:file:Mr.Gorbio.003+loop",
                                                  "suono:ID_49"};
    QTest::newRow("senza scheda: niente suoni e niente attese") << false << QStringList{};
  }
  void suonoAllaVolta() {
    QFETCH(bool, audio);
    QFETCH(QStringList, eventi);
    AmbienteTest amb;
    gblnSchedaAudioAssente = !audio;
    psubSuona(QStringLiteral("id_22"), false, ORIGINE_RISORSE, 0.5F);
    psubSuona(QStringLiteral("/x/Mr.Gorbio.003"), true, ORIGINE_DISCO, 0);
    psubSuona(QStringLiteral("ID_49"), false, ORIGINE_RISORSE, 0);
    psubSuona(QStringLiteral("id_22"), false, QStringLiteral("Altro"), 0);
    QCOMPARE(amb.finta.eventi, eventi);
    // ogni nuovo suono ferma quello che suonava
    QCOMPARE(amb.finta.fermaSuoni, audio ? 4 : 0);
    QCOMPARE(amb.finta.ora, audio ? 500 : 0);
  }

  void risorseSenzaMaiuscole_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("percorso");
    QTest::newRow("suono") << "wave" << "id_22" << ":/wave/ID_22.wav";
    QTest::newRow("suono maiuscolo") << "WAVE" << "ID_22" << ":/wave/ID_22.wav";
    QTest::newRow("immagine") << "jpg" << "id_11" << ":/jpg/ID_11.jpg";
    QTest::newRow("inesistente") << "jpg" << "id_99" << "";
    QTest::newRow("tipo sconosciuto") << "bmp" << "id_11" << "";
  }
  void risorseSenzaMaiuscole() {
    QFETCH(QString, tipo);
    QFETCH(QString, id);
    QFETCH(QString, percorso);
    QCOMPARE(pfuncPercorsoRisorsa(tipo, id), percorso);
  }

  void immagineDallaMemoria() {
    const int temporaneiPrima = QDir::temp().entryList(QDir::Files).size();
    const QPixmap p = pobjCaricaImmagini().LoadResPicture(QStringLiteral("id_11"), QStringLiteral("jpg"));
    QCOMPARE(p.size(), QSize(315, 229));
    QCOMPARE(QDir::temp().entryList(QDir::Files).size(), temporaneiPrima);
    QVERIFY(pobjCaricaImmagini().LoadResPicture(QStringLiteral("id_99"), QStringLiteral("jpg")).isNull());
  }

  // attese vere: zero non elabora eventi, una positiva li elabora, nessun giro a vuoto
  void attesaVera() {
    PiattaformaQt qt;
    impostaPiattaforma(&qt);
    bool fatto = false;
    QTimer::singleShot(0, this, [&] { fatto = true; });
    psubAttendi(0);
    QVERIFY(!fatto);
    psubAttendi(0.05F);
    QVERIFY(fatto);

    QElapsedTimer orologio;
    orologio.start();
    const double cpu = secondiCpu();
    psubAttendi(1.0F);
    const double usata = secondiCpu() - cpu;
    qInfo("attesa di 1 s: %lld ms reali, %.2f ms di processore", static_cast<long long>(orologio.elapsed()),
          usata * 1000);
    QVERIFY(orologio.elapsed() >= 1000);
    QVERIFY(orologio.elapsed() < 1500);
    QVERIFY2(usata < 0.05, "l'attesa consuma processore");
    impostaPiattaforma(nullptr);
  }

  // Interval 0 o Enabled falso = fermo; un nuovo intervallo fa ripartire il conto
  void timer() {
    AmbienteTest amb;
    int scatti = 0;
    Timer t([&] { ++scatti; });
    amb.finta.avanza(5000);
    QCOMPARE(scatti, 0);
    t.setInterval(1000);
    amb.finta.avanza(2500);
    QCOMPARE(scatti, 2);
    t.setInterval(1000);  // riparte: il mezzo secondo in corso si perde
    amb.finta.avanza(900);
    QCOMPARE(scatti, 2);
    amb.finta.avanza(100);
    QCOMPARE(scatti, 3);
    t.setEnabled(false);
    amb.finta.avanza(5000);
    QCOMPARE(scatti, 3);
    t.setEnabled(true);
    amb.finta.avanza(1000);
    QCOMPARE(scatti, 4);
    t.setInterval(0);
    amb.finta.avanza(5000);
    QCOMPARE(scatti, 4);
    QCOMPARE(amb.finta.timerAttivi(), 0);
  }

  // un'attesa dentro uno scatto fa scattare gli altri timer nel frattempo
  void scattiDuranteUnAttesa() {
    AmbienteTest amb;
    QStringList ordine;
    Timer lento([&] {
      ordine << QStringLiteral("lento");
      psubAttendi(2.5F);
    });
    Timer veloce([&] { ordine << QStringLiteral("veloce@%1").arg(amb.finta.ora); });
    lento.setInterval(1000);
    veloce.setInterval(1000);
    amb.finta.avanza(1000);
    QCOMPARE(ordine, (QStringList{"lento", "veloce@1000", "veloce@2000", "veloce@3000"}));
  }

  void effettoChiusuraChiudeLaFinestra() {
    AmbienteTest amb;
    QWidget w;
    w.resize(200, 100);
    w.show();
    const int finestrePrima = QApplication::topLevelWidgets().size();
    psubEffettoChiusura(&w, 450);
    QVERIFY(!w.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), finestrePrima);
    QVERIFY(amb.finta.ora > 0);
  }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
