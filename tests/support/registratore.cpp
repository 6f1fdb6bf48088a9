#include "support/registratore.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <vector>

#include "play/frmgioco.h"
#include "support/aiuti.h"
#include "ui/aspetto.h"

namespace {

QString corto(const QByteArray& b) { return QCryptographicHash::hash(b, QCryptographicHash::Sha1).toHex().left(8); }

QByteArray pixel(const QImage& i) {
  const QImage c = i.convertToFormat(QImage::Format_ARGB32);
  return QByteArray(reinterpret_cast<const char*>(c.constBits()), c.sizeInBytes()) + QByteArray::number(c.width());
}

// le misure in cui l'icona della finestra e' disegnata (la barra delle applicazioni sceglie la sua)
QString misureIcona(const QIcon& i) {
  QStringList m;
  for (const QSize& s : i.availableSizes()) m << QString::number(s.width());
  return m.join(u',');
}

QString testo(QString t) { return '"' + t.replace("\r", "\\r").replace("\n", "\\n") + '"'; }

const char* const ICONE[] = {"nessuna", "informazione", "esclamazione", "domanda", "critica"};
const char* const RISPOSTE[] = {"Ok", "Si", "No", "Annulla"};

// La voce degli annunci: un controllo senza nome e senza misura che ricompare a ogni annuncio.
bool voce(QObject* o) {
  auto* w = qobject_cast<QWidget*>(o);
  return w && w->objectName().isEmpty() && w->size().isEmpty() && !w->isWindow() && !w->accessibleName().isEmpty();
}

// Il profilo e la partita salvata si leggono riga per riga; gli altri file solo per hash.
bool aRighe(const QString& nome) { return nome.endsWith(".002") || nome.endsWith(".cap", Qt::CaseInsensitive); }

QList<QByteArray> righeDi(const QByteArray& b) {
  QList<QByteArray> r = b.split('\n');
  if (r.constLast().isEmpty()) r.removeLast();
  return r;
}

// Le righe tolte (-) e aggiunte (+) da a a b, attorno alla piu' lunga sottosequenza comune.
QStringList differenze(const QList<QByteArray>& a, const QList<QByteArray>& b) {
  const auto n = a.size(), m = b.size();
  std::vector<std::vector<int>> l(n + 1, std::vector<int>(m + 1));
  for (auto i = n - 1; i >= 0; --i) {
    for (auto j = m - 1; j >= 0; --j) l[i][j] = a[i] == b[j] ? l[i + 1][j + 1] + 1 : std::max(l[i + 1][j], l[i][j + 1]);
  }
  const auto riga = [](const QByteArray& r) { return testo(QString::fromUtf8(r.chopped(r.endsWith('\r')))); };
  QStringList d;
  for (qsizetype i = 0, j = 0; i < n || j < m;) {
    if (i < n && j < m && a[i] == b[j]) ++i, ++j;
    else if (i < n && (j == m || l[i + 1][j] >= l[i][j + 1])) d << "  - " + riga(a[i++]);
    else d << "  + " + riga(b[j++]);
  }
  return d;
}

}  // namespace

Registratore::Registratore(PiattaformaFinta& finta, const QString& cartella) : mFinta(finta), mCartella(cartella) {
  for (QDirIterator i(":/", QDirIterator::Subdirectories); i.hasNext();) {
    const QString p = i.next();
    if (QStringList{"jpg", "png", "bmp"}.contains(QFileInfo(p).suffix())) mImmagini.insert(pixel(QPixmap(p).toImage()), p.mid(2));
  }
  mFinta.tuttiGliEventi = true;
  mFinta.primaDiSuonoODialogo = [this] { sonda("  (prima del suono o del dialogo)"); };
  mOrecchio = std::make_unique<Filtro>([this](QObject* o, QEvent* e) {
    if (e->type() == QEvent::Show && voce(o)) mFinta.eventi << "annuncio:" + static_cast<QWidget*>(o)->accessibleName();
    return false;
  });
}

// I puntatori disegnati dal gioco per nome di risorsa, gli altri col numero di Qt.
QString Registratore::puntatore(const QCursor& c) const {
  return c.shape() == Qt::BitmapCursor ? immagine(c.pixmap()) : QString::number(c.shape());
}

// L'impronta di quello che la finestra mostra, disegni compresi.
QString Registratore::impronta(QWidget* w) const {
  const QImage i = w->grab().toImage();
  const QString h = corto(pixel(i));
  scatti.insert(h, i);
  return h;
}

QString Registratore::pulito(QString t) const { return t.replace(mCartella, "<cartella>"); }

QString Registratore::immagine(const QPixmap& p) const {
  const QByteArray b = pixel(p.toImage());
  return mImmagini.value(b, '?' + corto(b));
}

