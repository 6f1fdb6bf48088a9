// L'avvio: ogni uscita con il suo messaggio, il contatore degli avvii, l'avviso della scheda audio; la cache delle figure.
// totalUsed() della cache delle figure, come nelle prove di Qt
#define Q_TEST_QPIXMAPCACHE
#include <QCheckBox>
#include <QDialog>
#include <QPixmapCache>
#include <QtTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/avvio.h"
#include "app/modgenerale.h"
#include "play/frmgioco.h"
#include "persistence/impostazioni.h"
#include "persistence/scritturaatomica.h"
#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"
#include "ui/aspetto.h"
#include "ui/frmpausa.h"

namespace {

// Una cartella del programma con i cinque file dati.
struct Cartella {
  QTemporaryDir dir;
  explicit Cartella(const QByteArray& impostazioni = "[Nome]\r\n1=vuoto\r\n", int parole = 4100) {
    scriviFile(dir.filePath("Mr.Gorbio.001"), QByteArray("CAVOLO\r\n").repeated(parole));
    scriviFile(dir.filePath("Mr.Gorbio.002"), impostazioni);
    for (const char* n : {"Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) scriviFile(dir.filePath(n), "RIFF");
  }
  QByteArray impostazioni() const { return leggiFile(dir.filePath("Mr.Gorbio.002")); }
};

// La cartella in sola lettura anche per root: un tmpfs con gli stessi file, rimontato in sola lettura.
bool solaLettura(const QString& cartella) {
  const QByteArray percorso = QFile::encodeName(cartella);
  QHash<QString, QByteArray> file;
  for (const QString& n : QDir(cartella).entryList(QDir::Files)) file[n] = leggiFile(cartella + '/' + n);
  if (::mount("tmpfs", percorso.constData(), "tmpfs", 0, "size=1m") != 0) return false;
  for (auto f = file.cbegin(); f != file.cend(); ++f) scriviFile(cartella + '/' + f.key(), f.value());
  return ::mount(nullptr, percorso.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

}  // namespace

class TestAvvio : public QObject {
  Q_OBJECT

private slots:
  // al minimo richiesto (800x600, 65536 colori) si parte; il contatore degli avvii ai suoi limiti;
  // tolta la spunta, l'avviso non tornera'
  void avvioCompleto_data() { tabella("avvio-completo"); }
  void avvioCompleto() {
    const auto [audio, valore, errore, avviso, avvii, poi] =
        dati<bool, QString, bool, bool, QString, QString>("audio", "valore", "errore", "avviso", "avvii", "poi");
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = QSize(800, 600);
    amb.finta.bpp = 16;
    amb.finta.audio = audio;
    amb.finta.erroreAudio = errore;
    amb.finta.modaliVisibili = false;
    amb.finta.azioniModali = {[](QDialog* d) { d->findChild<QCheckBox*>("chkRicordamelo")->setChecked(false); }};
    const QString impostazioni = "[Toob]\r\nk=%1\r\n[frmSchedaAudioAssente.chkRicordamelo]\r\n%2\r\n";
    Cartella c(impostazioni.arg(avvii, valore).toUtf8());
    MainDa(c.dir.path());
    QCOMPARE(gstrSistemaOperativo, QString());
    QCOMPARE(gblnSchedaAudioAssente, !audio);
    // l'avviso mostrato si vede dalla spunta tolta: "value=no"
    if (errore) QCOMPARE(amb.finta.messaggi[0].icona, Icona::Esclamazione);
    QCOMPARE(c.impostazioni(), impostazioni.arg(poi, avviso ? "value=no" : valore).toUtf8());
  }

  // l'avviso della seconda copia ha l'icona d'informazione, gli altri quella d'esclamazione
  void usciteConMessaggio_data() { tabella("avvio-uscite"); }
  void usciteConMessaggio() {
    const auto [larghezza, altezza, bit, copia, parole, messaggio] =
        dati<int, int, int, bool, int, QString>("larghezza", "altezza", "bit", "copia", "parole", "messaggio");
    AmbienteTest amb;
    Pulizia pulizia;
    amb.finta.schermo = QSize(larghezza, altezza);
    amb.finta.bpp = bit;
    amb.finta.altraCopia = copia;
    Cartella c("[Nome]\r\n1=vuoto\r\n", parole);
    QVERIFY_THROWS_EXCEPTION(FineProgramma, MainDa(c.dir.path()));
    QCOMPARE(amb.finta.messaggi.size(), 1);
    QCOMPARE(amb.finta.messaggi[0].testo, QString(messaggio).replace("<001>", c.dir.filePath("Mr.Gorbio.001")));
    QCOMPARE(amb.finta.messaggi[0].icona, copia ? Icona::Informazione : Icona::Esclamazione);
    QCOMPARE(amb.finta.messaggi[0].titolo, QStringLiteral(" Veltrak Info Service..."));
    // la finestra del gioco nasce, nascosta, solo dopo tutti i controlli
    QCOMPARE(bool(gfrmGioco), parole < 4100);
    QVERIFY(!gfrmGioco || !gfrmGioco->isVisible());
    QCOMPARE(c.impostazioni().contains("[Toob]\r\nk=1\r\n"), parole < 4100);
  }

  // installato per tutti, ogni giocatore tiene le sue impostazioni in una copia fatta da quelle installate, che restano
  // intatte; con la cartella del programma scrivibile tutto come sempre
  void copiaDelGiocatore_data() { tabella("avvio-copia-giocatore"); }
  void copiaDelGiocatore() {
    const auto [programma, copia, giri, visto, scrivere] =
        dati<QString, QString, QString, QString, int>("programma", "copia", "giri", "visto", "scrivere");
    Cartella c;
    const QByteArray installate = c.impostazioni();
    QTemporaryDir giocatori;
    if (copia != u"-" && copia != u"<bloccata>") scriviFile(giocatori.filePath("a/mrgorbio/Mr.Gorbio.002"), copia.toUtf8());
    // installato per tutti: una cartella in sola lettura (per root un tmpfs rimontato cosi', per gli altri i permessi)
    // o di un altro utente in cui si puo' scrivere; root non scrive nemmeno sotto /usr
    const QByteArray cartella = QFile::encodeName(c.dir.path());
    const bool root = getuid() == 0;
    if (programma == u"ro" && root && !solaLettura(c.dir.path())) SALTA_FUORI_DA_CI("tmpfs non disponibile");
    if (programma == u"ro" && !root) {
      // il giocatore proprietario della cartella puo' ridarsi il permesso e scrivere sul posto
      if (copia == u"<bloccata>") SALTA_FUORI_DA_CI("serve root per un file installato che non si puo' scrivere");
      ::chmod(cartella.constData(), 0555);
    }
    if (programma == u"altro" && (!root || ::chown(cartella.constData(), 65534, 65534) != 0 || ::chmod(cartella.constData(), 0777) != 0))
      SALTA_FUORI_DA_CI("serve root per una cartella di un altro utente");
    QCOMPARE(pfuncInstallazioneDiSistema(c.dir.path()), programma != u"rw");
    // sotto /usr e /opt anche se si puo' scrivere (root)
    for (const char* d : {"/usr/share", "/opt"}) QVERIFY2(pfuncInstallazioneDiSistema(QString::fromUtf8(d)), d);
    const auto permessi = [&] {
      QStringList p;
      for (const char* n : {"Mr.Gorbio.001", "Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) p << QString::number(QFileInfo(c.dir.filePath(n)).permissions(), 8);
      return p;
    };
    const QStringList permessiPrima = permessi();
    auto ripristina = qScopeGuard([&] {
      qunsetenv("XDG_DATA_HOME");
      ::chmod(cartella.constData(), 0700);
      ::umount(cartella.constData());
    });
    QStringList visti;
    int messaggi = 0;
    for (const QString& g : giri.split(u' ')) {
      // una cartella del giocatore che non si puo' creare, nemmeno da root: sotto un file
      const QString casa = copia == u"<bloccata>" ? c.dir.filePath("Mr.Gorbio.001/casa") : giocatori.filePath(g);
      qputenv("XDG_DATA_HOME", QFile::encodeName(casa));
      AmbienteTest amb;
      Pulizia pulizia;
      MainDa(c.dir.path());
      psubLeggiClassifica();
      amb.finta.percorsiFile << QString();
      gfrmGioco->mnuFileCarica_Click();
      const QString dialogo = amb.finta.dialoghi.constLast().cartella;
      visti << QStringList{g, QString::number(pfuncVal(pfuncLeggiIni(gstrFileIni, "Toob", "k"))), gudtClassifica[1].Nome,
                           dialogo == c.dir.path() ? "programma" : dialogo == casa + "/mrgorbio" ? "giocatore" : dialogo}
                   .join(u' ');
      psubInserisciVoce(gudtClassifica, 1, pfuncNuovaVoce(g.toUpper() + QString::number(visti.size()), 100, 1));
      pfuncSalvaClassifica();
      // nessun altro messaggio
      const auto scrivere = std::count_if(amb.finta.messaggi.cbegin(), amb.finta.messaggi.cend(), [&](const auto& m) {
        return m.testo.startsWith("Impossibile scrivere il file:\r\n\r\n" + c.dir.filePath("Mr.Gorbio.002") + "\r\n");
      });
      QCOMPARE(amb.finta.messaggi.size(), scrivere);
      messaggi += static_cast<int>(scrivere);
    }
    QCOMPARE(visti.join(", "), visto);
    QCOMPARE(messaggi, scrivere);
    if (programma != u"rw") QCOMPARE(c.impostazioni(), installate);
    // nella propria cartella il gioco toglie il permesso di scrittura ai file dati, in quella di tutti no (i bit di
    // scrittura del file nei permessi di Qt: WriteUser no, root puo' scrivere comunque)
    constexpr uint scrittura = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (programma == u"rw") QVERIFY(std::ranges::none_of(permessi(), [](const QString& p) { return p.toUInt(nullptr, 8) & scrittura; }));
    else QCOMPARE(permessi(), permessiPrima);
    // una copia fatta non si sovrascrive, nemmeno da un'altra copia del gioco partita nello stesso istante
    const QString fatta = giocatori.filePath("a/mrgorbio/Mr.Gorbio.002");
    const QByteArray prima = leggiFile(fatta);
    QString errore;
    if (!prima.isEmpty()) QVERIFY(!pfuncCreaFile(fatta, "altro", errore) && leggiFile(fatta) == prima);
  }

  // Fusion mette nella cache delle figure la faccia di ogni pulsante, con la tavolozza nella chiave, e ogni finestra
  // aperta di nuovo ha una tavolozza nuova: con l'aspetto del gioco, dopo 40 pause disegnate la cache non cresce piu'
  // (col limite di Qt, 10 MB, cresceva per un'ora)
  void cacheDelleFigurePiena() {
    AmbienteTest amb;
    psubApplicaAspetto();
    QPixmapCache::clear();
    const auto apri = [](int volte) {
      for (int i = 0; i < volte; ++i) frmPausa().grab();
      return QPixmapCache::totalUsed();
    };
    const int dopo40 = apri(40);
    QVERIFY(dopo40 > 0);
    QCOMPARE(apri(360), dopo40);
  }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
