// La classifica: nomi, posti e scritture nel file; le sue finestre e i comandi F5/F6, guidati come un giocatore.
#include <QtTest>

#include <QDialog>
#include <QPushButton>

#include "app/finestre.h"
#include "app/timer.h"
#include "scores/classifica.h"
#include "support/aiuti.h"
#include "support/tavolo.h"
#include "ui/aspetto.h"

namespace {

// Un tavolo con cinque giocatori in classifica: NomeP, (10-P)° round, 1000-100*P punti.
struct Classifica : Tavolo {
  Classifica() : Tavolo({"CAVOLO"}, leggiFile(GORBIO_SORGENTI "/tests/dati/classifica-piena.ini")) {
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
      celle << l->text() + (pfuncColoreTesto(l) == QColor(255, 0, 0) && l->font().bold() ? "*" : "");
    }
    r << celle.join('|');
  }
  return r;
}

const QStringList PIENA = {"900", "800", "700", "600", "500"};

// Tabella con i punteggi dati dal primo al quinto posto (nome = "N" + punteggio).
TabellaClassifica tabellaCon(const QStringList& punteggi) {
  TabellaClassifica t{};
  for (int p = 1; p <= 5; ++p) t[p] = {"N" + punteggi[p - 1], "1° round", punteggi[p - 1]};
  return t;
}
}  // namespace

class TestClassifica : public QObject {
  Q_OBJECT

private slots:
  void inserimento_data() {
    // pari al terzo: sopra di lui; pari al quinto: il vecchio quinto sparisce; record
    colonne<int, int>("punteggio", "posto");
    for (const auto& [punti, posto] : {std::pair(700, 3), std::pair(500, 5), std::pair(1000, 1)})
      QTest::addRow("%d", punti) << punti << posto;
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
    QString letta;  // la frase del lettore di schermo
    t.finta.azioniModali = {[&](QDialog* d) {
      viste = righe(d);
      letta = d->accessibleDescription();
    }};
    t.f->msubAggiornaClassifica();
    QCOMPARE(t.finta.prompt, QStringList(3, "Inserisci il tuo nome...\r\n\r\n(Max 12 caratteri)"));
    // la finestra rilegge il file: la nuova voce al suo posto, lei sola in evidenza, le altre scese
    QStringList attese;
    for (int v = 1; v <= 4; ++v) attese << QStringLiteral("Nome%1|%2° round|%3").arg(v).arg(10 - v).arg(1000 - 100 * v);
    attese.insert(posto - 1, QStringLiteral("Mario Rossi*|12° round*|%1*").arg(punteggio));
    QCOMPARE(viste, attese);
    QVERIFY2(letta.contains(QStringLiteral("%1° posto: Mario Rossi, 12° round, %2 (il tuo)").arg(posto).arg(punteggio)),
             qPrintable(letta));
  }

  // F5 durante una partita: nessuna riga in evidenza, i timer fermi dentro, la
  // chiusura, comunque avvenga, suona e fa ripartire i timer una volta sola
  void visualizza_data() {
    // clic su un nome, sullo sfondo, sul bordo; Esc; il pulsante di chiusura
    QTest::addColumn<QString>("modo");
    for (const char* modo : {"lblNome_4", "Picture1", "", "esc", "close"}) QTest::newRow(*modo ? modo : "bordo") << QString(modo);
  }
  void visualizza() {
    QFETCH(QString, modo);
    Classifica t;
    gblnPartitaInCorso = true;
    gintPosizioneClassifica = 2;
    psubRiprendiTimer();
    int tempoDentro = -1, quinta = 0;
    QStringList viste;
    t.finta.azioniModali = {[&](QDialog* d) {
      tempoDentro = t.f->tmrTempo.Interval();
      quinta = d->findChild<QLabel*>("lblNome_5")->y();
      viste = righe(d);
      if (modo == "esc") QTest::keyClick(d, Qt::Key_Escape);
      else if (modo == "close") d->close();
      else QTest::mouseClick(modo.isEmpty() ? d : d->findChild<QWidget*>(modo), Qt::LeftButton, {}, QPoint(2, 2));
      QVERIFY(!d->isVisible());
    }};
    t.f->mnuClassificaVisualizza->trigger();
    QCOMPARE(tempoDentro, 0);
    QCOMPARE(quinta, 165);  // 2480 twip
    QCOMPARE(viste.first(), "Nome1|9° round|900");
    QCOMPARE(viste.filter("*"), QStringList());
    QCOMPARE(t.finta.suoni, QStringList({"ID_36", "ID_25"}));
    // una pausa all'apertura e una alla chiusura
    QCOMPARE(t.finta.eventi.count("attesa:250"), 2);
    QCOMPARE(t.f->tmrTempo.Interval(), 1000);
    QVERIFY(!gblnFinestraAperta);
  }

