// Lettura e scrittura dei file di profilo: i valori, e ogni byte che resta com'era.
#include <QtTest>

#include "app/modgenerale.h"
#include "persistence/profilo.h"
#include "support/aiuti.h"
#include "support/piattaformafinta.h"

class TestProfilo : public QObject {
  Q_OBJECT

private slots:
  void lettura_data() {
    // atteso: "<manca>" se non c'e'
    colonne<QByteArray, QString, QString, QString>("contenuto", "sezione", "chiave", "atteso");
    const QByteArray base = "[Nome]\r\n1=Anna\r\n2 = Bruno \r\n[Info]\r\n1=7° round\r\n";
    QTest::newRow("semplice") << base << "Nome" << "1" << "Anna";
    QTest::newRow("spazi intorno") << base << "Nome" << "2" << "Bruno";
    QTest::newRow("maiuscole nei nomi") << base << "nOME" << "1" << "Anna";
    QTest::newRow("grado in UTF-8") << base << "Info" << "1" << "7° round";
    // i file del vecchio programma sono Windows-1252
    const QByteArray windows = "[Nome]\r\n1=Nicol\xF2 \x80\x9D\r\n[Info]\r\n1=7\xB0 round\r\n";
    QTest::newRow("grado in Windows-1252") << windows << "Info" << "1" << "7° round";
    QTest::newRow("accento, euro e byte senza carattere") << windows << "Nome" << "1" << "Nicolò €\u009D";
    QTest::newRow("chiave mancante") << base << "Nome" << "3" << "<manca>";
    QTest::newRow("sezione mancante") << base << "Toob" << "k" << "<manca>";
    QTest::newRow("solo LF") << QByteArray("[A]\nk=v\n") << "A" << "k" << "v";
    QTest::newRow("solo CR") << QByteArray("[A]\rk=v\r[B]\rk=w") << "B" << "k" << "w";
    QTest::newRow("BOM in testa") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("riga senza uguale") << QByteArray("[A]\r\nspazzatura\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("sezione doppia: vale la prima") << QByteArray("[A]\r\nk=1\r\n[A]\r\nk=2\r\n") << "A" << "k" << "1";
    QTest::newRow("chiave doppia: vale la prima") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A" << "k" << "1";
    QTest::newRow("byte NUL") << QByteArray("[A]\r\nx=\0\0\r\nk=v\r\n", 16) << "A" << "k" << "v";
    QTest::newRow("binario") << QByteArray("\xff\xfe\x01\r\n[A]\r\nk=v") << "A" << "k" << "v";
    QTest::newRow("valore lungo tagliato a 254") << ("[A]\r\nk=" + QByteArray(300, 'x')) << "A" << "k"
                                                 << QString(254, u'x');
    QTest::newRow("valore vuoto") << QByteArray("[A]\r\nk=\r\n") << "A" << "k" << "";
    QTest::newRow("riga enorme") << ("[A]\r\nz=" + QByteArray(10 * 1024 * 1024, 'z') + "\r\nk=v\r\n") << "A" << "k"
                                 << "v";
  }
  void lettura() {
    const auto [contenuto, sezione, chiave, atteso] =
        dati<QByteArray, QString, QString, QString>("contenuto", "sezione", "chiave", "atteso");
    QCOMPARE(pfuncCercaValore(contenuto, sezione, chiave).value_or(QStringLiteral("<manca>")), atteso);
  }

  void scrittura_data() {
    colonne<QByteArray, QList<VoceIni>, QByteArray>("prima", "voci", "dopo");
    using V = QList<VoceIni>;
    const auto riga = [](const char* nome, const QByteArray& prima, const V& voci, const QByteArray& dopo) {
      QTest::newRow(nome) << prima << voci << dopo;
    };
    riga("sostituisce sul posto", "; nota\r\n[A]\r\nk=1\r\nj=2\r\n", {{"A", "K", "9"}},
         "; nota\r\n[A]\r\nk=9\r\nj=2\r\n");
    riga("nuova chiave in fondo alla sezione", "[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n", {{"a", "z", "5"}},
         "[A]\r\nk=1\r\nz=5\r\n\r\n[B]\r\nx=1\r\n");
    riga("nuova sezione in fondo al file", "[A]\r\nk=1\r\n", {{"Toob", "k", "1"}}, "[A]\r\nk=1\r\n[Toob]\r\nk=1\r\n");
    riga("file senza a capo finale", "[A]\r\nk=1", {{"A", "j", "2"}}, "[A]\r\nk=1\r\nj=2\r\n");
    riga("righe strane e fine riga LF intatti", "[A]\nrotta\n\x01\x02\nk=1\n", {{"A", "k", "2"}},
         "[A]\nrotta\n\x01\x02\nk=2\n");
    riga("valore con a capo non spezza il file", "[A]\r\nk=1\r\n", {{"A", "k", "x\r\n[B]"}}, "[A]\r\nk=x  [B]\r\n");
    riga("file vuoto", "", {{"S", "k", "v"}}, "[S]\r\nk=v\r\n");
    riga("sezione doppia: scrive nella prima", "[A]\r\nk=1\r\n[A]\r\nk=2\r\n", {{"A", "k", "3"}},
         "[A]\r\nk=3\r\n[A]\r\nk=2\r\n");
    riga("BOM conservato", "\xEF\xBB\xBF[A]\r\nk=1\r\n", {{"A", "k", "2"}}, "\xEF\xBB\xBF[A]\r\nk=2\r\n");
    riga("due scritture, una riga", "[A]\r\n", {{"A", "k", "1"}, {"A", "k", "2"}}, "[A]\r\nk=2\r\n");
    // ogni file si riscrive nella codifica in cui e' scritto
    riga("Windows-1252 resta Windows-1252", "[Nome]\r\n1=Nicol\xF2\x9D\r\n[Info]\r\n1=7\xB0 round\r\n",
         {{"Nome", "2", "Bellò €\u009D"}, {"Info", "2", "3° round ☺"}},
         "[Nome]\r\n1=Nicol\xF2\x9D\r\n2=Bell\xF2 \x80\x9D\r\n[Info]\r\n1=7\xB0 round\r\n2=3\xB0 round ?\r\n");
    riga("UTF-8 resta UTF-8", "[Nome]\r\n1=Nicolò\r\n", {{"Nome", "2", "Bellò €"}},
         "[Nome]\r\n1=Nicolò\r\n2=Bellò €\r\n");
  }
  void scrittura() {
    const auto [prima, voci, dopo] = dati<QByteArray, QList<VoceIni>, QByteArray>("prima", "voci", "dopo");
    QCOMPARE(pfuncApplicaScritture(prima, voci), dopo);
  }

  void fileMancanteOVuotoTerminaConMessaggio_data() {
    QTest::addColumn<bool>("vuoto");
    QTest::newRow("mancante") << false;
    QTest::newRow("vuoto") << true;
  }
  void fileMancanteOVuotoTerminaConMessaggio() {
    QFETCH(bool, vuoto);
    AmbienteTest amb;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("partita.cap"));
    if (vuoto) scriviFile(file, QByteArray());
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncLeggiIni(file, "A", "k"));
    QCOMPARE(amb.finta.ultimoMessaggio(),
             "Impossibile trovare il file:\r\n\r\n" + file + "\r\n\r\nE' necessario reinstallare l'applicazione... :(");
  }

  // i file veri: chiave mancante, piu' valori in una sostituzione, file nuovo, scrittura impossibile
  void fileVeri() {
    AmbienteTest amb;
    QTemporaryDir dir;
    const QString x = scriviFile(dir.filePath("x.ini"), "[A]\r\nk=1\r\n");
    QCOMPARE(pfuncLeggiIni(x, "A", "manca"), QStringLiteral(" "));
    QVERIFY(pfuncScriviIniTutte(x, {{"Nome", "1", "Anna"}, {"A", "k", "2"}}));
    QCOMPARE(leggiFile(x), QByteArray("[A]\r\nk=2\r\n[Nome]\r\n1=Anna\r\n"));
    // una partita salvata si crea; nessun file temporaneo resta
    QVERIFY(pfuncScriviIni(dir.filePath("nuova.cap"), "S", "k", "v"));
    QCOMPARE(leggiFile(dir.filePath("nuova.cap")), QByteArray("[S]\r\nk=v\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"nuova.cap", "x.ini"}));
    // una cartella al posto del file: la scrittura fallisce e lo dice
    QDir(dir.path()).mkdir("cartella.cap");
    QVERIFY(!pfuncScriviIni(dir.filePath("cartella.cap"), "A", "k", "v"));
    QVERIFY(QFileInfo(dir.filePath("cartella.cap")).isDir());
  }

  // le impostazioni mancanti terminano anche alla scrittura; in sola lettura tornano scrivibili
  void impostazioni() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncScriviIni(gstrFileIni, "A", "k", "v"));
    QVERIFY(!QFile::exists(gstrFileIni));
    scriviFile(gstrFileIni, "[Toob]\r\nk=1\r\n");
    QFile(gstrFileIni).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QVERIFY(pfuncScriviIni(gstrFileIni, "Toob", "k", "2"));
    QVERIFY(QFileInfo(gstrFileIni).permissions().testFlag(QFileDevice::WriteOwner));
    QCOMPARE(leggiFile(gstrFileIni), QByteArray("[Toob]\r\nk=2\r\n"));
  }
};

QTEST_GUILESS_MAIN(TestProfilo)
#include "tst_profilo.moc"
