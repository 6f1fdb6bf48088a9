// Lettura e scrittura dei file di profilo: i valori, e ogni byte che resta com'era.
#include <QtTest>
#include <sys/stat.h>

#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

namespace {
unsigned modo(const QString& file) {
  struct stat s {};
  return ::stat(QFile::encodeName(file).constData(), &s) == 0 ? s.st_mode & 07777 : 0;
}
}  // namespace

class TestProfilo : public QObject {
  Q_OBJECT

private slots:
  void lettura_data() { tabella("profilo-lettura"); }
  void lettura() {
    const auto [contenuto, sezione, chiave, atteso] =
        dati<QByteArray, QString, QString, QString>("contenuto", "sezione", "chiave", "atteso");
    QCOMPARE(pfuncCercaValore(contenuto, sezione, chiave).value_or(QStringLiteral("<manca>")), atteso);
  }

  void scrittura_data() { tabella("profilo-scrittura"); }
  void scrittura() {
    const auto [prima, testo, dopo] = dati<QByteArray, QString, QByteArray>("prima", "voci", "dopo");
    QList<VoceIni> voci;
    for (const QString& v : testo.split(u';')) voci.append({v.section(u'|', 0, 0), v.section(u'|', 1, 1), v.section(u'|', 2)});
    QCOMPARE(pfuncApplicaScritture(prima, voci), dopo);
  }

  // file mancante o vuoto: messaggio e fine alla lettura, e alla scrittura solo per le impostazioni.
  // Impostazioni di Windows (Windows-1252, doppioni, righe strane, niente a capo finale) scritte come
  // fa la classifica: byte per byte come il riferimento; in sola lettura (0440) tornano scrivibili (0640)
  void fileVeri() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    const QString vuoto = scriviFile(dir.filePath("vuoto.cap"), {}), manca = dir.filePath("manca.cap");
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncScriviIni(gstrFileIni, "A", "k", "v"));
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncLeggiIni(vuoto, "A", "k"));
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncLeggiIni(manca, "A", "k"));
    for (const QString& file : {gstrFileIni, vuoto, manca}) {
      QCOMPARE(amb.finta.messaggi.takeFirst().testo,
               "Impossibile trovare il file:\r\n\r\n" + file + "\r\n\r\nE' necessario reinstallare l'applicazione... :(");
    }
    QVERIFY(!QFile::exists(gstrFileIni) && !QFile::exists(manca));
    const QString riferimenti = cartellaSorgenti() + "/tests/dati/";
    scriviFile(gstrFileIni, leggiFile(riferimenti + "windows-prima.ini"));
    ::chmod(QFile::encodeName(gstrFileIni).constData(), 0440);
    QVERIFY(pfuncScriviIniTutte(gstrFileIni, {{"Toob", "k", "42"}, {"NOME", "2", "Bellò €\u009D"}, {"Nome", "1", "Anna"},
                                              {"Nome", "4", "Zeno"}, {"Info", "2", "3° round ☺"},
                                              {"Punteggio", "2", "99"}, {"Nuova", "k", "v"}}));
    QCOMPARE(leggiFile(gstrFileIni), leggiFile(riferimenti + "windows-dopo.ini"));
    QCOMPARE(modo(gstrFileIni), 0640u);
    QCOMPARE(pfuncLeggiIni(gstrFileIni, "Toob", "manca"), QStringLiteral(" "));
    // una partita salvata si crea con i permessi di sempre (0666 meno la umask); nessun temporaneo resta
    const mode_t umask = ::umask(027);
    QVERIFY(pfuncScriviIni(dir.filePath("nuova.cap"), "S", "k", "v"));
    ::umask(umask);
    QCOMPARE(leggiFile(dir.filePath("nuova.cap")), QByteArray("[S]\r\nk=v\r\n"));
    QCOMPARE(modo(dir.filePath("nuova.cap")), 0640u);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Mr.Gorbio.002", "nuova.cap", "vuoto.cap"}));
    // una cartella al posto del file: la scrittura fallisce e lo dice
    QDir(dir.path()).mkdir("cartella.cap");
    QVERIFY(!pfuncScriviIni(dir.filePath("cartella.cap"), "A", "k", "v"));
  }
};

QTEST_GUILESS_MAIN(TestProfilo)
#include "tst_profilo.moc"
