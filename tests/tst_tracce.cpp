// Le tracce di partite intere: ogni copione di tests/dati/tracce si gioca dall'avvio sulla piattaforma finta,
// e quello che il giocatore vede e sente dopo ogni passo deve essere la traccia di riferimento accanto.
// GORBIO_RISCRIVI_TRACCE=1 riscrive i riferimenti invece di confrontarli (vedi tools/README.md).
#include <QDialog>
#include <QMenuBar>
#include <QDir>
#include <QPointer>
#include <QScopeGuard>
#include <QSet>
#include <QtTest>

#include "app/avvio.h"
#include "app/modgenerale.h"
#include "app/timer.h"
#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "support/registratore.h"

namespace {

// Il gestore delle finestre che non da' il fuoco alle finestre del gioco finche' il copione non "attiva".
struct SenzaFuoco : QObject {
  bool eventFilter(QObject* o, QEvent* e) override {
    return o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() &&
           (e->type() == QEvent::ActivationChange || e->type() == QEvent::WindowActivate);
  }
};

const QString TRACCE = QStringLiteral(GORBIO_SORGENTI "/tests/dati/tracce/");

// Un copione in esecuzione: la cartella del gioco, il registratore, le mosse preparate.
struct Copione {
  AmbienteTest amb;
  PiattaformaFinta& finta = amb.finta;
  QTemporaryDir dir;
  Registratore reg{finta, dir.path()};
  QStringList parole{"CAVOLO"};
  int righe = 4100;  // le righe della lista di parole, ripetendo le parole date
  QByteArray impostazioni = leggiFile(cartellaSorgenti() + "/data/Mr.Gorbio.002");
  int avanzaNellInput = 0;
  // passi da fare all'inizio delle prossime attese, uno per attesa, sulla finestra dove si sono preparati
  QList<std::pair<QString, QPointer<QWidget>>> nellAttesa;
  qsizetype mPasso = 0;  // il passo in corso del copione, per la fine del programma
  QSet<qsizetype> confini;  // dove il giocatore agisce, nell'elenco degli eventi della finta
  std::unique_ptr<SenzaFuoco> senzaFuoco;

  // quello che si vede mentre un messaggio o una InputBox aspettano il giocatore
  Copione() {
    finta.allaDomanda = [this](const auto&) { reg.sonda("  (al messaggio)"); };
    finta.allAttesa = [this] {
      reg.sonda("  (nell'attesa)");
      // il giocatore che preme o clicca mentre una sequenza suona
      if (nellAttesa.isEmpty()) return;
      const auto [prossimo, dove] = nellAttesa.takeFirst();
      passo(prossimo, {}, dove ? dove.data() : gfrmGioco, true);
    };
    finta.allInput = [this] {
      reg.sonda("  (all'input)");
      finta.avanza(std::exchange(avanzaNellInput, 0));
    };
  }

  void avvio() {
    QByteArray lista;
    for (int i = 0; i < righe; ++i) lista += parole[i % parole.size()].toUtf8() + "\r\n";
    scriviFile(dir.filePath("Mr.Gorbio.001"), lista);
    scriviFile(dir.filePath("Mr.Gorbio.002"), impostazioni);
    for (const char* n : {"Mr.Gorbio.003", "Mr.Gorbio.004", "Mr.Gorbio.005"}) scriviFile(dir.filePath(n), "RIFF");
    reg.sonda("  (i file prima dell'avvio)");
    // la finestra d'avvio si vede solo durante l'avvio: la si guarda a meta'
    Timer sonda([&] { sonda.setInterval(0), reg.fine(reg.titolo("  > a meta' dell'avvio")); });
    sonda.setInterval(600);
    MainDa(dir.path());
  }

