// L'avvio: i controlli in ordine, ogni uscita con il suo messaggio, il contatore degli avvii,
// l'avviso della scheda audio, e la finestra del gioco pronta.
#include <QCheckBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "app/avvio.h"
#include "app/frmavvio.h"
#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {

// Una cartella del programma con i cinque file dati.
struct Cartella {
  QTemporaryDir dir;
  explicit Cartella(const QByteArray& impostazioni = "[Nome]\r\n1=vuoto\r\n") {
    QByteArray parole;
    for (int i = 0; i < 4100; ++i) parole += "CAVOLO\r\n";
    scriviFile(dir.filePath("Mr.Gorbio.001"), parole);
    scriviFile(dir.filePath("Mr.Gorbio.002"), impostazioni);
    for (const char* n : {"Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) scriviFile(dir.filePath(n), "RIFF");
  }
  QString file(const char* nome) const { return dir.filePath(QString::fromLatin1(nome)); }
};

// Main crea le finestre sul heap: si distruggono (senza chiuderle) prima che
// la piattaforma finta se ne vada.
struct Pulizia {
  ~Pulizia() {
    QList<QPointer<QWidget>> finestre;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->parentWidget()) finestre.append(w);
    }
    for (const QPointer<QWidget>& w : finestre) delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

}  // namespace

class TestAvvio : public QObject {
  Q_OBJECT

private slots:
  void avvioCompleto() {
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.modaliVisibili = false;
    Cartella c;
    MainDa(c.dir.path());
    QVERIFY(amb.finta.messaggi.isEmpty());
    QCOMPARE(colParole.Count(), 4100);
    QVERIFY(gfrmGioco && gfrmGioco->isVisible());
    QCOMPARE(gfrmGioco->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0"));
    // attese di 0.05 e 1.2 secondi, il brano dal disco, il titolo per 22 secondi
    QVERIFY(amb.finta.eventi.contains(QStringLiteral("suono:file:Mr.Gorbio.004")));
    QCOMPARE(amb.finta.ora, 1250);
    QCOMPARE(gfrmGioco->tmrWaveMp3.Interval(), 22000);
    QCOMPARE(pfuncLeggiIni(c.file("Mr.Gorbio.002"), QStringLiteral("Toob"), QStringLiteral("k")), QStringLiteral("1"));
  }

  void usciteConMessaggio_data() {
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("altraCopia");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("icona");
    QTest::newRow("seconda copia") << QSize(1024, 768) << 24 << true
                                   << "Veltrak Mr.Gorbio 1.0\r\n è già in esecuzione..." << int(Icona::Informazione);
    QTest::newRow("schermo stretto") << QSize(799, 600) << 24 << false
                                     << "La risoluzione attuale dello schermo è: 799x600.\r\nPer l'esecuzione di "
                                        "Veltrak Mr.Gorbio è necessaria\runa risoluzione minima di 800x600..."
                                     << int(Icona::Esclamazione);
    QTest::newRow("schermo basso") << QSize(800, 599) << 24 << false
                                   << "La risoluzione attuale dello schermo è: 800x599.\r\nPer l'esecuzione di "
                                      "Veltrak Mr.Gorbio è necessaria\runa risoluzione minima di 800x600..."
                                   << int(Icona::Esclamazione);
    QTest::newRow("256 colori") << QSize(800, 600) << 8 << false
                                << "L'impostazione corrente dei colori dello schermo è: 256.\r\r\nVeltrak Mr.Gorbio 1.0 "
                                   "necessita di almeno 65536 colori..."
                                << int(Icona::Esclamazione);
  }
  void usciteConMessaggio() {
    QFETCH(QSize, schermo);
    QFETCH(int, bit);
    QFETCH(bool, altraCopia);
    QFETCH(QString, messaggio);
    QFETCH(int, icona);
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = schermo;
    amb.finta.bpp = bit;
    amb.finta.altraCopia = altraCopia;
    Cartella c;
    QVERIFY_THROWS_EXCEPTION(FineProgramma, MainDa(c.dir.path()));
    QCOMPARE(amb.finta.messaggi.size(), 1);
    QCOMPARE(amb.finta.messaggi[0].testo, messaggio);
    QCOMPARE(int(amb.finta.messaggi[0].icona), icona);
    QCOMPARE(amb.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Service..."));
    QVERIFY(!gfrmGioco);
    // nessun avvio contato
    QVERIFY(!leggiFile(c.file("Mr.Gorbio.002")).contains("Toob"));
  }

  void sedicibitBastano() {
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = QSize(800, 600);
    amb.finta.bpp = 16;
    amb.finta.modaliVisibili = false;
    Cartella c;
    MainDa(c.dir.path());
    QVERIFY(amb.finta.messaggi.isEmpty());
  }

  void listaCorrottaContaLAvvio() {
    AmbienteTest amb;
    Pulizia pulizia;
    Cartella c;
    scriviFile(c.file("Mr.Gorbio.001"), "CAVOLO\r\n");
    QVERIFY_THROWS_EXCEPTION(FineProgramma, MainDa(c.dir.path()));
    QVERIFY(amb.finta.ultimoMessaggio().contains(QStringLiteral("è stato corrotto.")));
    QVERIFY(leggiFile(c.file("Mr.Gorbio.002")).contains("[Toob]\r\nk=1\r\n"));
  }

  void contatoreDegliAvvii_data() {
    QTest::addColumn<QString>("letto");
    QTest::addColumn<int>("prossimo");
    QTest::newRow("primo avvio") << " " << 1;
    QTest::newRow("normale") << "41" << 42;
    QTest::newRow("con spazi") << " 7 " << 8;
    QTest::newRow("non numerico") << "abc" << 1;
    QTest::newRow("fuori dai 16 bit") << "99999" << 1;
    QTest::newRow("al massimo resta") << "32767" << 32767;
  }
  void contatoreDegliAvvii() {
    QFETCH(QString, letto);
    QFETCH(int, prossimo);
    QCOMPARE(pfuncProssimoAvvio(letto), prossimo);
  }

  void senzaSchedaAudio_data() {
    QTest::addColumn<QByteArray>("valore");
    QTest::addColumn<bool>("avviso");
    QTest::newRow("si") << QByteArray("value=si") << true;
    QTest::newRow("si con spazi") << QByteArray("value= si ") << true;
    QTest::newRow("no") << QByteArray("value=no") << false;
    QTest::newRow("chiave mancante") << QByteArray() << false;
  }
  void senzaSchedaAudio() {
    QFETCH(QByteArray, valore);
    QFETCH(bool, avviso);
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.audio = false;
    amb.finta.modaliVisibili = false;
    // tolta la spunta, l'avviso non tornera'
    amb.finta.azioniModali = {[](QDialog* d) { d->findChild<QCheckBox*>("chkRicordamelo")->setChecked(false); }};
    Cartella c("[frmSchedaAudioAssente.chkRicordamelo]\r\n" + valore + "\r\n");
    MainDa(c.dir.path());
    QVERIFY(gblnSchedaAudioAssente);
    QCOMPARE(amb.finta.eventi.contains(QStringLiteral("finestra:frmSchedaAudioAssente")), avviso);
    QCOMPARE(amb.finta.beeps, avviso ? 1 : 0);
    if (avviso) QVERIFY(leggiFile(c.file("Mr.Gorbio.002")).contains("value=no"));
    QVERIFY(amb.finta.suoni.isEmpty());
    QVERIFY(gfrmGioco->lblTitoloWaveMp3->isHidden());
  }

  void sistemaOperativo_data() {
    QTest::addColumn<int>("piattaforma");
    QTest::addColumn<int>("maggiore");
    QTest::addColumn<int>("minore");
    QTest::addColumn<QString>("nome");
    QTest::newRow("9x") << 1 << 4 << 10 << "Win95/98/ME";
    QTest::newRow("NT 4") << 2 << 4 << 0 << "WinNT";
    QTest::newRow("2000") << 2 << 5 << 0 << "Win2000";
    QTest::newRow("XP") << 2 << 5 << 1 << "WinXP";
    QTest::newRow("NT 5.2") << 2 << 5 << 2 << "Si NT";
    QTest::newRow("5.3") << 2 << 5 << 3 << "Sconosciuto";
    QTest::newRow("6") << 2 << 6 << 0 << "Sconosciuto";
    QTest::newRow("altra") << 0 << 0 << 0 << "";
  }
  void sistemaOperativo() {
    QFETCH(int, piattaforma);
    QFETCH(int, maggiore);
    QFETCH(int, minore);
    QFETCH(QString, nome);
    QCOMPARE(pfuncNomeSistema(piattaforma, maggiore, minore), nome);
  }

  // cornici classiche o spesse: misura e spostamento una volta sola
  void misureDellaFinestra_data() {
    QTest::addColumn<QString>("sistema");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("spostamento");
    QTest::newRow("questa piattaforma") << "" << QSize(tw(4770), tw(7175)) << 0;
    QTest::newRow("Si NT") << "Si NT" << QSize(tw(4770), tw(7175)) << 0;
    QTest::newRow("WinXP") << "WinXP" << QSize(tw(4820), tw(7305)) << tw(25);
    QTest::newRow("Sconosciuto") << "Sconosciuto" << QSize(tw(4820), tw(7305)) << tw(25);
  }
  void misureDellaFinestra() {
    QFETCH(QString, sistema);
    QFETCH(QSize, area);
    QFETCH(int, spostamento);
    AmbienteTest amb;
    Pulizia pulizia;
    psubImpostaIdentita();
    gstrSistemaOperativo = sistema;
    frmGioco f;
    QCOMPARE(f.centralWidget()->size(), area);
    QCOMPARE(f.picScena->x(), spostamento);
    f.Form_Load();
    QCOMPARE(f.picScena->x(), spostamento);
    QCOMPARE(f.lblInputLettera(9)->geometry(), twRect(975, 720, 105, 360));
    QVERIFY(f.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!f.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  }

  void schermataIniziale() {
    AmbienteTest amb;
    Pulizia pulizia;
    psubImpostaIdentita();
    frmGioco f;
    QCOMPARE(f.windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0"));
    QCOMPARE(f.puntatoreLettere(), int(PUNTATORE_DIVIETO));
    QVERIFY(!f.mnuFilePausa->isEnabled() && !f.mnuFileTermina->isEnabled() && !f.mnuFileSalva->isEnabled());
    QVERIFY(f.mnuFileNuovogioco->isEnabled() && f.mnuFileCarica->isEnabled());
    QCOMPARE(f.mnuFileNuovogioco->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(f.mnuInfoGorbio->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(f.mnuInfoGorbio->text(), QStringLiteral("Veltrak Mr.Gorbio 1.00"));
    for (int i = 1; i <= 3; ++i) QVERIFY(!f.cmdGioco(i)->isEnabled());
    QCOMPARE(f.cmdGioco(2)->text(), QStringLiteral("Gioco il &Jolly"));
    QCOMPARE(f.cmdGioco(2)->toolTip(), QStringLiteral(" - 500 punti ?"));
    QCOMPARE(f.lblInputLettera(5)->toolTip(), QStringLiteral(" - 100 punti ?"));
    QVERIFY(f.lblInputLettera(6)->toolTip().isEmpty());
    QVERIFY(f.lblRound->isHidden() && !f.lblScritte_di_Stato(1)->isEnabled());
    QVERIFY(!f.Command1->isVisible());
    QCOMPARE(amb.finta.timerAttivi(), 0);
  }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
