// La classifica: nomi, posti e scritture nel file; la riga nuova al suo posto nella finestra.
#include <QtTest>

#include <QDialog>

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
    t.finta.testiInput = {"", "   ", "  mARIO rOSSI "};
    QStringList viste;
    QString letta;  // la frase del lettore di schermo
    t.finta.azioniModali = {[&](QDialog* d) {
      viste = righe(d);
      letta = d->accessibleDescription();
    }};
    t.f->msubAggiornaClassifica();
    // la finestra rilegge il file: la nuova voce al suo posto, lei sola in evidenza, le altre scese
    QStringList attese;
    for (int v = 1; v <= 4; ++v) attese << QStringLiteral("Nome%1|%2° round|%3").arg(v).arg(10 - v).arg(1000 - 100 * v);
    attese.insert(posto - 1, QStringLiteral("Mario Rossi*|12° round*|%1*").arg(punteggio));
    QCOMPARE(viste, attese);
    QVERIFY2(letta.contains(QStringLiteral("%1° posto: Mario Rossi, 12° round, %2 (il tuo)").arg(posto).arg(punteggio)),
             qPrintable(letta));
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
