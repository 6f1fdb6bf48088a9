// Lista parole: nessun crash su byte qualsiasi, e ogni riga si legge da sola:
// il file diviso dopo un a capo da' le parole delle due parti, in fila.
#include <QStringList>

#include "app/modgenerale.h"
#include "comune.h"
#include "words/filedati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  const QByteArray contenuto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
  psubRiempiParole(colParole, contenuto);
  const int esito = pfuncControllaParole();
  VERIFICA(esito == 0 || esito == -1, QString::number(esito));
  QStringList tutte, parti;
  for (int i = 1; i <= colParole.Count(); ++i) tutte << colParole.Item(i);
  // il punto di divisione: dopo l'a capo piu' vicino alla meta'
  const qsizetype a = contenuto.indexOf('\n', contenuto.size() / 2) + 1;
  for (const QByteArray& parte : {contenuto.left(a), contenuto.mid(a)}) {
    psubRiempiParole(colParole, parte);
    for (int i = 1; i <= colParole.Count(); ++i) parti << colParole.Item(i);
  }
  VERIFICA(tutte == parti && !tutte.join(u' ').contains(u'\n'), QStringLiteral("%1 parole, a pezzi %2: %3 / %4")
           .arg(tutte.size()).arg(parti.size()).arg(visibile(tutte.join(u'|')), visibile(parti.join(u'|'))));
  colParole.Clear();
  return 0;
}
