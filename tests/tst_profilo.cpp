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
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("sezione");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("atteso");  // "<manca>" se non c'e'
    const QByteArray base = "[Nome]\r\n1=Anna\r\n2 = Bruno \r\n[Info]\r\n1=7° round\r\n";
    QTest::newRow("semplice") << base << "Nome" << "1" << "Anna";
    QTest::newRow("spazi intorno") << base << "Nome" << "2" << "Bruno";
    QTest::newRow("maiuscole nei nomi") << base << "nOME" << "1" << "Anna";
    QTest::newRow("grado in UTF-8") << base << "Info" << "1" << "7° round";
    QTest::newRow("chiave mancante") << base << "Nome" << "3" << "<manca>";
    QTest::newRow("sezione mancante") << base << "Toob" << "k" << "<manca>";
    QTest::newRow("solo LF") << QByteArray("[A]\nk=v\n") << "A" << "k" << "v";
    QTest::newRow("solo CR") << QByteArray("[A]\rk=v\r[B]\rk=w") << "B" << "k" << "w";
    QTest::newRow("BOM in testa") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("riga senza uguale") << QByteArray("[A]\r\nspazzatura\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("sezione doppia: vale la prima") << QByteArray("[A]\r\nk=1\r\n[A]\r\nk=2\r\n") << "A" << "k" << "1";
    QTest::newRow("chiave doppia: vale la prima") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A" << "k" << "1";
    QTest::newRow("byte NUL") << QByteArray("[A]\r\nx=\0\0\r\nk=v\r\n", 18) << "A" << "k" << "v";
    QTest::newRow("binario") << QByteArray("\xff\xfe\x01\r\n[A]\r\nk=v") << "A" << "k" << "v";
    QTest::newRow("valore lungo tagliato a 254") << ("[A]\r\nk=" + QByteArray(300, 'x')) << "A" << "k"
                                                 << QString(254, u'x');
    QTest::newRow("valore vuoto") << QByteArray("[A]\r\nk=\r\n") << "A" << "k" << "";
    QTest::newRow("riga enorme") << ("[A]\r\nz=" + QByteArray(10 * 1024 * 1024, 'z') + "\r\nk=v\r\n") << "A" << "k"
                                 << "v";
  }
  void lettura() {
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, sezione);
    QFETCH(QString, chiave);
    QFETCH(QString, atteso);
    QCOMPARE(pfuncCercaValore(contenuto, sezione, chiave).value_or(QStringLiteral("<manca>")), atteso);
  }

  void scrittura_data() {
    QTest::addColumn<QByteArray>("prima");
    QTest::addColumn<QString>("sezione");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("valore");
    QTest::addColumn<QByteArray>("dopo");
    QTest::newRow("sostituisce sul posto")
        << QByteArray("; nota\r\n[A]\r\nk=1\r\nj=2\r\n") << "A" << "K" << "9"
        << QByteArray("; nota\r\n[A]\r\nk=9\r\nj=2\r\n");
    QTest::newRow("nuova chiave in fondo alla sezione")
        << QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n") << "a" << "z" << "5"
        << QByteArray("[A]\r\nk=1\r\nz=5\r\n\r\n[B]\r\nx=1\r\n");
    QTest::newRow("nuova sezione in fondo al file")
        << QByteArray("[A]\r\nk=1\r\n") << "Toob" << "k" << "1" << QByteArray("[A]\r\nk=1\r\n[Toob]\r\nk=1\r\n");
    QTest::newRow("file senza a capo finale")
        << QByteArray("[A]\r\nk=1") << "A" << "j" << "2" << QByteArray("[A]\r\nk=1\r\nj=2\r\n");
    QTest::newRow("righe strane e fine riga LF intatti")
        << QByteArray("[A]\nrotta\n\x01\x02\nk=1\n") << "A" << "k" << "2" << QByteArray("[A]\nrotta\n\x01\x02\nk=2\n");
    QTest::newRow("valore con a capo non spezza il file")
        << QByteArray("[A]\r\nk=1\r\n") << "A" << "k" << "x\r\n[B]" << QByteArray("[A]\r\nk=x  [B]\r\n");
    QTest::newRow("file vuoto") << QByteArray() << "S" << "k" << "v" << QByteArray("[S]\r\nk=v\r\n");
    QTest::newRow("sezione doppia: scrive nella prima")
        << QByteArray("[A]\r\nk=1\r\n[A]\r\nk=2\r\n") << "A" << "k" << "3" << QByteArray("[A]\r\nk=3\r\n[A]\r\nk=2\r\n");
    QTest::newRow("BOM conservato") << QByteArray("\xEF\xBB\xBF[A]\r\nk=1\r\n") << "A" << "k" << "2"
                                    << QByteArray("\xEF\xBB\xBF[A]\r\nk=2\r\n");
  }
  void scrittura() {
    QFETCH(QByteArray, prima);
    QFETCH(QString, sezione);
    QFETCH(QString, chiave);
    QFETCH(QString, valore);
    QFETCH(QByteArray, dopo);
    QCOMPARE(pfuncApplicaScritture(prima, {{sezione, chiave, valore}}), dopo);
  }

  void dueScrittureLascianoUnaRiga() {
    const QByteArray c = pfuncApplicaScritture("[A]\r\n", {{"A", "k", "1"}, {"A", "k", "2"}});
    QCOMPARE(c, QByteArray("[A]\r\nk=2\r\n"));
  }

  // i file veri: messaggi, creazione, permessi, sostituzione atomica
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
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncLeggiIni(file, QStringLiteral("A"), QStringLiteral("k")));
    QCOMPARE(amb.finta.ultimoMessaggio(), QStringLiteral("Impossibile trovare il file:\r\n\r\n") + file +
                                              QStringLiteral("\r\n\r\nE' necessario reinstallare l'applicazione... :("));
  }

  void chiaveMancanteSiLeggeComeSpazio() {
    AmbienteTest amb;
    QTemporaryDir dir;
    const QString file = scriviFile(dir.filePath(QStringLiteral("x.ini")), "[A]\r\nk=1\r\n");
    QCOMPARE(pfuncLeggiIni(file, QStringLiteral("A"), QStringLiteral("manca")), QStringLiteral(" "));
  }

  void scritturaCreaLaPartitaSalvata() {
    AmbienteTest amb;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("nuova.cap"));
    QVERIFY(pfuncScriviIni(file, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(leggiFile(file), QByteArray("[S]\r\nk=v\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // nessun file temporaneo
  }

  void impostazioniTornanoScrivibili() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileIni, "[Toob]\r\nk=1\r\n");
    QFile(gstrFileIni).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QVERIFY(pfuncScriviIni(gstrFileIni, QStringLiteral("Toob"), QStringLiteral("k"), QStringLiteral("2")));
    QVERIFY(QFileInfo(gstrFileIni).permissions().testFlag(QFileDevice::WriteOwner));
    QCOMPARE(leggiFile(gstrFileIni), QByteArray("[Toob]\r\nk=2\r\n"));
  }

  void impostazioniMancantiTerminanoAllaScrittura() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    QVERIFY_THROWS_EXCEPTION(FineProgramma, pfuncScriviIni(gstrFileIni, QStringLiteral("A"), QStringLiteral("k"),
                                                          QStringLiteral("v")));
    QVERIFY(!QFile::exists(gstrFileIni));
  }

  void scritturaFallitaLasciaIlFileIntatto() {
    AmbienteTest amb;
    QTemporaryDir dir;
    // una cartella al posto del file: la scrittura fallisce e lo dice
    const QString percorso = dir.filePath(QStringLiteral("cartella.cap"));
    QDir().mkpath(percorso);
    QVERIFY(!pfuncScriviIni(percorso, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(QFileInfo(percorso).isDir());
  }

  void moltiValoriInUnaSolaSostituzione() {
    AmbienteTest amb;
    QTemporaryDir dir;
    const QString file = scriviFile(dir.filePath(QStringLiteral("c.ini")), "[Nome]\r\n1=vuoto\r\n");
    QVERIFY(pfuncScriviIniTutte(file, {{"Nome", "1", "Anna"}, {"Nome", "2", "Bruno"}, {"Info", "1", "3° round"}}));
    QCOMPARE(leggiFile(file), QByteArray("[Nome]\r\n1=Anna\r\n2=Bruno\r\n[Info]\r\n1=3° round\r\n"));
  }
};

QTEST_GUILESS_MAIN(TestProfilo)
#include "tst_profilo.moc"
