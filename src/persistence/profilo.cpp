#include "persistence/profilo.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <iterator>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "persistence/scritturaatomica.h"
#include "words/filedati.h"

namespace {

constexpr int LUNGHEZZA_BUFFER = 255;

// Da 0x80 a 0x9F Windows-1252 non e' Latin-1; i cinque byte senza carattere
// restano il controllo C1 con lo stesso numero, cosi' tornano uguali alla scrittura.
constexpr char16_t WINDOWS_1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString pfuncDaWindows1252(const char* byte, qsizetype n) {
  QString t(n, Qt::Uninitialized);
  for (qsizetype i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(byte[i]);
    t[i] = QChar(b >= 0x80 && b < 0xA0 ? WINDOWS_1252[b - 0x80] : char16_t{b});
  }
  return t;
}

QByteArray pfuncAWindows1252(const QString& t) {
  QByteArray b;
  b.reserve(t.size());
  for (const QChar c : t) {
    const char16_t u = c.unicode();
    const auto nella = std::find(std::begin(WINDOWS_1252), std::end(WINDOWS_1252), u);
    if (nella != std::end(WINDOWS_1252)) {
      b.append(static_cast<char>(0x80 + (nella - std::begin(WINDOWS_1252))));
    } else {
      b.append(u < 0x100 && (u < 0x80 || u >= 0xA0) ? static_cast<char>(u) : '?');
    }
  }
  return b;
}

bool pfuncProfiloUtf8(const QByteArray& c) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  [[maybe_unused]] const QString t = utf8(c);
  return !utf8.hasError();
}

namespace {

// Il file diviso in righe. Ogni riga tiene i suoi byte con il fine riga; il
// testo (senza spazi ai bordi) si converte solo quando serve e una volta
// sola: una partita salvata sono una quarantina di scritture sullo stesso file.
class Righe {
public:
  // I file scritti dal gioco sono UTF-8; quelli del vecchio programma Windows-1252:
  // si legge e si riscrive ogni file nella codifica in cui e' scritto.
  explicit Righe(const QByteArray& c) : mWindows1252(!pfuncProfiloUtf8(c)) {
    qsizetype i = 0;
    const qsizetype n = c.size();
    // le posizioni dei prossimi CR e LF si cercano di nuovo solo quando sono superate
    qsizetype cr = -1, lf = -1;
    while (i < n) {
      if (cr < i) cr = prossimo(c, i, '\r');
      if (lf < i) lf = prossimo(c, i, '\n');
      const qsizetype j = std::min(cr, lf);
      qsizetype k = j;
      if (k < n && c[k] == '\r') ++k;
      if (k < n && c[k] == '\n' && (k == j || c[k - 1] == '\r')) ++k;
      // un BOM in testa a una riga non fa parte del testo, in UTF-8 come in Windows-1252
      const qsizetype bom = (j - i >= 3 && std::memcmp(c.constData() + i, "\xEF\xBB\xBF", 3) == 0) ? 3 : 0;
      mRighe.append({c.mid(i, k - i), j - i, bom, {}, false});
      i = k;
    }
  }

  qsizetype size() const { return mRighe.size(); }

  const QString& testo(qsizetype i) {
    Riga& r = mRighe[i];
    if (!r.convertita) {
      const char* inizio = r.byte.constData() + r.bom;
      const qsizetype n = r.fineTesto - r.bom;
      r.testo = (mWindows1252 ? pfuncDaWindows1252(inizio, n) : QString::fromUtf8(inizio, n)).trimmed();
      r.convertita = true;
    }
    return r.testo;
  }

  // Senza una '[' la riga non puo' aprire una sezione: fuori dalla sezione
  // cercata si salta senza convertirla.
  bool sezionePossibile(qsizetype i) const {
    const Riga& r = mRighe[i];
    return std::memchr(r.byte.constData(), '[', static_cast<std::size_t>(r.fineTesto)) != nullptr;
  }

  // Sostituisce quello che segue il primo '=' della riga, fine riga escluso.
  void sostituisciValore(qsizetype i, const QByteArray& valore) {
    Riga& r = mRighe[i];
    const qsizetype uguale = r.byte.indexOf('=');
    r.byte.replace(uguale + 1, r.fineTesto - uguale - 1, valore);
    r.fineTesto = uguale + 1 + valore.size();
    r.convertita = false;
  }

