// Le finestre informative: apertura dai menu, suoni, pausa dei timer,
// chiusura con un click, etichette attive, pagine dei ringraziamenti.
#include <QtTest>

#include "app/modgenerale.h"
#include "extras/frminfomrgorbio.h"
#include "extras/frmthanxto.h"
#include "extras/testi.h"
#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {

// La finestra principale costruita su un file impostazioni temporaneo.
bool preparaCartella(const QTemporaryDir& cartella) {
  scriviFile(cartella.path() + QStringLiteral("/Mr.Gorbio.002"),
             leggiFile(cartellaSorgenti() + QStringLiteral("/data/Mr.Gorbio.002")));
  psubImpostaPercorsi(cartella.path());
  return true;
}
struct Gioco {
  QTemporaryDir cartella;
  bool pronta = preparaCartella(cartella);
  frmGioco f;
};

// Apre una finestra dal menu come farebbe il giocatore.
void apriDalMenu(frmGioco& f, const QString& finestra) {
  if (finestra == u"frmInfoCodice") f.mnuInfoCodice_Click();
  if (finestra == u"frmInfoRegole") f.mnuInfoRegole_Click();
  if (finestra == u"frmInfoTastiera") f.mnuInfoTastiera_Click();
  if (finestra == u"frmInfoMrGorbio") f.mnuInfoGorbio_Click();
  if (finestra == u"frmThanxTo") f.mnuMain_Click(4);
}

int conta(const QStringList& elenco, const QString& voce) { return static_cast<int>(elenco.count(voce)); }

}  // namespace

class TestInfo : public QObject {
  Q_OBJECT

private slots:
  // apertura dal menu: suono, finestra aperta, timer della partita fermi, clessidra
  void apertura_data() {
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QStringList>("suoni");
    const QList<QPair<QString, QString>> finestre = {{"frmInfoCodice", "ID_31"},
                                                     {"frmInfoRegole", "ID_32"},
                                                     {"frmInfoTastiera", "ID_33"},
                                                     {"frmInfoMrGorbio", "ID_34"},
                                                     {"frmThanxTo", "ID_35"}};
    for (const auto& [finestra, suono] : finestre) {
      for (const QString caso : {"normale", "partita", "brano", "clessidra"}) {
        // il brano d'avvio non viene interrotto, la clessidra non apre nulla
        const bool muta = caso == u"brano" || caso == u"clessidra";
        QTest::addRow("%s, %s", qPrintable(finestra), qPrintable(caso))
            << finestra << caso << (muta ? QStringList{} : QStringList{suono});
      }
    }
  }
  void apertura() {
    QFETCH(QString, finestra);
    QFETCH(QString, caso);
    QFETCH(QStringList, suoni);
    AmbienteTest amb;
    Gioco g;
    if (caso == u"brano") g.f.tmrWaveMp3.setInterval(22000);
    if (caso == u"clessidra") g.f.setMousePointer(PUNTATORE_CLESSIDRA);
    gblnPartitaInCorso = caso == u"partita";
    g.f.tmrTempo.setInterval(1000);
    g.f.tmrRutto.setInterval(20000);
    bool aperta = false;
    int tempoDentro = -1;
    amb.finta.azioniModali.append([&](QDialog* d) {
      QCoreApplication::processEvents();
      QCOMPARE(d->objectName(), finestra);
      QCOMPARE(d->size(), QSize(360, 229));
      aperta = gblnFinestraAperta;
      tempoDentro = g.f.tmrTempo.Interval() + g.f.tmrRutto.Interval();
    });
    apriDalMenu(g.f, finestra);
    QCOMPARE(amb.finta.suoni, suoni);
    QCOMPARE(amb.finta.azioniModali.isEmpty(), caso != u"clessidra");
    if (caso == u"clessidra") return;
    QVERIFY(aperta);
    QVERIFY(!gblnFinestraAperta);
    QCOMPARE(tempoDentro, caso == u"partita" ? 0 : 21000);
    QCOMPARE(g.f.tmrTempo.Interval(), 1000);
    // chiudendo durante il brano non lo si ferma
    QCOMPARE(amb.finta.fermaSuoni > 0, caso != u"brano");
  }

