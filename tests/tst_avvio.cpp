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
#include "extras/frminfomrgorbio.h"
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
  QByteArray impostazioni() const { return leggiFile(dir.filePath("Mr.Gorbio.002")); }
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

struct Uscita { QSize schermo; int bit; bool altraCopia; QString messaggio; Icona icona; };

}  // namespace

class TestAvvio : public QObject {
  Q_OBJECT

private slots:
  // al minimo richiesto (800x600, 65536 colori) si parte
  void avvioCompleto() {
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = QSize(800, 600);
    amb.finta.bpp = 16;
    amb.finta.modaliVisibili = false;
    Cartella c;
    MainDa(c.dir.path());
    QVERIFY(amb.finta.messaggi.isEmpty());
    QCOMPARE(colParole.Count(), 4100);
    QVERIFY(gfrmGioco && gfrmGioco->isVisible());
    QCOMPARE(gfrmGioco->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0"));
    // attese di 0.05 e 1.2 secondi, il brano dal disco
    QVERIFY(amb.finta.eventi.contains(QStringLiteral("suono:file:Mr.Gorbio.004")));
    QCOMPARE(amb.finta.ora, 1250);
    QCOMPARE(pfuncLeggiIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k")), QStringLiteral("1"));
    // il titolo del brano resta 22 secondi dall'inizio del brano
    amb.finta.avanza(20700);
    QVERIFY(!gfrmGioco->lblTitoloWaveMp3->isHidden());
    amb.finta.avanza(200);
    QVERIFY(gfrmGioco->lblTitoloWaveMp3->isHidden() && !gfrmGioco->tmrWaveMp3.attivo());
  }

  void usciteConMessaggio_data() {
    QTest::addColumn<Uscita>("u");
    const QString schermo = QStringLiteral("La risoluzione attuale dello schermo è: %1.\r\nPer l'esecuzione di Veltrak "
                                           "Mr.Gorbio è necessaria\runa risoluzione minima di 800x600...");
    QTest::newRow("seconda copia") << Uscita{{1024, 768}, 24, true, "Veltrak Mr.Gorbio 1.0\r\n è già in esecuzione...",
                                             Icona::Informazione};
    QTest::newRow("schermo stretto") << Uscita{{799, 600}, 24, false, schermo.arg("799x600"), Icona::Esclamazione};
    QTest::newRow("schermo basso") << Uscita{{800, 599}, 24, false, schermo.arg("800x599"), Icona::Esclamazione};
    QTest::newRow("256 colori") << Uscita{{800, 600}, 8, false,
                                          "L'impostazione corrente dei colori dello schermo è: 256.\r\r\nVeltrak "
                                          "Mr.Gorbio 1.0 necessita di almeno 65536 colori...",
                                          Icona::Esclamazione};
  }
  void usciteConMessaggio() {
    QFETCH(Uscita, u);
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = u.schermo;
    amb.finta.bpp = u.bit;
    amb.finta.altraCopia = u.altraCopia;
    Cartella c;
    QVERIFY_THROWS_EXCEPTION(FineProgramma, MainDa(c.dir.path()));
    QCOMPARE(amb.finta.messaggi.size(), 1);
    QCOMPARE(amb.finta.messaggi[0].testo, u.messaggio);
    QCOMPARE(amb.finta.messaggi[0].icona, u.icona);
    QCOMPARE(amb.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Service..."));
    QVERIFY(!gfrmGioco);
    // nessun avvio contato
    QVERIFY(!c.impostazioni().contains("Toob"));
  }

  void listaCorrottaContaLAvvio() {
    AmbienteTest amb;
    Pulizia pulizia;
    Cartella c;
    scriviFile(c.dir.filePath("Mr.Gorbio.001"), "CAVOLO\r\n");
    QVERIFY_THROWS_EXCEPTION(FineProgramma, MainDa(c.dir.path()));
    QVERIFY(amb.finta.ultimoMessaggio().contains(QStringLiteral("è stato corrotto.")));
    QVERIFY(c.impostazioni().contains("[Toob]\r\nk=1\r\n"));
  }

  void contatoreDegliAvvii_data() {
    colonne<QString, int>("letto", "prossimo");
    QTest::newRow("primo avvio") << " " << 1;
    QTest::newRow("normale") << "41" << 42;
    QTest::newRow("con spazi") << " 7 " << 8;
    QTest::newRow("non numerico") << "abc" << 1;
    QTest::newRow("fuori dai 16 bit") << "99999" << 1;
    QTest::newRow("al massimo resta") << "32767" << 32767;
  }
  void contatoreDegliAvvii() {
    const auto [letto, prossimo] = dati<QString, int>("letto", "prossimo");
    QCOMPARE(pfuncProssimoAvvio(letto), prossimo);
  }

  void senzaSchedaAudio_data() {
    // errore: il controllo stesso fallisce (modulo del suono mancante)
    colonne<QByteArray, bool, bool>("valore", "errore", "avviso");
    QTest::newRow("si") << QByteArray("value=si") << false << true;
    QTest::newRow("si con spazi") << QByteArray("value= si ") << false << true;
    QTest::newRow("no") << QByteArray("value=no") << false << false;
    QTest::newRow("chiave mancante") << QByteArray() << false << false;
    QTest::newRow("controllo fallito, si") << QByteArray("value=si") << true << true;
    QTest::newRow("controllo fallito, no") << QByteArray("value=no") << true << false;
  }
  void senzaSchedaAudio() {
    const auto [valore, errore, avviso] = dati<QByteArray, bool, bool>("valore", "errore", "avviso");
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.audio = false;
    amb.finta.erroreAudio = errore;
    amb.finta.modaliVisibili = false;
    // tolta la spunta, l'avviso non tornera'
    amb.finta.azioniModali = {[](QDialog* d) { d->findChild<QCheckBox*>("chkRicordamelo")->setChecked(false); }};
    Cartella c("[frmSchedaAudioAssente.chkRicordamelo]\r\n" + valore + "\r\n");
    MainDa(c.dir.path());
    QVERIFY(gblnSchedaAudioAssente);
    QCOMPARE(amb.finta.messaggi.size(), errore ? 1 : 0);
    if (errore) {
      QCOMPARE(amb.finta.messaggi[0].testo, QStringLiteral("Errore inaspettato nella configurazione audio...\r\n"));
      QCOMPARE(amb.finta.messaggi[0].icona, Icona::Esclamazione);
    }
    QCOMPARE(amb.finta.eventi.contains(QStringLiteral("finestra:frmSchedaAudioAssente")), avviso);
    QCOMPARE(amb.finta.beeps, avviso ? 1 : 0);
    if (avviso) QVERIFY(c.impostazioni().contains("value=no"));
    QVERIFY(amb.finta.suoni.isEmpty());
    QVERIFY(gfrmGioco->lblTitoloWaveMp3->isHidden());
  }

  // qui le cornici sono classiche; con quelle spesse i controlli vanno a destra, una volta sola,
  // e nessuno resta tagliato
  void cornici_data() {
    colonne<QString, bool>("sistema", "spesse");
    QTest::newRow("questa piattaforma") << mfuncRilevaOS() << false;
    QTest::newRow("XP") << pfuncNomeSistema(2, 5, 1) << true;
  }
  void cornici() {
    const auto [sistema, spesse] = dati<QString, bool>("sistema", "spesse");
    AmbienteTest amb;
    gstrSistemaOperativo = sistema;
    frmGioco f;
    const int x = f.picScena->x();
    f.Form_Load();
    QCOMPARE(f.picScena->x(), x);
    QCOMPARE(x > 0, spesse);
    for (const QWidget* w : std::initializer_list<const QWidget*>{f.picScena, f.fraInputLettere, f.cmdGioco(3)}) {
      QVERIFY2(w->geometry().right() < f.centralWidget()->width(), qPrintable(w->objectName()));
    }
  }

  // le cinque figure della finestra d'avvio ci sono, preparate prima in un altro thread o no
  void figureDAvvio_data() {
    colonne<bool>("preparate");
    QTest::newRow("preparate prima") << true;
    QTest::newRow("lette dalla finestra") << false;
  }
  void figureDAvvio() {
    const auto [preparate] = dati<bool>("preparate");
    AmbienteTest amb;
    Cartella c;
    psubImpostaPercorsi(c.dir.path());
    if (preparate) psubPreparaImmaginiAvvio();
    frmAvvio avvio;
    for (int i = 0; i <= 4; ++i) {
      const QImage attesa(QStringLiteral(":/img/avvio_%1.png").arg(i));
      QVERIFY(!attesa.isNull());
      QCOMPARE(avvio.imgDummy(i)->pixmap().toImage(), attesa.convertToFormat(avvio.imgDummy(i)->pixmap().toImage().format()));
    }
    // un solo nome del luogo: la riga della data dice lo stesso nella finestra delle informazioni
    psubImpostaIdentita();
    frmInfoMrGorbio info;
    QCOMPARE(avvio.lblDummy(5)->text() + ' ' + gstrDataProgetto,
             info.findChild<QLabel*>(QStringLiteral("lblLuogoDataProgetto"))->text());
  }

  void schermataIniziale() {
    AmbienteTest amb;
    frmGioco f;
    QCOMPARE(f.windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0"));
    QCOMPARE(f.puntatoreLettere(), int(PUNTATORE_DIVIETO));
    QVERIFY(!f.mnuFilePausa->isEnabled() && !f.mnuFileTermina->isEnabled() && !f.mnuFileSalva->isEnabled());
    QVERIFY(f.mnuFileNuovogioco->isEnabled() && f.mnuFileCarica->isEnabled());
    for (int i = 1; i <= 3; ++i) QVERIFY(!f.cmdGioco(i)->isEnabled());
    // i comandi da F1 a F6
    const QList<QAction*> comandi = {f.mnuInfoGorbio, f.mnuFileNuovogioco,       f.mnuFilePausa,
                                     f.mnuFileTermina, f.mnuClassificaVisualizza, f.mnuClassificaResetta};
    for (int i = 0; i < comandi.size(); ++i) QCOMPARE(comandi[i]->shortcut(), QKeySequence(Qt::Key_F1 + i));
    // il pulsante che mostra la parola non si vede; la finestra non ha la X
    QVERIFY(f.lblRound->isHidden() && !f.Command1->isVisible());
    QVERIFY(!f.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(amb.finta.timerAttivi(), 0);
  }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
