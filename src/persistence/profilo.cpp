#include "persistence/profilo.h"

#include <QFile>
#include <QFileInfo>

#include "app/modgenerale.h"
#include "app/piattaforma.h"
#include "persistence/scritturaatomica.h"
#include "words/filedati.h"

namespace {

constexpr int LUNGHEZZA_BUFFER = 255;

// Una riga del file: posizione del testo e del fine riga nel contenuto.
struct Riga {
  qsizetype inizio;
  qsizetype fineTesto;
  qsizetype fine;  // dopo il fine riga
};

QList<Riga> dividiRighe(const QByteArray& c) {
  QList<Riga> righe;
  qsizetype i = 0;
  const qsizetype n = c.size();
  while (i < n) {
    qsizetype j = i;
    while (j < n && c[j] != '\r' && c[j] != '\n') ++j;
    qsizetype k = j;
    if (k < n && c[k] == '\r') ++k;
    if (k < n && c[k] == '\n' && (k == j || c[k - 1] == '\r')) ++k;
    righe.append({i, j, k});
    i = k;
  }
  return righe;
}

QString testoRiga(const QByteArray& c, const Riga& r) {
  qsizetype inizio = r.inizio;
  // un BOM in testa al file non fa parte del nome della prima sezione
  if (inizio == 0 && c.startsWith("\xEF\xBB\xBF")) inizio = 3;
  if (inizio > r.fineTesto) inizio = r.fineTesto;
  return QString::fromUtf8(c.constData() + inizio, r.fineTesto - inizio).trimmed();
}

std::optional<QString> nomeSezione(const QString& riga) {
  if (!riga.startsWith(u'[')) return std::nullopt;
  const qsizetype chiusa = riga.indexOf(u']');
  return riga.mid(1, chiusa < 0 ? -1 : chiusa - 1).trimmed();
}

bool stessoNome(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Posizione nel file di una sezione e di una chiave al suo interno.
struct Posizione {
  qsizetype sezione = -1;      // indice della riga d'intestazione
  qsizetype ultimaPiena = -1;  // ultima riga non vuota della sezione
  qsizetype chiave = -1;       // riga della chiave
};

Posizione trova(const QByteArray& c, const QList<Riga>& righe, const QString& sezione,
                const QString& chiave) {
  Posizione p;
  bool dentro = false;
  for (qsizetype i = 0; i < righe.size(); ++i) {
    const QString t = testoRiga(c, righe[i]);
    if (const auto nome = nomeSezione(t)) {
      if (dentro) break;  // conta la prima sezione con quel nome
      dentro = stessoNome(*nome, sezione);
      if (dentro) p.sezione = p.ultimaPiena = i;
      continue;
    }
    if (!dentro || t.isEmpty()) continue;
    p.ultimaPiena = i;
    const qsizetype uguale = t.indexOf(u'=');
    if (uguale >= 0 && p.chiave < 0 && stessoNome(t.left(uguale).trimmed(), chiave)) p.chiave = i;
  }
  return p;
}

// Il valore non puo' spezzare la struttura del file.
QByteArray valorePulito(const QString& v) {
  QString s = v;
  s.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ');
  return s.toUtf8();
}

QByteArray applicaUna(QByteArray c, const VoceIni& v) {
  const QList<Riga> righe = dividiRighe(c);
  const Posizione p = trova(c, righe, v.sezione, v.chiave);
  const QByteArray valore = valorePulito(v.valore);
  if (p.chiave >= 0) {
    const Riga& r = righe[p.chiave];
    const qsizetype uguale = c.indexOf('=', r.inizio);
    c.replace(uguale + 1, r.fineTesto - uguale - 1, valore);
    return c;
  }
  const QByteArray riga = valorePulito(v.chiave) + '=' + valore + "\r\n";
  if (p.sezione >= 0) {
    const Riga& r = righe[p.ultimaPiena];
    QByteArray inserto = riga;
    // l'ultima riga del file senza a capo ne riceve uno prima della nuova chiave
    if (r.fine == r.fineTesto) inserto.prepend("\r\n");
    c.insert(r.fine, inserto);
    return c;
  }
  if (!c.isEmpty() && !c.endsWith('\n') && !c.endsWith('\r')) c.append("\r\n");
  c.append('[' + valorePulito(v.sezione) + "]\r\n" + riga);
  return c;
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
bool scriviTutte(const QString& file, const QList<VoceIni>& voci, QString& errore) {
  QByteArray contenuto;
  if (QFileInfo::exists(file)) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
      errore = f.errorString();
      return false;
    }
    contenuto = f.readAll();
  }
  return pfuncSostituisciFile(file, pfuncApplicaScritture(std::move(contenuto), voci), errore);
}

}  // namespace

std::optional<QString> pfuncCercaValore(const QByteArray& contenuto, const QString& sezione,
                                        const QString& chiave) {
  const QList<Riga> righe = dividiRighe(contenuto);
  const Posizione p = trova(contenuto, righe, sezione, chiave);
  if (p.chiave < 0) return std::nullopt;
  const QString t = testoRiga(contenuto, righe[p.chiave]);
  return t.mid(t.indexOf(u'=') + 1).trimmed().left(LUNGHEZZA_BUFFER - 1);
}

QByteArray pfuncApplicaScritture(QByteArray contenuto, const QList<VoceIni>& voci) {
  for (const VoceIni& v : voci) contenuto = applicaUna(std::move(contenuto), v);
  return contenuto;
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

bool pfuncScriviIniTutte(const QString& file, const QList<VoceIni>& voci) {
  const bool impostazioni = file == gstrFileIni;
  if (impostazioni) {
    if (pfuncStatoFile(file) != 1) messaggioFileMancante(file);
    rendiScrivibile(file);
  }
  QString errore;
  if (scriviTutte(file, voci, errore)) return true;
  // la classifica o il contatore non si perdono in silenzio: il giocatore lo sa
  if (impostazioni) {
    piattaforma().msgBox(QStringLiteral("Impossibile scrivere il file:") + CRLF + CRLF + file + CRLF + CRLF +
                             QStringLiteral("(") + errore + QStringLiteral(")"),
                         Pulsanti::Ok, Icona::Esclamazione, TITOLO_INFO);
  }
  return false;
}
