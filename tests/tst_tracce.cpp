// Le tracce di partite intere: ogni copione di tests/dati/tracce si gioca dall'avvio sulla piattaforma finta,
// e quello che il giocatore vede e sente dopo ogni passo deve essere la traccia di riferimento accanto.
// GORBIO_RISCRIVI_TRACCE=1 riscrive i riferimenti invece di confrontarli; GORBIO_RISCRIVI_IMPRONTE=1 ne riscrive
// solo le impronte dei pixel e rifiuta ogni altra differenza (vedi tools/README.md).
#include <QDialog>
#include <QFontDatabase>
#include <QMenuBar>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <QtTest>

#include "app/avvio.h"
#include "app/modgenerale.h"
#include "app/timer.h"
#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "support/registratore.h"

namespace {

const QString TRACCE = QStringLiteral(GORBIO_SORGENTI "/tests/dati/tracce/");

// L'impronta di una finestra dipende da come la piattaforma disegna (Qt, FreeType, i font); il resto della traccia no.
const QRegularExpression IMPRONTA(QStringLiteral(" ?pixel=([0-9a-f]{8})"));

// La traccia senza le impronte. Spariscono anche le righe rimaste con la sola finestra e i titoli delle sonde
// rimasti senza righe: una piattaforma nuova puo' distinguere due disegni che prima coincidevano.
QStringList senzaImpronte(const QStringList& righe) {
  QStringList r;
  const auto sondaVuota = [&] { return !r.isEmpty() && r.constLast().startsWith(u"==   ("); };
  for (QString l : righe) {
    l.remove(IMPRONTA);
    if (!l.contains(' ')) continue;
    if (l.startsWith(u"==") && sondaVuota()) r.removeLast();
    r << l;
  }
  if (sondaVuota()) r.removeLast();
  return r;
}

// Le impronte di ogni finestra, nell'ordine della traccia.
QHash<QString, QStringList> impronteDi(const QStringList& righe) {
  QHash<QString, QStringList> h;
  for (const QString& l : righe) {
    const QRegularExpressionMatch m = IMPRONTA.match(l);
    if (m.hasMatch()) h[l.section(' ', 0, 0)] << m.captured(1);
  }
  return h;
}

// Dove due tracce cominciano a differire (-1 se coincidono), e quella riga con le quattro seguenti.
qsizetype primaRigaDiversa(const QStringList& attese, const QStringList& ottenute) {
  for (qsizetype i = 0; i < std::max(attese.size(), ottenute.size()); ++i) {
    if (attese.value(i) != ottenute.value(i)) return i;
  }
  return -1;
}
QString differenza(const QString& nome, const QStringList& attese, const QStringList& ottenute, qsizetype i) {
  QString diff = QStringLiteral("%1, prima differenza alla riga %2:").arg(nome).arg(i + 1);
  for (qsizetype j = i; j < i + 5; ++j)
    diff += QStringLiteral("\n  %1 atteso:   %2\n  %1 ottenuto: %3").arg(j + 1).arg(attese.value(j), ottenute.value(j));
  return diff;
}

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
  std::unique_ptr<Filtro> senzaFuoco;  // il gestore delle finestre che non da' il fuoco fino ad "attiva"
  bool gestoreAcceso = true;
  // Il gestore delle finestre: chiusa una finestra, se nessuna e' attiva rende il fuoco a quella a cui apparteneva,
  // come fa quello di un desktop con una finestra di dialogo. Una finestra senza genitore non lo rende a nessuno.
  Filtro gestore{[this](QObject* o, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!gestoreAcceso || e->type() != QEvent::Hide || !w || !w->isWindow() || !w->parentWidget()) return false;
    QMetaObject::invokeMethod(qApp, [sotto = QPointer<QWidget>(w->parentWidget()->window())] {
      if (sotto && sotto->isVisible() && !QApplication::activeWindow()) QApplication::setActiveWindow(sotto);
    }, Qt::QueuedConnection);
    return false;
  }};

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
    if (cmd == u"senza-fuoco") {
      gestoreAcceso = false;
      senzaFuoco = std::make_unique<Filtro>([](QObject* o, QEvent* e) {
        return o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() && (e->type() == QEvent::ActivationChange || e->type() == QEvent::WindowActivate);
      });
      return;
    }
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
      if (senzaFuoco) senzaFuoco.reset(), QApplication::setActiveWindow(nullptr), gestoreAcceso = true;
      QApplication::setActiveWindow(w);
    }
    if (cmd == u"avanza") finta.avanza(arg.toInt());
    // uno scatto del conto alla rovescia gia' in coda quando si apre un dialogo
    if (cmd == u"scatto-tempo") gfrmGioco->tmrTempo_Timer();
    // la tastiera scrive nel controllo che ha il fuoco, se la finestra ne ha uno
    QWidget* const fuoco = QApplication::focusWidget() && QApplication::focusWidget()->window() == w ? QApplication::focusWidget() : w;
    if (cmd == u"tasti") {
      // come dalla tastiera vera: al controllo col fuoco (che una lettera puo' spostare), e di li' su fino alla finestra
      for (const QChar c : arg) {
        confini.insert(finta.eventi.size());
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f && f->window() == w ? f : w, c.toLatin1());
      }
    }
    if (cmd == u"tasto") {
      // le scorciatoie valgono solo nella finestra attiva: il copione non la attiva, lo fanno il gioco e il gestore
      const QKeyCombination k = QKeySequence::fromString(arg)[0];
      auto* barra = w->findChild<QMenuBar*>();
      QKeyEvent alt(QEvent::KeyPress, k.key(), k.keyboardModifiers());
      // Alt+F4 termina il programma: l'eccezione della finta non deve attraversare QApplication::notify
      if (k.key() == Qt::Key_F4 && k.keyboardModifiers() == Qt::AltModifier) w->eventFilter(fuoco, &alt);
      // un menu aperto, o la barra dei menu che si percorre con le frecce, prende i tasti
      else QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                           : barra && barra->activeAction() ? barra : fuoco, k.key(), k.keyboardModifiers());
      // Qt tiene acceso per 100 ms d'orologio vero il titolo scelto con Alt d'un menu senza tendina (Thanx to...):
      // si aspetta che si spenga, cosi' la traccia non dipende da quanto e' veloce la macchina
      const auto acceso = [b = QPointer<QMenuBar>(barra)] { return b && b->activeAction() && !b->activeAction()->menu(); };
      if (acceso()) (void)QTest::qWaitFor([&] { return !acceso(); }, 1000);
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
    // una mossa preparata e mai usata: il copione non gioca la partita che crede
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
  // le impronte non dipendono da chi prova: scala 1 e solo i font del gioco (tests/support/aiuti.cpp)
  void initTestCase() {
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
    // oltre ai nomi generici che Qt aggiunge sempre
    QStringList famiglie = QFontDatabase::families();
    famiglie.removeIf([](const QString& f) { return QStringList{"Monospace", "Sans Serif", "Serif"}.contains(f); });
    QCOMPARE(famiglie, QStringList{QStringLiteral("Liberation Sans")});
  }
  void traccia_data() {
    QTest::addColumn<QString>("nome");
    for (const QString& f : QDir(TRACCE).entryList({"*.scenario"})) QTest::newRow(qPrintable(f)) << f.chopped(9);
  }
  void traccia() {
    QFETCH(QString, nome);
    QStringList righe = QString::fromUtf8(leggiFile(TRACCE + nome + ".scenario")).split('\n');
    righe.removeIf([](const QString& r) { return r.trimmed().isEmpty() || r.trimmed().startsWith('#'); });
    auto c = std::make_unique<Copione>();
    Pulizia pulizia;
    c->gioca(righe);
    const QStringList ottenute = c->reg.righe;
    // ogni finestra vista resta in build/bin/impronte/<impronta>.png: e' il "prima" di una piattaforma nuova
    const QString archivio = QCoreApplication::applicationDirPath() + "/impronte/";
    QDir().mkpath(archivio);
    for (auto i = c->reg.scatti.cbegin(); i != c->reg.scatti.cend(); ++i) {
      if (!QFile::exists(archivio + i.key() + ".png")) i.value().save(archivio + i.key() + ".png");
    }
    const QString immagini = qEnvironmentVariable("GORBIO_IMMAGINI_TRACCE");
    const auto scatto = [&](const QString& cartella, const QString& h, const QString& nomeFile) {
      const QString f = QDir(cartella).filePath(nomeFile);
      return c->reg.scatti.value(h).save(f) ? f : QString();
    };
    if (qEnvironmentVariableIsSet("GORBIO_RISCRIVI_TRACCE")) {
      scriviFile(TRACCE + nome + ".traccia", ottenute.join('\n').toUtf8() + '\n');
      if (!immagini.isEmpty()) for (const QString& h : c->reg.scatti.keys()) scatto(immagini, h, nome + '-' + h + ".png");
      return;
    }
    QStringList attese = QString::fromUtf8(leggiFile(TRACCE + nome + ".traccia")).split('\n');
    if (attese.constLast().isEmpty()) attese.removeLast();
    if (qEnvironmentVariableIsSet("GORBIO_RISCRIVI_IMPRONTE"))
      return riscriviImpronte(nome, attese, ottenute, [&](const QString& h, const QString& f) { return scatto(immagini, h, f); });
    const qsizetype riga = primaRigaDiversa(attese, ottenute);
    if (riga < 0) return;
    // un'impronta diversa: la finestra com'e' ora e com'era, da guardare
    const QString h = IMPRONTA.match(ottenute.value(riga)).captured(1), prima = IMPRONTA.match(attese.value(riga)).captured(1);
    const QString salvata = scatto(QCoreApplication::applicationDirPath(), h, nome + '-' + h + ".png");
    QString messaggio = differenza(nome + ".traccia", attese, ottenute, riga);
    if (!salvata.isEmpty()) messaggio += "\n  la finestra ottenuta: " + salvata;
    if (!prima.isEmpty() && QFile::exists(archivio + prima + ".png")) messaggio += "\n  la finestra attesa: " + archivio + prima + ".png";
    QFAIL(qPrintable(messaggio));
  }