  // Una riga nuova dopo la riga "dopo" (-1: in testa), chiusa da CRLF; la
  // riga precedente senza fine riga (l'ultima del file) ne riceve uno.
  void inserisci(qsizetype dopo, const QByteArray& testo) {
    if (dopo >= 0) {
      Riga& r = mRighe[dopo];
      if (r.fineTesto == r.byte.size()) r.byte.append("\r\n");
    }
    mRighe.insert(dopo + 1, {testo + "\r\n", testo.size(), 0, {}, false});
  }

  // Un valore nella codifica del file; a capo e NUL non possono spezzarne la struttura.
  QByteArray codifica(const QString& v) const {
    QString s = v;
    s.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ');
    return mWindows1252 ? pfuncAWindows1252(s) : s.toUtf8();
  }

  QByteArray unisci() const {
    QByteArray c;
    for (const Riga& r : mRighe) c += r.byte;
    return c;
  }

private:
  struct Riga {
    QByteArray byte;
    qsizetype fineTesto;  // dove comincia il fine riga
    qsizetype bom;        // byte da saltare in testa (solo la prima riga)
    QString testo;
    bool convertita;
  };

  // Il prossimo byte b da "da" in poi, o la fine.
  static qsizetype prossimo(const QByteArray& c, qsizetype da, char b) {
    const void* p = std::memchr(c.constData() + da, b, static_cast<std::size_t>(c.size() - da));
    return p ? static_cast<const char*>(p) - c.constData() : c.size();
  }

