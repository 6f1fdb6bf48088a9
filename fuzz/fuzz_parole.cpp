// Lista parole: nessun crash su byte qualsiasi, e ogni riga si legge da sola:
// il file diviso dopo un a capo da' le parole delle due parti, in fila.
#include <QByteArray>
#include <QString>

#include "app/modgenerale.h"
#include "comune.h"
#include "words/filedati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  const QByteArray contenuto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));

  psubRiempiParole(colParole, contenuto);
  const int esito = pfuncControllaParole();
  VERIFICA(esito == 0 || esito == -1, QString::number(esito));
  const ColParole tutte = colParole;
  for (int i = 1; i <= tutte.Count(); ++i) VERIFICA(!tutte.Item(i).contains(u'\n'), visibile(tutte.Item(i)));

  // il punto di divisione: dopo l'a capo piu' vicino alla meta'
  const qsizetype a = contenuto.indexOf('\n', contenuto.size() / 2);
  if (a >= 0) {
    psubRiempiParole(colParole, contenuto.left(a + 1));
    ColParole parti = colParole;
    psubRiempiParole(colParole, contenuto.mid(a + 1));
    for (int i = 1; i <= colParole.Count(); ++i) parti.Add(colParole.Item(i));
    VERIFICA(parti.Count() == tutte.Count(), QStringLiteral("%1 parole, a pezzi %2").arg(tutte.Count()).arg(parti.Count()));
    for (int i = 1; i <= tutte.Count(); ++i) {
      VERIFICA(parti.Item(i) == tutte.Item(i),
               QStringLiteral("parola %1: %2, a pezzi %3").arg(i).arg(visibile(tutte.Item(i)), visibile(parti.Item(i))));
    }
  }
  colParole.Clear();
  return 0;
}