void Registratore::finestra(QWidget* w, QList<std::pair<QString, Campi>>& stato) const {
  const QString n = w->objectName();
  Campi c{{"titolo", testo(w->windowTitle())}, {"dim", QStringLiteral("%1x%2").arg(w->width()).arg(w->height())},
          {"X", QString::number(w->windowFlags().testFlag(Qt::WindowCloseButtonHint))}, {"pixel", impronta(w)},
          {"attiva", QString::number(w->isActiveWindow())}, {"icona", misureIcona(w->windowIcon())}, {"fuoco", w->focusWidget() ? w->focusWidget()->objectName() : QString()}};
  if (auto* g = qobject_cast<frmGioco*>(w)) {
    c["puntatore"] = QString::number(g->MousePointer());
    c["puntatoreLettere"] = QString::number(g->puntatoreLettere());
  } else if (w->testAttribute(Qt::WA_SetCursor)) c["puntatore"] = puntatore(w->cursor());
  stato.append({n, c});
  QList<QWidget*> figli = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (qsizetype i = 0; i < figli.size(); ++i) {
    QWidget* k = figli[i];
    // le finestre figlie (dialoghi, menu) si scrivono per conto loro
    if (k->isWindow()) continue;
    figli.append(k->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    if (k->objectName().isEmpty() || k->objectName().startsWith("qt_")) continue;
    Campi c{{"visibile", QString::number(k->isVisibleTo(w))}, {"abilitato", QString::number(k->isEnabled())},
            {"geom", QStringLiteral("%1,%2 %3x%4").arg(k->x()).arg(k->y()).arg(k->width()).arg(k->height())},
            // i colori come si vedono: quelli da spento se il controllo e' spento
            {"colori", k->palette().color(k->isEnabled() ? QPalette::Active : QPalette::Disabled, k->foregroundRole()).name() + '/' +
                           k->palette().color(k->backgroundRole()).name()},
            {"font", (k->font().pointSizeF() > 0 ? QString::number(k->font().pointSizeF()) + "pt" : QString::number(k->font().pixelSize()) + "px") +
                         (k->font().bold() ? " grassetto" : "")}};
    if (k->testAttribute(Qt::WA_SetCursor)) c["puntatore"] = puntatore(k->cursor());
    if (!k->toolTip().isEmpty()) c["suggerimento"] = testo(k->toolTip());
    QString mostrato;
    if (auto* l = qobject_cast<QLabel*>(k)) {
      c["testo"] = testo(mostrato = l->text());
      c["allineamento"] = QString::number(int(l->alignment()), 16);
      if (!l->pixmap().isNull()) c["immagine"] = immagine(l->pixmap());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(k)) {
      c["testo"] = testo(mostrato = b->text());
      if (b->isCheckable()) c["spunta"] = QString::number(b->isChecked());
    }
    // per il lettore di schermo: il nome dove non e' il testo mostrato, la descrizione dove non e' il suggerimento
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(k)) {
      if (a->text(QAccessible::Name) != QString(mostrato).remove('&')) c["voce"] = testo(a->text(QAccessible::Name));
      if (!a->text(QAccessible::Description).isEmpty() && a->text(QAccessible::Description) != k->toolTip())
        c["descrizione"] = testo(a->text(QAccessible::Description));
    }
    stato.append({n + '.' + k->objectName(), c});
  }
  for (QAction* a : w->findChildren<QAction*>()) {
    if (!a->objectName().isEmpty())
      stato.append({n + '.' + a->objectName(), {{"testo", testo(a->text())},
                                                {"abilitato", QString::number(a->isEnabled())},
                                                {"tasto", a->shortcut().toString()}}});
  }
  auto* g = qobject_cast<frmGioco*>(w);
  if (!g) return;
  const std::pair<const char*, const Timer*> timer[] = {
      {"tmrTempo", &g->tmrTempo}, {"tmrRutto", &g->tmrRutto}, {"tmrWaveMp3", &g->tmrWaveMp3}, {"tmrCrediti", &g->tmrCrediti}};
  for (const auto& [nome, t] : timer)
    stato.append({n + '.' + nome, {{"intervallo", QString::number(t->Interval())}, {"abilitato", QString::number(t->Enabled())}}});
  for (int i = 1; i <= 10; ++i) {
    const RigaCrediti* r = g->lblCrediti(i);
    stato.append({n + ".lblCrediti_" + QString::number(i),
                  {{"testo", testo(r->text())}, {"y", QString::number(r->y())}, {"visibile", QString::number(!r->isHidden())},
                   {"colore", r->colore().name()}}});
  }
}

qsizetype Registratore::titolo(const QString& titolo) {
  eventi();
  righe << QStringLiteral("== %1 @%2").arg(pulito(titolo)).arg(mFinta.ora);
  return mUltimoTitolo = righe.size() - 1;
}

void Registratore::sonda(const QString& nome) { cambiamenti(nome, -1); }

void Registratore::fine(qsizetype passo) { cambiamenti({}, passo); }