  // con la clessidra F5 e F6 non fanno nulla; il reset si chiude solo confermando, poi
  // pulsanti spenti e clessidra per 4,85 s (2 s se suona il brano, in silenzio), solo dopo scrive
  void azzeramento_data() {
    colonne<bool, QStringList, int>("brano", "suoni", "durata");
    QTest::newRow("senza brano") << false << QStringList{"ID_37", "ID_36", "ID_25"} << 4850;
    QTest::newRow("con il brano") << true << QStringList{} << 2000;
  }
  void azzeramento() {
    const auto [brano, suoni, durata] = dati<bool, QStringList, int>("brano", "suoni", "durata");
    Classifica t;
    t.f->setMousePointer(PUNTATORE_CLESSIDRA);
    for (QAction* menu : {t.f->mnuClassificaVisualizza, t.f->mnuClassificaResetta}) menu->trigger();
    QCOMPARE(t.finta.eventi, QStringList());
    t.f->setMousePointer(PUNTATORE_NORMALE);
    if (brano) t.f->tmrWaveMp3.setInterval(22000);
    QStringList viste;
    QString durante;
    qint64 inizio = 0;
    const auto reset = [&](QDialog* d) {
      QVERIFY(!d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
      d->close();
      QTest::keyClick(d, Qt::Key_Escape);
      QVERIFY(d->isVisible());
      auto* conferma = d->findChild<QPushButton*>("cmdConferma");
      // poco prima della fine delle attese: pulsanti spenti, clessidra, classifica non ancora scritta
      Timer sonda([&] { durante = QStringLiteral("%1 %2 ").arg(conferma->isEnabled()).arg(d->cursor().shape()) +
                                  pfuncLeggiIni(gstrFileIni, "Nome", "1"); });
      sonda.setInterval(durata - 100);
      inizio = t.finta.ora;
      QTest::mouseClick(conferma, Qt::LeftButton);
      QVERIFY(!d->isVisible());
    };
    t.finta.azioniModali = {reset, [&](QDialog* d) { viste = righe(d); }};
    t.f->mnuClassificaResetta->trigger();
    QCOMPARE(t.finta.ora - inizio, durata);
    QCOMPARE(durante, QStringLiteral("0 %1 Nome1").arg(int(Qt::WaitCursor)));
    QCOMPARE(t.finta.beeps, 1);
    t.f->mnuClassificaVisualizza->trigger();
    QCOMPARE(viste, QStringList(5, "vuoto|vuoto|vuoto"));
    QCOMPARE(pfuncLeggiIni(gstrFileIni, "Toob", "k"), "3");
    QCOMPARE(t.finta.suoni, suoni);
    QCOMPARE(t.finta.fermaSuoni == 0, brano);
  }

  // la tabella stessa: nomi, posti e le quindici scritture nel file delle impostazioni
  void nome_data() { tabella("classifica-nome"); }
  void nome() {
    const auto [risposta, atteso] = dati<QString, QString>("risposta", "atteso");
    QCOMPARE(pfuncNormalizzaNome(risposta), atteso);
  }

  void posto_data() { tabella("classifica-posto"); }
  void posto() {
    const auto [punteggi, nuovo, posto, entra] = dati<QString, double, int, bool>("punteggi", "nuovo", "posto", "entra");
    gudtClassifica = tabellaCon(punteggi.split(u' '));
    QCOMPARE(pfuncPostoClassifica(nuovo, gudtClassifica), posto);
    QCOMPARE(pfuncSiQualifica(static_cast<qint32>(nuovo)), entra);
  }

  // una voce inserita al terzo posto: le altre scendono intere, l'ultima si perde; le sezioni
  // nuove vanno in fondo nell'ordine Nome, Punteggio, Info, lo spazio finale del nome resta
  void salvataggio() {
    AmbienteTest amb;
    QTemporaryDir dir;
    psubImpostaPercorsi(dir.path());
    scriviFile(gstrFileIni, "[Toob]\r\nk=7\r\n");
    gudtClassifica = tabellaCon(PIENA);
    psubInserisciVoce(gudtClassifica, 3, pfuncNuovaVoce("abcdefghijk lmn", 700, 12));
    QVERIFY(pfuncSalvaClassifica());
    QCOMPARE(leggiFile(gstrFileIni), leggiFile(GORBIO_SORGENTI "/tests/dati/classifica.ini"));
  }
};

QTEST_MAIN(TestClassifica)
#include "tst_classifica.moc"