  // Un passo del copione sulla finestra data (il gioco, o il dialogo modale aperto); i sotto-passi di "modale"
  // aspettano la prossima finestra modale.
  void esegui(const QString& riga, const QStringList& sotto, QWidget* w) {
    const QString cmd = riga.section(' ', 0, 0), arg = riga.section(' ', 1);
    const QStringList args = arg.split(' ', Qt::SkipEmptyParts);
    if (cmd == u"parole") return void(parole = args);
    if (cmd == u"righe") return void(righe = arg.toInt());
    if (cmd == u"schermo")
      return void(finta.schermo = arg == u"guasto" ? QSize() : QSize(arg.section('x', 0, 0).toInt(), arg.section('x', 1).toInt()));
    if (cmd == u"impostazioni") return void(impostazioni = leggiFile(TRACCE + arg));
    if (cmd == u"audio") return void((arg == u"errore" ? finta.erroreAudio : finta.audio) = arg != u"no");
    if (cmd == u"scegli") return void(finta.casuali.append((arg.toInt() - 1) / 4099.0));
    if (cmd == u"casuali") {
      for (const QString& r : args) finta.casuali.append(r.toDouble());
      return;
    }
    if (cmd == u"risposte") {
      for (const QString& r : args) finta.risposte << (r == u"Si" ? Risposta::Si : Risposta::No);
      return;
    }
    if (cmd == u"input") return void(finta.testiInput << arg);
    if (cmd == u"file") return void(finta.percorsiFile << (arg.isEmpty() || arg == u"!" ? arg : dir.filePath(arg)));
    if (cmd == u"nell-input") return void(avanzaNellInput = arg.toInt());
    if (cmd == u"nell-attesa") return void(nellAttesa.append({arg, w}));
    if (cmd == u"senza-fuoco") return qApp->installEventFilter((senzaFuoco = std::make_unique<SenzaFuoco>()).get());
    if (cmd == u"modale") {
      // "modale <passo>; <passo>": i sotto-passi sulla stessa riga
      finta.azioniModali << [this, sotto = arg.isEmpty() ? sotto : arg.split(QStringLiteral("; "))](QDialog* d) {
        // quello che la finestra fa appena aperta (in coda) viene prima del giocatore, se non agisce "subito"
        const bool subito = sotto.value(0) == u"subito";
        if (!subito) QCoreApplication::processEvents();
        reg.fine(reg.titolo("  finestra " + d->objectName()));
        for (const QString& s : sotto.mid(subito ? 1 : 0)) passo(s, {}, d, true);
      };
      return;
    }
    if (cmd == u"avvio") avvio();
    if (cmd == u"copia") scriviFile(dir.filePath(arg), leggiFile(TRACCE + arg));
    // il gestore delle finestre che la porta in primo piano
    if (cmd == u"attiva") {
      // senza fuoco Qt la crede gia' attiva: la si toglie perche' l'attivazione arrivi
      if (senzaFuoco) senzaFuoco.reset(), QApplication::setActiveWindow(nullptr);
      QApplication::setActiveWindow(w);
    }
    if (cmd == u"avanza") finta.avanza(arg.toInt());
    // uno scatto del conto alla rovescia gia' in coda quando si apre un dialogo
    if (cmd == u"scatto-tempo") gfrmGioco->tmrTempo_Timer();
    if (cmd == u"tasti") {
      // come dalla tastiera vera: al controllo col fuoco, e di li' su fino alla finestra
      for (const QChar c : arg) {
        confini.insert(finta.eventi.size());
        QWidget* fuoco = QApplication::focusWidget();
        QTest::keyClick(fuoco && fuoco->window() == w ? fuoco : w, c.toLatin1());
      }
    }
    if (cmd == u"tasto") {
      // chiuso un dialogo, la finestra sotto torna attiva (le scorciatoie valgono solo li')
      QApplication::setActiveWindow(w);
      const QKeyCombination k = QKeySequence::fromString(arg)[0];
      auto* barra = w->findChild<QMenuBar*>();
      QKeyEvent alt(QEvent::KeyPress, k.key(), k.keyboardModifiers());
      // Alt+F4 termina il programma: l'eccezione della finta non deve attraversare QApplication::notify
      if (k.key() == Qt::Key_F4 && k.keyboardModifiers() == Qt::AltModifier) w->eventFilter(w, &alt);
      // un menu aperto, o la barra dei menu che si percorre con le frecce, prende i tasti
      else QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                           : barra && barra->activeAction() ? barra : w, k.key(), k.keyboardModifiers());
    }
    if (cmd == u"clic" || cmd == u"trascina") {
      QWidget* c = w->findChild<QWidget*>(args.value(0));
      QVERIFY2(c, qPrintable(riga));
      // tra la pressione e il rilascio si vede il puntatore premuto
      const Qt::MouseButton b = args.value(1) == u"destro" ? Qt::RightButton : args.value(1) == u"centrale" ? Qt::MiddleButton : Qt::LeftButton;
      const QPointer<QWidget> viva(c);
      QTest::mousePress(c, b, {}, QPoint(2, 2));
      reg.sonda("  (premuto)");
      // trascinando, il mouse si muove sul controllo prima di lasciare il tasto
      // "fuori": il tasto si lascia fuori dal controllo
      const QPoint dove = cmd == u"clic" ? QPoint(2, 2) : args.contains(u"fuori") ? QPoint(-5, -5) : QPoint(4, 4);
      if (viva && cmd == u"trascina") QTest::mouseMove(c, dove), reg.sonda("  (mosso)");
      if (viva) QTest::mouseRelease(c, b, {}, dove);
    }
    if (cmd == u"menu") {
      QAction* voce = w->findChild<QAction*>(arg);
      QVERIFY2(voce, qPrintable(riga));
      // il segnale e non trigger(): la fine del programma non attraversa QAction::activate
      emit voce->triggered(voce->isChecked());
    }
    // la finestra lascia il primo piano e ci torna
    if (cmd == u"riattiva") {
      QEvent via(QEvent::WindowDeactivate), ritorno(QEvent::WindowActivate);
      QCoreApplication::sendEvent(w, &via), QCoreApplication::sendEvent(w, &ritorno);
    }
    if (cmd == u"chiudi") {
      QCloseEvent chiusura;
      qobject_cast<QDialog*>(w) ? void(w->close()) : void(static_cast<QObject*>(w)->event(&chiusura));
    }
    QCoreApplication::processEvents();
  }

