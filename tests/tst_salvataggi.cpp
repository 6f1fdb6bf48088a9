// Salva gioco dalla finestra principale, con i dialoghi della piattaforma finta.
#include <QtTest>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {

// Una partita in corso con PALAZZO.
struct Gioco : Tavolo {
  Gioco() : Tavolo({"PALAZZO"}) { nuovaPartita(1); }
  QString file(const QString& nome) const { return dir.filePath(nome); }
  void salva(const QString& percorso) {
    finta.percorsiFile = {percorso};
    finta.casuali = {0.37};  // r = 10
    f->mnuFileSalva_Click();
  }
};

}  // namespace

class TestSalvataggi : public QObject {
  Q_OBJECT

private slots:
  // il file che si scrive, o il messaggio col vecchio file intatto
  void salvataggio_data() { tabella("salvataggi-salvataggio"); }
  void salvataggio() {
    const auto [nome, prima, scritto] = dati<QString, int, QString>("nome", "prima", "scritto");
    Gioco g;
    const QString percorso = g.file(nome);
    const QByteArray vecchio = "[Altro]\r\nx=" + QByteArray(prima, '1') + "\r\n";
    if (prima > 0) scriviFile(percorso, vecchio);
    // temporanei lasciati da altri: quello d'un processo morto si toglie, quello d'uno vivo (init) resta
    const QString vivo = scritto + ".nuovo-1-0";
    if (!scritto.isEmpty()) scriviFile(g.file(vivo), "x"), scriviFile(g.file(scritto + ".nuovo-4194302-0"), "x");
    g.salva(percorso);
    // nella cartella solo il file scritto, quello che c'era gia' e il temporaneo del vivo
    QStringList rimasti = QDir(g.dir.path()).entryList(QDir::Files | QDir::Hidden);
    rimasti.removeIf([](const QString& n) { return n.startsWith(u"Mr.Gorbio.00"); });
    QStringList attesi = QStringList{scritto, prima > 0 ? nome : QString(), scritto.isEmpty() ? QString() : vivo}.filter(QRegularExpression("."));
    attesi.sort();
    attesi.removeDuplicates();
    QCOMPARE(rimasti, attesi);
    QCOMPARE(g.finta.ultimoMessaggio(), scritto.isEmpty() ? "Impossibile salvare la partita nel file:\r\n\r\n" + percorso
                                                          : "La partita viene salvata nel file: \r\n" + g.file(scritto));
    QCOMPARE(g.finta.messaggi.constLast().icona, scritto.isEmpty() ? Icona::Esclamazione : Icona::Informazione);
    if (prima > 0 && scritto.isEmpty()) QCOMPARE(leggiFile(percorso), vecchio);
    // quello che si salva si ricarica
    if (!scritto.isEmpty()) {
      g.finta.percorsiFile = {g.file(scritto)};
      g.f->mnuFileCarica_Click();
      QVERIFY2(g.finta.ultimoMessaggio().startsWith(u"La partita è stata caricata !"), qPrintable(g.finta.ultimoMessaggio()));
    }
  }
};

QTEST_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