  // un click sinistro su una parte inerte chiude, le etichette attive no (e il
  // tasto destro non le attiva); la chiusura gira una volta sola comunque avvenga
  void click_data() {
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("parte");  // "Esc" per il tasto
    QTest::addColumn<int>("tasto");
    QTest::addColumn<bool>("chiude");
    QTest::addColumn<QString>("effetto");  // link aperto o finestra mostrata
    const int sx = Qt::LeftButton;
    const int dx = Qt::RightButton;
    QTest::newRow("regole: il testo") << "frmInfoRegole"
                                      << "Label3" << sx << true << "";
    QTest::newRow("regole: l'immagine") << "frmInfoRegole"
                                        << "Image1" << sx << true << "";
    QTest::newRow("regole: destro sul testo") << "frmInfoRegole"
                                              << "Label3" << dx << false << "";
    QTest::newRow("codice: il titolo") << "frmInfoCodice"
                                       << "Label1" << sx << true << "";
    QTest::newRow("tastiera: un tasto") << "frmInfoTastiera"
                                        << "Label2_3" << sx << true << "";
    QTest::newRow("informazioni: la cornice") << "frmInfoMrGorbio"
                                              << "Frame1" << sx << true << "";
    QTest::newRow("informazioni: Esc") << "frmInfoMrGorbio"
                                       << "Esc" << 0 << true << "";
    QTest::newRow("ringraziamenti: la pagina") << "frmThanxTo"
                                               << "lblTesto" << sx << true << "";
    QTest::newRow("ringraziamenti: freccia avanti") << "frmThanxTo"
                                                    << "imgFreccia_2" << sx << false << "";
    QTest::newRow("sito del Veltrak") << "frmInfoMrGorbio"
                                      << "lblLinkVeltrakWebSite" << sx << false << "link:" + TESTO_SITO_VELTRAK;
    QTest::newRow("sito del Veltrak, destro") << "frmInfoMrGorbio"
                                              << "lblLinkVeltrakWebSite" << dx << false << "";
    QTest::newRow("info Veltrak, centrale")
        << "frmInfoMrGorbio"
        << "lblInfoVeltrak" << int(Qt::MiddleButton) << false << "finestra:frmVeltrak";
    QTest::newRow("info Veltrak, destro") << "frmInfoMrGorbio"
                                          << "lblInfoVeltrak" << dx << false << "";
    QTest::newRow("sito dell'amico") << "frmThanxTo"
                                     << "lblLink" << sx << false << "link:" + TESTO_SITO_AMICO;
    QTest::newRow("sito dell'amico, destro") << "frmThanxTo"
                                             << "lblLink" << dx << false << "";
  }
  void click() {
    QFETCH(QString, finestra);
    QFETCH(QString, parte);
    QFETCH(int, tasto);
    QFETCH(bool, chiude);
    QFETCH(QString, effetto);
    AmbienteTest amb;
    Gioco g;
    // il brano suona: l'attivazione dei ringraziamenti non attende
    g.f.tmrWaveMp3.setInterval(22000);
    gblnPartitaInCorso = true;
    bool aperta = true;
    amb.finta.azioniModali.append([&](QDialog* d) {
      if (parte == u"Esc") {
        QTest::keyClick(d, Qt::Key_Escape);
      } else {
        QWidget* w = d->findChild<QWidget*>(parte);
        QVERIFY(w);
        QTest::mouseClick(w, static_cast<Qt::MouseButton>(tasto), {}, QPoint(2, 2));
      }
      aperta = d->isVisible();
      d->close();
      d->reject();
    });
    apriDalMenu(g.f, finestra);
    QCOMPARE(aperta, !chiude);
    const QStringList effetti = amb.finta.eventi.filter(QRegularExpression("^(link:|finestra:frmV)"));
    QCOMPARE(effetti, effetto.isEmpty() ? QStringList{} : QStringList{effetto});
    // la ripresa dei timer attende 0,25 s: una volta sola
    QCOMPARE(conta(amb.finta.eventi, QStringLiteral("attesa:250")), 1);
    QCOMPARE(g.f.tmrTempo.Interval(), 1000);
  }

  void pagineDeiRingraziamenti_data() {
    QTest::addColumn<QString>("clic");  // frecce cliccate in ordine: 1 indietro, 2 avanti
    QTest::addColumn<int>("pagina");
    QTest::addColumn<bool>("indietro");
    QTest::addColumn<bool>("avanti");
    QTest::newRow("all'apertura") << "" << 1 << false << true;
    QTest::newRow("avanti da 1") << "2" << 2 << true << true;
    QTest::newRow("avanti da 2") << "22" << 3 << true << false;
    QTest::newRow("avanti da 3 non cambia") << "222" << 3 << true << false;
    QTest::newRow("indietro da 1 non cambia") << "1" << 1 << false << true;
    QTest::newRow("indietro da 3") << "221" << 2 << true << true;
    QTest::newRow("indietro da 2") << "2211" << 1 << false << true;
  }
  void pagineDeiRingraziamenti() {
    QFETCH(QString, clic);
    QFETCH(int, pagina);
    QFETCH(bool, indietro);
    QFETCH(bool, avanti);
    AmbienteTest amb;
    frmThanxTo t;
    for (const QChar c : clic) t.imgFreccia_Click(c.digitValue());
    QCOMPARE(t.lblTesto->text(), TESTI_GRAZIE[static_cast<std::size_t>(pagina - 1)]);
    QCOMPARE(t.lblPag->text(), QStringLiteral("%1 di 3").arg(pagina));
    QCOMPARE(!t.imgFreccia(1)->isHidden(), indietro);
    QCOMPARE(!t.imgFreccia(2)->isHidden(), avanti);
  }

  // tornando ai ringraziamenti il suono si ripete
  void suonoAOgniAttivazione() {
    AmbienteTest amb;
    Gioco g;
    amb.finta.azioniModali.append([&](QDialog* d) {
      QCoreApplication::processEvents();
      QEvent via(QEvent::WindowDeactivate);
      QCoreApplication::sendEvent(d, &via);
      gblnFinestraAperta = false;
      QEvent ritorno(QEvent::WindowActivate);
      QCoreApplication::sendEvent(d, &ritorno);
      QVERIFY(gblnFinestraAperta);
    });
    g.f.msubApriThanxTo();
    QCOMPARE(amb.finta.suoni, QStringList({"ID_35", "ID_35"}));
  }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