void Registratore::cambiamenti(const QString& sonda, qsizetype passo) {
  eventi();
  QList<QWidget*> aperte;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && !w->objectName().isEmpty() && !qobject_cast<QMenu*>(w)) aperte << w;
  }
  std::ranges::sort(aperte, {}, [](QWidget* w) { return w->objectName(); });
  QStringList finestre, nuove;
  QList<std::pair<QString, Campi>> stato;
  for (QWidget* w : aperte) {
    finestre << w->objectName();
    finestra(w, stato);
  }
  for (const QString& n : std::as_const(mFinestre)) {
    if (finestre.contains(n)) continue;
    nuove << n + " chiusa";
    mPrima.removeIf([&](const auto& v) { return v.key() == n || v.key().startsWith(n + '.'); });
  }
  mFinestre = finestre;
  for (const auto& [chiave, campi] : stato) {
    const Campi prima = mPrima.value(chiave);
    QStringList diversi;
    for (auto i = campi.begin(); i != campi.end(); ++i) {
      if (prima.value(i.key()) != i.value()) diversi << i.key() + '=' + i.value();
    }
    for (auto i = prima.begin(); i != prima.end(); ++i) {
      if (!campi.contains(i.key())) diversi << i.key() + "=-";
    }
    if (!diversi.isEmpty()) nuove << chiave + ' ' + pulito(diversi.join(' '));
    mPrima[chiave] = campi;
  }
  nuove << file();
  // una sonda scrive il suo titolo solo se vede qualcosa; dopo sonde o sotto-passi il resto del passo ha il suo
  if (!nuove.isEmpty() && !sonda.isEmpty()) titolo(sonda);
  if (!nuove.isEmpty() && passo >= 0 && mUltimoTitolo != passo) titolo("  (fine di: " + righe[passo].mid(3).section(" @", 0, 0).trimmed() + ')');
  righe << nuove;
}

void Registratore::eventi() {
  for (; mEventi < mFinta.eventi.size(); ++mEventi) {
    const QString e = mFinta.eventi[mEventi];
    const QString tipo = e.section(':', 0, 0), resto = e.section(':', 1);
    if (tipo == u"msg") {
      const auto& m = mFinta.messaggi[mMessaggi++];
      righe << QStringLiteral("  messaggio %1 %2 %3 %4 -> %5")
                   .arg(testo(m.titolo), ICONE[int(m.icona)], m.pulsanti == Pulsanti::Ok ? "Ok" : "SiNo", testo(pulito(m.testo)),
                        RISPOSTE[int(m.risposta)]);
    } else if (tipo == u"input") {
      righe << QStringLiteral("  input %1 %2 predefinito=%3").arg(testo(mFinta.titoliInput[mInput]), testo(resto), testo(mFinta.predefinitiInput[mInput]));
      ++mInput;
    } else if (tipo == u"risposta" || tipo == u"annuncio") {
      righe << "  " + tipo + ' ' + testo(resto);
    } else if (tipo == u"nelmessaggio") {
      righe << "  annuncio nel messaggio " + testo(resto);
    } else if (tipo == u"apri" || tipo == u"salva") {
      const DialogoFile& d = mFinta.dialoghi[mDialoghi];
      righe << pulito(QStringLiteral("  dialogo %1 %2 nome=%3 filtro=%4 cartella=%5 estensione=%6 -> %7")
                          .arg(tipo, testo(d.titolo), d.nomeFile, testo(d.filtro), d.cartella, d.estensione,
                               testo(mFinta.percorsiScelti[mDialoghi])));
      ++mDialoghi;
    } else {
      // le ripetizioni di fila in una riga sola: "attesa 75 x25"
      static const QRegularExpression volte(QStringLiteral(" x(\\d+)$"));
      const QString r = "  " + pulito(resto.isEmpty() ? tipo : tipo + ' ' + resto);
      const QRegularExpressionMatch m = volte.match(righe.constLast());
      if (QString(righe.constLast()).remove(volte) == r) righe.last() = r + " x" + QString::number(m.hasMatch() ? m.captured(1).toInt() + 1 : 2);
      else righe << r;
    }
  }
}

QStringList Registratore::file() {
  QHash<QString, QByteArray> ora;
  for (QDirIterator i(mCartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); i.hasNext();) {
    const QString p = i.next();
    ora.insert(QDir(mCartella).relativeFilePath(p), leggiFile(p));
  }
  QStringList nomi = ora.keys() + mFile.keys();
  nomi.sort();
  nomi.removeDuplicates();
  QStringList d;
  for (const QString& n : nomi) {
    const QByteArray prima = mFile.value(n), dopo = ora.value(n);
    if (mFile.contains(n) && ora.contains(n) && prima == dopo) continue;
    if (!ora.contains(n)) {
      d << "file " + n + " cancellato";
      continue;
    }
    d << QStringLiteral("file %1 %2 %3 byte").arg(n, corto(dopo)).arg(dopo.size());
    // dei file di partenza basta l'hash
    if (!aRighe(n) || mFile.isEmpty()) continue;
    for (const QString& r : differenze(righeDi(prima), righeDi(dopo))) d << pulito(r);
  }
  mFile = ora;
  return d;
}