  void passo(const QString& riga, const QStringList& sotto, QWidget* w, bool dentro = false) {
    static const QStringList preparazioni = {"parole", "righe", "schermo", "impostazioni", "audio", "scegli", "casuali", "risposte",
                                             "input", "file", "nell-input", "modale", "nell-attesa", "senza-fuoco"};
    static const QStringList passi = {"avvio", "avanza", "scatto-tempo", "tasti", "tasto", "clic", "trascina", "menu", "riattiva", "attiva", "chiudi", "copia"};
    const QString cmd = riga.section(' ', 0, 0);
    QVERIFY2(preparazioni.contains(cmd) || passi.contains(cmd), qPrintable("comando sconosciuto: " + riga));
    if (preparazioni.contains(cmd)) return esegui(riga, sotto, w);
    const qsizetype n = reg.titolo((dentro ? "  > " : "") + riga);
    if (!dentro) mPasso = n;
    confini.insert(finta.eventi.size());
    esegui(riga, sotto, w);
    reg.fine(n);
  }

  void gioca(const QStringList& righe) {
    for (qsizetype i = 0; i < righe.size(); ++i) {
      QStringList sotto;
      while (i + 1 < righe.size() && righe[i + 1].startsWith(' ')) sotto << righe[++i].trimmed();
      try {
        passo(righe[i - sotto.size()], sotto, gfrmGioco);
      } catch (const FineProgramma&) {
        reg.fine(mPasso);
        break;
      }
      QVERIFY2(finta.inatteso.isEmpty(), qPrintable(righe[i - sotto.size()] + ": " + finta.inatteso.join(", ")));
    }
    // una mossa preparata e mai usata: il copione non gioca la partita che crede
    // quello che un passo del giocatore fa succedere, fino a quando il gioco lo aspetta di nuovo (un suo passo
    // dopo, un messaggio, una domanda, un dialogo), si dice in una frase sola: Orca taglia una frase con la
    // seguente; gli avvisi del tempo che sta per finire possono interrompere
    int annunci = 0;
    for (qsizetype i = 0; i < finta.eventi.size(); ++i) {
      const QString tipo = finta.eventi[i].section(':', 0, 0), resto = finta.eventi[i].section(':', 1);
      if (confini.contains(i) || QStringList{"msg", "input", "apri", "salva"}.contains(tipo)) annunci = 0;
      const bool avviso = resto.startsWith(u"Manca");
      QVERIFY2(!((tipo == u"annuncio" && !avviso) || tipo == u"nelmessaggio") || ++annunci == 1,
               qPrintable("un secondo annuncio nello stesso passo: " + resto));
    }
    const qsizetype avanzate[] = {finta.risposte.size(), finta.testiInput.size(), finta.percorsiFile.size(),
                                  finta.azioniModali.size(), finta.casuali.size(), nellAttesa.size()};
    QVERIFY2(std::ranges::all_of(avanzate, [](qsizetype n) { return n == 0; }) && avanzaNellInput == 0,
             "mosse preparate e mai usate (risposte, input, file, modali, casuali, attese)");
  }
};

}  // namespace