private:
  // Solo le impronte cambiano: si riscrivono, e con GORBIO_IMMAGINI_TRACCE ogni finestra cambiata si scrive
  // prima (dall'archivio) e dopo. Qualunque altra riga diversa fa fallire senza scrivere niente.
  static void riscriviImpronte(const QString& nome, const QStringList& attese, const QStringList& ottenute,
                               const std::function<QString(const QString&, const QString&)>& scatto) {
    const QStringList a = senzaImpronte(attese), o = senzaImpronte(ottenute);
    const qsizetype riga = primaRigaDiversa(a, o);
    QVERIFY2(riga < 0, qPrintable(differenza(nome + ".traccia senza le impronte", a, o, riga) +
                                  "\nnon e' cambiata solo un'impronta: la traccia non si riscrive"));
    if (attese == ottenute) return;
    scriviFile(TRACCE + nome + ".traccia", ottenute.join('\n').toUtf8() + '\n');
    const QString immagini = qEnvironmentVariable("GORBIO_IMMAGINI_TRACCE");
    if (immagini.isEmpty()) return;
    QDir().mkpath(immagini);
    const QString archivio = QCoreApplication::applicationDirPath() + "/impronte/";
    const QHash<QString, QStringList> vecchie = impronteDi(attese), nuove = impronteDi(ottenute);
    QSet<QString> fatte;
    for (auto f = nuove.cbegin(); f != nuove.cend(); ++f) {
      // la k-esima impronta di una finestra con la k-esima di prima
      for (qsizetype k = 0; k < f.value().size(); ++k) {
        const QString prima = vecchie.value(f.key()).value(k), dopo = f.value()[k];
        if (prima == dopo || fatte.contains(prima + dopo)) continue;
        fatte.insert(prima + dopo);
        const QString base = QStringLiteral("%1-%2-%3").arg(nome, f.key(), prima.isEmpty() ? QStringLiteral("nuova") : prima);
        const QString vecchia = QDir(immagini).filePath(base + "-prima.png");
        if (!prima.isEmpty() && !QFile::exists(vecchia) && !QFile::copy(archivio + prima + ".png", vecchia))
          qInfo("%s: la finestra di prima non e' nell'archivio %s", qPrintable(base), qPrintable(archivio));
        scatto(dopo, base + "-dopo-" + dopo + ".png");
      }
    }
  }
};

QTEST_MAIN(TestTracce)
#include "tst_tracce.moc"
