// Le finestre della classifica e i comandi F5/F6, guidati come un giocatore.
#include <QtTest>

#include <QDialog>
#include <QPushButton>
#include <memory>

#include "app/finestre.h"
#include "play/frmgioco.h"
#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "ui/aspetto.h"

namespace {

// Un gioco con cinque giocatori in classifica (900..500) in una cartella temporanea.
struct Gioco {
  AmbienteTest amb;
  QTemporaryDir dir;
  std::unique_ptr<frmGioco> f;
  PiattaformaFinta& finta = amb.finta;
  Gioco() {
    psubImpostaPercorsi(dir.path());
    QByteArray nome = "[Nome]\r\n", info = "[Info]\r\n", punti = "[Punteggio]\r\n";
    for (int p = 1; p <= 5; ++p) {
      const QByteArray k = QByteArray::number(p) + '=';
      nome += k + "Nome" + QByteArray::number(p) + "\r\n";
      info += k + QByteArray::number(10 - p) + "\xC2\xB0 round\r\n";
      punti += k + QByteArray::number(1000 - 100 * p) + "\r\n";
    }
    scriviFile(gstrFileIni, "[Toob]\r\nk=3\r\n" + nome + info + punti);
    f = std::make_unique<frmGioco>();
  }
  void inPartita() {
    gblnPartitaInCorso = true;
    psubRiprendiTimer();
  }
  void nellaFinestra(std::function<void(QDialog*)> a) { finta.azioniModali.append(std::move(a)); }
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

void clic(QDialog* d, const char* pulsante) { QTest::mouseClick(d->findChild<QPushButton*>(pulsante), Qt::LeftButton); }

}  // namespace

class TestFrmClassifica : public QObject {
  Q_OBJECT

private slots:
  void menuF5eF6() {
    Gioco g;
    gintPosizioneClassifica = 2;
    // con la clessidra i due comandi non fanno nulla
    g.f->setMousePointer(PUNTATORE_CLESSIDRA);
    g.f->mnuClassificaVisualizza->trigger();
    g.f->mnuClassificaResetta->trigger();
    QCOMPARE(g.finta.eventi, QStringList());
    QCOMPARE(gintPosizioneClassifica, 2);
    // senza, F5 mostra la tabella e nessuna riga e' piu' quella appena inserita
    g.f->setMousePointer(PUNTATORE_NORMALE);
    QStringList viste;
    g.nellaFinestra([&](QDialog* d) {
      QCOMPARE(d->windowTitle(), " Veltrak Mr.Gorbio 1.0 - Classifica");
      viste = righe(d);
    });
    g.f->mnuClassificaVisualizza->trigger();
    QCOMPARE(viste.first(), "Nome1|9° round|900");
    QCOMPARE(viste.filter("*"), QStringList());
    QCOMPARE(gintPosizioneClassifica, 0);
    QCOMPARE(g.finta.suoni, QStringList({"ID_36", "ID_25"}));
  }

  void inserimento_data() {
    QTest::addColumn<int>("punteggio");
    QTest::addColumn<int>("posto");
    QTest::newRow("pari al terzo: sopra di lui") << 700 << 3;
    QTest::newRow("pari al quinto: il vecchio quinto sparisce") << 500 << 5;
    QTest::newRow("record") << 1000 << 1;
  }
  void inserimento() {
    QFETCH(int, punteggio);
    QFETCH(int, posto);
    Gioco g;
    g.f->mlngPunteggio = punteggio;
    g.f->lblRound->setText("12");
    psubLeggiClassifica();
    // annullare o dare solo spazi ripropone la domanda
    g.finta.testiInput = {"", "   ", "  mARIO rOSSI "};
    QStringList viste;
    g.nellaFinestra([&](QDialog* d) { viste = righe(d); });
    g.f->msubAggiornaClassifica();
    QCOMPARE(g.finta.prompt, QStringList(3, "Inserisci il tuo nome...\r\n\r\n(Max 12 caratteri)"));
    QCOMPARE(gintPosizioneClassifica, posto);
    // la finestra rilegge il file: la nuova voce al suo posto, lei sola in evidenza
    QCOMPARE(viste[posto - 1], QStringLiteral("Mario Rossi*|12° round*|%1*").arg(punteggio));
    QCOMPARE(viste.filter("*").size(), 1);
    const QString scesa = QStringLiteral("Nome%1|%2° round|%3").arg(posto).arg(10 - posto).arg(1000 - 100 * posto);
    if (posto < 5) QCOMPARE(viste[posto], scesa);
  }

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
    Gioco g;
    g.inPartita();
    int tempoDentro = -1;
    g.nellaFinestra([&](QDialog* d) {
      tempoDentro = g.f->tmrTempo.Interval();
      if (modo == "esc") QTest::keyClick(d, Qt::Key_Escape);
      else if (modo == "close") d->close();
      else QTest::mouseClick(modo.isEmpty() ? d : d->findChild<QWidget*>(modo), Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY(!d->isVisible());
    });
    g.f->mnuClassificaVisualizza_Click();
    QCOMPARE(tempoDentro, 0);
    // un solo suono di chiusura, una pausa all'apertura e una alla chiusura
    QCOMPARE(g.finta.suoni.count("ID_25"), 1);
    QCOMPARE(g.finta.eventi.count("attesa:250"), 2);
    QCOMPARE(g.f->tmrTempo.Interval(), 1000);
    QVERIFY(!gblnFinestraAperta);
  }

  void azzeramento_data() {
    QTest::addColumn<bool>("brano");
    QTest::addColumn<QStringList>("suoni");
    QTest::addColumn<int>("msReset");
    QTest::newRow("senza brano") << false << QStringList{"ID_37", "ID_36", "ID_25"} << 4850;
    QTest::newRow("con il brano: in silenzio e piu' breve") << true << QStringList{} << 2000;
  }
  void azzeramento() {
    QFETCH(bool, brano);
    QFETCH(QStringList, suoni);
    QFETCH(int, msReset);
    Gioco g;
    if (brano) g.f->tmrWaveMp3.setInterval(22000);
    g.nellaFinestra([](QDialog* d) {
      // niente pulsante di chiusura: ne' la richiesta di chiusura ne' Esc la chiudono
      QVERIFY(!d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
      d->close();
      QTest::keyClick(d, Qt::Key_Escape);
      QVERIFY(d->isVisible());
      clic(d, "cmdConferma");
      QVERIFY(!d->isVisible());
    });
    g.f->mnuClassificaResetta_Click();
    QCOMPARE(g.finta.ora, msReset);
    QCOMPARE(g.finta.beeps, 1);
    QStringList viste;
    g.nellaFinestra([&](QDialog* d) { viste = righe(d); });
    g.f->mnuClassificaVisualizza_Click();
    QCOMPARE(viste, QStringList(5, "vuoto|vuoto|vuoto"));
    QCOMPARE(pfuncLeggiIni(gstrFileIni, "Toob", "k"), "3");
    QCOMPARE(g.finta.suoni, suoni);
    // il brano d'avvio non viene fermato
    QCOMPARE(g.finta.fermaSuoni == 0, brano);
  }
};

QTEST_MAIN(TestFrmClassifica)
#include "tst_frmclassifica.moc"