class TestTracce : public QObject {
  Q_OBJECT

private slots:
  void traccia_data() {
    QTest::addColumn<QString>("nome");
    for (const QString& f : QDir(TRACCE).entryList({"*.scenario"})) QTest::newRow(qPrintable(f)) << f.chopped(9);
  }
  void traccia() {
    QFETCH(QString, nome);
    QStringList righe = QString::fromUtf8(leggiFile(TRACCE + nome + ".scenario")).split('\n');
    righe.removeIf([](const QString& r) { return r.trimmed().isEmpty() || r.trimmed().startsWith('#'); });
    auto c = std::make_unique<Copione>();
    // le finestre create dall'avvio si distruggono prima della piattaforma finta
    auto pulizia = qScopeGuard([&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->parentWidget()) w->deleteLater();
      }
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    c->gioca(righe);
    const QStringList ottenute = c->reg.righe;
    const auto scatto = [&](const QString& cartella, const QString& h) {
      const QString f = QDir(cartella).filePath(nome + '-' + h + ".png");
      return c->reg.scatti.value(h).save(f) ? f : QString();
    };
    if (qEnvironmentVariableIsSet("GORBIO_RISCRIVI_TRACCE")) {
      scriviFile(TRACCE + nome + ".traccia", ottenute.join('\n').toUtf8() + '\n');
      const QString immagini = qEnvironmentVariable("GORBIO_IMMAGINI_TRACCE");
      for (const QString& h : c->reg.scatti.keys()) {
        if (!immagini.isEmpty()) scatto(immagini, h);
      }
      return;
    }
    QStringList attese = QString::fromUtf8(leggiFile(TRACCE + nome + ".traccia")).split('\n');
    if (attese.constLast().isEmpty()) attese.removeLast();
    for (qsizetype i = 0; i < std::max(attese.size(), ottenute.size()); ++i) {
      if (attese.value(i) == ottenute.value(i)) continue;
      QString diff = QStringLiteral("%1.traccia, prima differenza alla riga %2:").arg(nome).arg(i + 1);
      for (qsizetype j = i; j < i + 5; ++j)
        diff += QStringLiteral("\n  %1 atteso:   %2\n  %1 ottenuto: %3").arg(j + 1).arg(attese.value(j), ottenute.value(j));
      // un'impronta diversa: la finestra com'e' ora, da guardare
      static const QRegularExpression impronta(QStringLiteral("pixel=([0-9a-f]{8})"));
      const QString salvata = scatto(QCoreApplication::applicationDirPath(), impronta.match(ottenute.value(i)).captured(1));
      if (!salvata.isEmpty()) diff += "\n  la finestra ottenuta: " + salvata;
      QFAIL(qPrintable(diff));
    }
  }
};

QTEST_MAIN(TestTracce)
#include "tst_tracce.moc"
