// Le finestre della classifica e i comandi F5/F6, guidati come un giocatore.
#include <QtTest>

#include <QDialog>
#include <QPushButton>

#include "app/finestre.h"
#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/tavolo.h"
#include "ui/aspetto.h"

namespace {

// Un tavolo con cinque giocatori in classifica: NomeP, (10-P)° round, 1000-100*P punti.
struct Classifica : Tavolo {
  Classifica()
      : Tavolo({QStringLiteral("CAVOLO")},
               "[Toob]\r\nk=3\r\n[Nome]\r\n1=Nome1\r\n2=Nome2\r\n3=Nome3\r\n4=Nome4\r\n5=Nome5\r\n"
               "[Info]\r\n1=9° round\r\n2=8° round\r\n3=7° round\r\n4=6° round\r\n5=5° round\r\n"
               "[Punteggio]\r\n1=900\r\n2=800\r\n3=700\r\n4=600\r\n5=500\r\n") {
    finta.modaliVisibili = true;
  }
};

// Le quindici etichette di una classifica aperta, riga per riga; "*" segna il rosso grassetto.
QStringList righe(QDialog* d) {
  QStringList r;
  for (int p = 1; p <= 5; ++p) {
    QStringList celle;
    for (const char* c : {"lblNome_%1", "lblInfo_%1", "lblPunteggio_%1"}) {
      const auto* l = d->findChild<QLabel*>(QString::fromLatin1(c).arg(p));
      const bool evidente = pfuncColoreTesto(l) == QColor(255, 0, 0) && l->font().bold();
      celle << l->text() + (evidente ? "*" : "");
    }
    r << celle.join('|');
  }
  return r;
}

}  // namespace

class TestFrmClassifica : public QObject {
  Q_OBJECT

private slots:
  void menuF5eF6() {
    Classifica t;
    gintPosizioneClassifica = 2;
    // con la clessidra i due comandi non fanno nulla
    t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    t.f->mnuClassificaVisualizza->trigger();
    t.f->mnuClassificaResetta->trigger();
    QCOMPARE(t.finta.eventi, QStringList());
    // senza, F5 mostra la tabella e nessuna riga e' piu' quella appena inserita
    t.f->setMousePointer(PUNTATORE_NORMALE);
    QStringList viste;
    t.finta.azioniModali = {[&](QDialog* d) { viste = righe(d); }};
    t.f->mnuClassificaVisualizza->trigger();
    QCOMPARE(viste.first(), "Nome1|9° round|900");
    QCOMPARE(viste.filter("*"), QStringList());
    QCOMPARE(t.finta.suoni, QStringList({"ID_36", "ID_25"}));
  }

  void inserimento_data() {
    colonne<int, int>("punteggio", "posto");
    QTest::newRow("pari al terzo: sopra di lui") << 700 << 3;
    QTest::newRow("pari al quinto: il vecchio quinto sparisce") << 500 << 5;
    QTest::newRow("record") << 1000 << 1;
  }
  void inserimento() {
    const auto [punteggio, posto] = dati<int, int>("punteggio", "posto");
    Classifica t;
    t.f->mlngPunteggio = punteggio;
    t.f->lblRound->setText("12");
    psubLeggiClassifica();
    // annullare o dare solo spazi ripropone la domanda
    t.finta.testiInput = {"", "   ", "  mARIO rOSSI "};
    QStringList viste;
    t.finta.azioniModali = {[&](QDialog* d) { viste = righe(d); }};
    t.f->msubAggiornaClassifica();
    QCOMPARE(t.finta.prompt, QStringList(3, "Inserisci il tuo nome...\r\n\r\n(Max 12 caratteri)"));
    // la finestra rilegge il file: la nuova voce al suo posto, lei sola in evidenza
    QCOMPARE(viste[posto - 1], QStringLiteral("Mario Rossi*|12° round*|%1*").arg(punteggio));
    QCOMPARE(viste.filter("*").size(), 1);
    const QString scesa = QStringLiteral("Nome%1|%2° round|%3").arg(posto).arg(10 - posto).arg(1000 - 100 * posto);
    if (posto < 5) QCOMPARE(viste[posto], scesa);
  }

  // la chiusura, comunque avvenga, suona e fa ripartire i timer una volta sola
  void chiusuraUnaVolta_data() {
    QTest::addColumn<QString>("modo");
    QTest::newRow("clic su un nome") << "lblNome_4";
    QTest::newRow("clic sullo sfondo") << "Picture1";
    QTest::newRow("clic sul bordo") << "";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("pulsante di chiusura") << "close";
  }
  void chiusuraUnaVolta() {
    QFETCH(QString, modo);
    Classifica t;
    gblnPartitaInCorso = true;
    psubRiprendiTimer();
    int tempoDentro = -1;
    t.finta.azioniModali = {[&](QDialog* d) {
      tempoDentro = t.f->tmrTempo.Interval();
      if (modo == "esc") QTest::keyClick(d, Qt::Key_Escape);
      else if (modo == "close") d->close();
      else QTest::mouseClick(modo.isEmpty() ? d : d->findChild<QWidget*>(modo), Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY(!d->isVisible());
    }};
    t.f->mnuClassificaVisualizza_Click();
    QCOMPARE(tempoDentro, 0);
    // una pausa all'apertura e una alla chiusura
    QCOMPARE(t.finta.suoni.count("ID_25"), 1);
    QCOMPARE(t.finta.eventi.count("attesa:250"), 2);
    QCOMPARE(t.f->tmrTempo.Interval(), 1000);
    QVERIFY(!gblnFinestraAperta);
  }

  // si chiude solo confermando; durante il brano d'avvio in silenzio, senza fermarlo
  void azzeramento_data() {
    colonne<bool, QStringList>("brano", "suoni");
    QTest::newRow("senza brano") << false << QStringList{"ID_37", "ID_36", "ID_25"};
    QTest::newRow("con il brano") << true << QStringList{};
  }
  void azzeramento() {
    const auto [brano, suoni] = dati<bool, QStringList>("brano", "suoni");
    Classifica t;
    if (brano) t.f->tmrWaveMp3.setInterval(22000);
    QStringList viste;
    t.finta.azioniModali = {[](QDialog* d) {
                              QVERIFY(!d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
                              d->close();
                              QTest::keyClick(d, Qt::Key_Escape);
                              QVERIFY(d->isVisible());
                              QTest::mouseClick(d->findChild<QPushButton*>("cmdConferma"), Qt::LeftButton);
                              QVERIFY(!d->isVisible());
                            },
                            [&](QDialog* d) { viste = righe(d); }};
    t.f->mnuClassificaResetta_Click();
    QCOMPARE(t.finta.beeps, 1);
    t.f->mnuClassificaVisualizza_Click();
    QCOMPARE(viste, QStringList(5, "vuoto|vuoto|vuoto"));
    QCOMPARE(pfuncLeggiIni(gstrFileIni, "Toob", "k"), "3");
    QCOMPARE(t.finta.suoni, suoni);
    QCOMPARE(t.finta.fermaSuoni == 0, brano);
  }
};

QTEST_MAIN(TestFrmClassifica)
#include "tst_frmclassifica.moc"