  QList<Riga> mRighe;
  bool mWindows1252;
};

std::optional<QStringView> nomeSezione(QStringView riga) {
  if (!riga.startsWith(u'[')) return std::nullopt;
  const qsizetype chiusa = riga.indexOf(u']');
  return riga.mid(1, chiusa < 0 ? riga.size() - 1 : chiusa - 1).trimmed();
}

bool stessoNome(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// La chiave di una riga "chiave=valore", se la riga ne ha una.
std::optional<QStringView> chiaveRiga(QStringView riga) {
  const qsizetype uguale = riga.indexOf(u'=');
  if (uguale < 0) return std::nullopt;
  return riga.left(uguale).trimmed();
}

// Posizione nel file di una sezione e di una chiave al suo interno.
struct Posizione {
  qsizetype sezione = -1;      // indice della riga d'intestazione
  qsizetype ultimaPiena = -1;  // ultima riga non vuota della sezione
  qsizetype chiave = -1;       // riga della chiave
};

// Percorre la prima sezione con quel nome: "riga" riceve ogni riga non vuota
// dentro la sezione. Torna l'indice della riga d'intestazione, -1 se manca.
template <typename F>
qsizetype perLaSezione(Righe& righe, const QString& sezione, F&& riga) {
  qsizetype intestazione = -1;
  for (qsizetype i = 0; i < righe.size(); ++i) {
    if (intestazione < 0 && !righe.sezionePossibile(i)) continue;
    const QString& t = righe.testo(i);
    if (const auto nome = nomeSezione(t)) {
      if (intestazione >= 0) break;  // conta la prima sezione con quel nome
      if (stessoNome(*nome, sezione)) intestazione = i;
      continue;
    }
    if (intestazione >= 0 && !t.isEmpty()) riga(i, t);
  }
  return intestazione;
}

Posizione trova(Righe& righe, const QString& sezione, const QString& chiave) {
  Posizione p;
  p.sezione = perLaSezione(righe, sezione, [&](qsizetype i, const QString& t) {
    p.ultimaPiena = i;
    const auto k = chiaveRiga(t);
    if (k && p.chiave < 0 && stessoNome(*k, chiave)) p.chiave = i;
  });
  p.ultimaPiena = std::max(p.ultimaPiena, p.sezione);
  return p;
}

void applicaUna(Righe& righe, const VoceIni& v) {
  const Posizione p = trova(righe, v.sezione, v.chiave);
  const QByteArray valore = righe.codifica(v.valore);
  if (p.chiave >= 0) {
    righe.sostituisciValore(p.chiave, valore);
    return;
  }
  const QByteArray riga = righe.codifica(v.chiave) + '=' + valore;
  if (p.sezione >= 0) {
    righe.inserisci(p.ultimaPiena, riga);
    return;
  }
  righe.inserisci(righe.size() - 1, '[' + righe.codifica(v.sezione) + ']');
  righe.inserisci(righe.size() - 1, riga);
}

void messaggioFileMancante(const QString& file) {
  psubErroreFatale(QStringLiteral("Impossibile trovare il file:") + CRLF + CRLF + file + CRLF + CRLF +
                   REINSTALLA);
}

void rendiScrivibile(const QString& file) {
  QFile f(file);
  f.setPermissions(f.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

// Legge, applica e sostituisce il file in un colpo solo; il vecchio resta intatto se qualcosa fallisce.
bool scriviTutte(const QString& file, const QList<VoceIni>& voci, qint64 massimo, QString& errore) {
  QByteArray contenuto;
  if (QFileInfo::exists(file)) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
      errore = f.errorString();
      return false;
    }
    contenuto = f.readAll();
  }
  const QByteArray nuovo = pfuncApplicaScritture(std::move(contenuto), voci);
  if (massimo > 0 && nuovo.size() > massimo) {
    errore = QString::fromLocal8Bit(std::strerror(EFBIG));
    return false;
  }
  return pfuncSostituisciFile(file, nuovo, errore);
}

}  // namespace

QHash<QString, QString> pfuncLeggiSezione(const QByteArray& contenuto, const QString& sezione) {
  QHash<QString, QString> valori;
  Righe righe(contenuto);
  perLaSezione(righe, sezione, [&](qsizetype, const QString& t) {
    const auto k = chiaveRiga(t);
    if (!k) return;
    const QString chiave = k->toString().toCaseFolded();
    // vale la prima riga con quel nome, come per la scrittura
    if (!valori.contains(chiave)) valori.insert(chiave, t.mid(t.indexOf(u'=') + 1).trimmed().left(LUNGHEZZA_BUFFER - 1));
  });
  return valori;
}

std::optional<QString> pfuncCercaValore(const QByteArray& contenuto, const QString& sezione,
                                        const QString& chiave) {
  const auto valori = pfuncLeggiSezione(contenuto, sezione);
  const auto v = valori.constFind(chiave.toCaseFolded());
  if (v == valori.constEnd()) return std::nullopt;
  return *v;
}

QByteArray pfuncApplicaScritture(QByteArray contenuto, const QList<VoceIni>& voci) {
  if (voci.isEmpty()) return contenuto;
  Righe righe(contenuto);
  for (const VoceIni& v : voci) applicaUna(righe, v);
  return righe.unisci();
}

std::optional<QByteArray> pfuncLeggiFileProfilo(const QString& file, qint64 massimo) {
  QFile f(file);
  if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
  if (f.size() > massimo) return std::nullopt;
  return f.read(massimo);
}

QString pfuncLeggiIni(const QString& file, const QString& sezione, const QString& chiave) {
  if (pfuncStatoFile(file) != 1) messaggioFileMancante(file);
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral(" ");
  return pfuncCercaValore(f.readAll(), sezione, chiave).value_or(QStringLiteral(" "));
}

bool pfuncScriviIni(const QString& file, const QString& sezione, const QString& chiave,
                    const QString& valore) {
  return pfuncScriviIniTutte(file, {{sezione, chiave, valore}});
}

bool pfuncScriviIniTutte(const QString& file, const QList<VoceIni>& voci, qint64 massimo) {
  const bool impostazioni = file == gstrFileIni;
  if (impostazioni) {
    if (pfuncStatoFile(file) != 1) messaggioFileMancante(file);
    rendiScrivibile(file);
  }
  QString errore;
  if (scriviTutte(file, voci, massimo, errore)) return true;
  // la classifica o il contatore non si perdono in silenzio: il giocatore lo sa
  if (impostazioni) {
    piattaforma().msgBox(QStringLiteral("Impossibile scrivere il file:") + CRLF + CRLF + file + CRLF + CRLF +
                             QStringLiteral("(") + errore + QStringLiteral(")"),
                         Pulsanti::Ok, Icona::Esclamazione, TITOLO_INFO);
  }
  return false;
}
