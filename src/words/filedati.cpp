#include "words/filedati.h"

#include <QFile>
#include <QFileInfo>

#include "app/media.h"
#include "app/modgenerale.h"
#include "persistence/impostazioni.h"

int pfuncStatoFile(const QString& percorso) {
  const QFileInfo info(percorso);
  if (!info.exists() || !info.isFile()) return -1;
  return info.size() > 0 ? 1 : 0;
}

void psubControllaFileDati() {
  for (const QString* file : {&gstrFileParole, &gstrFileIni, &gstrFileMusica, &gstrFileSuonoFinale,
                              &gstrFileSuonoUscita}) {
    if (pfuncStatoFile(*file) != 1) {
      psubErroreFatale(QStringLiteral("Impossibile trovare il file:") + CRLF + CRLF + *file +
                       QStringLiteral(".") + CRLF + CRLF + REINSTALLA);
    }
  }
  // sola lettura = bit di scrittura tolti; i file di un'installazione per tutti restano come li ha messi il pacchetto
  if (pfuncInstallazioneDiSistema(QFileInfo(gstrFileParole).absolutePath())) return;
  for (const QString* file : {&gstrFileParole, &gstrFileMusica, &gstrFileSuonoFinale, &gstrFileSuonoUscita}) {
    QFile f(*file);
    f.setPermissions(f.permissions() & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                         QFileDevice::WriteGroup | QFileDevice::WriteOther));
  }
}

void psubRiempiParole(ColParole& lista, const QByteArray& contenuto) {
  lista.Clear();
  qsizetype i = 0;
  const qsizetype n = contenuto.size();
  while (i < n) {
    qsizetype j = contenuto.indexOf('\n', i);
    if (j < 0) j = n;
    qsizetype fine = j;
    if (fine > i && contenuto[fine - 1] == '\r') --fine;
    lista.Add(QString::fromUtf8(contenuto.constData() + i, fine - i).toUpper());
    i = j + 1;
  }
}

int pfuncControllaParole() {
  if (colParole.Count() != NUMERO_PAROLE) return -1;
  for (int i = 1; i <= colParole.Count(); ++i) {
    const qsizetype lunghezza = colParole.Item(i).size();
    if (lunghezza > 10 || lunghezza < 6) return -1;
  }
  return 0;
}

namespace {

// Riempie colParole dal file; falso se il file non si apre.
bool leggiParole(QFile& f) {
  if (!f.open(QIODevice::ReadOnly)) return false;
  // un file enorme non puo' essere una lista di 4100 parole: basta leggerne l'inizio
  psubRiempiParole(colParole, f.read(NUMERO_PAROLE * 16));
  if (!f.atEnd()) colParole.Add(QString());
  return true;
}

}  // namespace

bool pfuncLeggiParole() {
  QFile f(gstrFileParole);
  if (leggiParole(f) && pfuncControllaParole() == 0) return true;
  colParole.Clear();
  return false;
}

void psubCaricaParole() {
  QFile f(gstrFileParole);
  if (!leggiParole(f)) {
    psubErroreFatale(QStringLiteral("Si è verificato un errore imprevisto nella routine Main:") + CRLF + CRLF +
                     QStringLiteral("(") + f.errorString() + QStringLiteral(")") + CRLF + CRLF + CONSIGLIA);
  }
  if (pfuncControllaParole() != 0) {
    psubFermaSuono();
    const QString testo = QStringLiteral("Il file:") + CRLF + CRLF + gstrFileParole + CRLF + CRLF +
                          QStringLiteral("è stato corrotto.") + CRLF + CRLF + REINSTALLA;
    colParole.Clear();
    psubErroreFatale(testo);
  }
}
