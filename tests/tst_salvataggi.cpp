// Salva e carica gioco dalla finestra principale, con i dialoghi della piattaforma finta.
#include <QtTest>

#include <QPushButton>

#include "app/modgenerale.h"
#include "support/aiuti.h"
#include "support/tavolo.h"

namespace {

// Una partita in corso con PALAZZO; il caricamento ne inizia una con CANDELA.
struct Gioco : Tavolo {
  Gioco() : Tavolo({"PALAZZO", "CANDELA", "PRECIPIZIO"}) { nuovaPartita(1); }
  QString file(const QString& nome) const { return dir.filePath(nome); }
  void salva(const QString& percorso) {
    finta.percorsiFile = {percorso};
    finta.casuali = {0.37};  // r = 10
    f->mnuFileSalva_Click();
  }
  void carica(const QString& percorso) {
    f->msubTerminaGioco(false);
    finta.percorsiFile = {percorso};
    finta.casuali = {casualePer(2)};
    f->mnuFileCarica_Click();
  }
  // cio' che il giocatore vede della partita
  QStringList vista() const {
    QStringList v = {f->lblRound->text(), f->lblPunteggio->text(), f->lblLettere_da_scoprire->text(), f->lblTempo->text(),
                     QString::number(f->mintErrori), QString::number(f->cmdGioco(2)->isEnabled()), gstrParola};
    for (int i = 1; i <= 21; ++i) v << QString::number(f->lblInputLettera(i)->isEnabled());
    return v << caselle();
  }
  bool fermaENormale() const { return f->MousePointer() == PUNTATORE_NORMALE && f->tmrTempo.Interval() == 1000; }
};

}  // namespace

class TestSalvataggi : public QObject {
  Q_OBJECT

private slots:
  void salvaECaricaLaStessaPartita() {
    Gioco g;
    // annullare il dialogo, o salvare con la clessidra, non cambia nulla
    g.salva("  ");
    g.f->setMousePointer(PUNTATORE_CLESSIDRA);
    g.salva(g.file("partita"));
    g.f->setMousePointer(PUNTATORE_NORMALE);
    QVERIFY(g.finta.dialoghi.size() == 1 && g.finta.messaggi.isEmpty() && g.fermaENormale());
    QCOMPARE(QDir(g.dir.path()).entryList({"*.cap", "partita*"}), QStringList());
    g.f->lblInputLettera_Click(1);  // A: c'e'
    g.f->lblInputLettera_Click(2);  // B: primo errore
    g.f->mintMinuti = 2;
    g.f->mintSecondi = 10;
    g.f->lblTempo->setText("02 : 10");
    g.f->mlngPunteggio = -300;  // un punteggio negativo e' di una partita vera
    g.f->lblPunteggio->setText("-300");
    g.f->lblRound->setText("10");
    g.f->cmdGioco(2)->setEnabled(false);
    const QStringList prima = g.vista();
    // l'altro contenuto di un file esistente resta
    const QString percorso = scriviFile(g.file("partita.cap"), "[Altro]\r\nx=1\r\n");
    g.salva(g.file("partita"));
    const DialogoFile d = g.finta.dialoghi.constLast();
    QCOMPARE(QStringList({d.titolo, d.nomeFile, d.filtro, d.cartella, d.estensione}),
             QStringList({"Salva gioco...", "*.cap", "File di Veltrak Mr.Gorbio 1.0", g.dir.path(), "cap"}));
    QVERIFY(leggiFile(percorso).startsWith("[Altro]\r\nx=1\r\n[Veltrak Mr.Gorbio 1.0 - Partita salvata]\r\n"));

    bool fermoDuranteIlMessaggio = false;
    g.finta.allaDomanda = [&](const auto&) { fermoDuranteIlMessaggio = gblnFinestraAperta && !g.f->tmrTempo.attivo(); };
    g.carica(percorso);
    QCOMPARE(g.finta.dialoghi.constLast().titolo, QStringLiteral("Carica gioco..."));
    QCOMPARE(g.finta.eventi.mid(g.finta.eventi.size() - 2),
             QStringList({"attesa:350", "msg:La partita è stata caricata !\r\n\r\nPreparati ad iniziare..."}));
    QVERIFY(fermoDuranteIlMessaggio);
    QCOMPARE(g.vista(), prima);
    // il titolo mostra il livello del round caricato; il jolly gia' giocato resta da pagare
    QCOMPARE(g.f->windowTitle(), QStringLiteral(" Veltrak Mr.Gorbio 1.0 - Livello 2"));
    QVERIFY(g.f->mblnJollyUsato);
    QVERIFY(g.scenaE("id_01"));
    QVERIFY(gblnPartitaInCorso && !gblnFinestraAperta && g.fermaENormale());
    QVERIFY(g.finta.inatteso.isEmpty());
  }

  // rifiutato: il messaggio, poi la schermata iniziale
  void caricamentoRifiutato_data() { tabella("salvataggi-caricamento-rifiutato"); }
  void caricamentoRifiutato() {
    const auto [nome, contenuto] = dati<QString, QByteArray>("nome", "contenuto");
    Gioco g;
    const QString percorso = nome.isEmpty() ? QStringLiteral("  ") : g.file(nome);
    if (contenuto == "<cartella>") QDir(g.dir.path()).mkdir(nome);
    else if (!nome.isEmpty()) scriviFile(percorso, contenuto);
    g.carica(percorso);
    QVERIFY(!g.finta.terminato);
    QCOMPARE(g.finta.eventi.filter("msg:"), nome.isEmpty() ? QStringList() : QStringList("msg:Impossibile caricare il file:"
             "\r\n\r\n" + percorso + "\r\n\r\nIl file che si sta cercando di caricare è stato manomesso\r\n"
             "oppure non appartiene a Veltrak Mr.Gorbio 1.0."));
    if (!nome.isEmpty()) QCOMPARE(g.finta.messaggi.constLast().icona, Icona::Critica);
    // di nuovo la schermata iniziale, con i titoli di coda che scorrono
    QVERIFY(!gblnPartitaInCorso && !gblnFinestraAperta && g.f->tmrCrediti.attivo() && !g.f->tmrTempo.attivo());
  }

  // il file che si scrive, o il messaggio col vecchio file intatto
  void salvataggio_data() { tabella("salvataggi-salvataggio"); }
  void salvataggio() {
    const auto [nome, prima, scritto] = dati<QString, int, QString>("nome", "prima", "scritto");
    Gioco g;
    const QString percorso = g.file(nome);
    const QByteArray vecchio = "[Altro]\r\nx=" + QByteArray(prima, '1') + "\r\n";
    if (prima > 0) scriviFile(percorso, vecchio);
    g.salva(percorso);
    QVERIFY(g.fermaENormale());
    // nella cartella solo il file scritto e quello che c'era gia': nessun temporaneo rimasto
    QStringList rimasti = QDir(g.dir.path()).entryList(QDir::Files | QDir::Hidden);
    rimasti.removeIf([](const QString& n) { return n.startsWith(u"Mr.Gorbio.00"); });
    QStringList attesi = QStringList{scritto, prima > 0 ? nome : QString()}.filter(QRegularExpression("."));
    attesi.removeDuplicates();
    QCOMPARE(rimasti, attesi);
    QCOMPARE(g.finta.ultimoMessaggio(), scritto.isEmpty() ? "Impossibile salvare la partita nel file:\r\n\r\n" + percorso
                                                          : "La partita viene salvata nel file: \r\n" + g.file(scritto));
    QCOMPARE(g.finta.messaggi.constLast().icona, scritto.isEmpty() ? Icona::Esclamazione : Icona::Informazione);
    if (prima > 0) QCOMPARE(leggiFile(percorso), vecchio);
  }
};

QTEST_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
