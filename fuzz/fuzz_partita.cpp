// Lettura delle partite salvate: nessun crash su byte qualsiasi, e una partita accettata e' sempre giocabile. Poi, come
// fa il gioco salvando sopra un file esistente, le voci di una partita si scrivono sopra il contenuto: la rilettura
// deve dare esattamente la partita salvata.
#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <algorithm>

#include "app/modgenerale.h"
#include "comune.h"
#include "persistence/partitasalvata.h"
#include "persistence/profilo.h"

// scritto qui e non preso dal codice: un cambio per sbaglio si vede
static const QString ALFABETO = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  psubImpostaIdentita();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  const QByteArray contenuto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
  const PartitaLetta letta = pfuncLeggiPartita(contenuto);
  VERIFICA(letta.stato.has_value() == (letta.rifiuto == Rifiuto::Nessuno), QString::number(int(letta.rifiuto)));
  // salvare sopra questo contenuto la partita letta, o una di prova
  StatoPartita salvata{12, 1, 7, -150, "ZUCCHERO", 2, 5, false, {}, {"", "_", "U", "C", "C", "_", "_", "_", "_"}};
  if (letta.stato) {
    // giocabile; il punteggio puo' essere negativo, un round vinto puo' valere meno di zero
    const StatoPartita& s = *letta.stato;
    const bool caselle = std::all_of(s.caselle.begin(), s.caselle.end(), [](const QString& c) { return c.size() <= 1; });
    static const QRegularExpression parola("^[" + ALFABETO + "]{6,10}$");
    VERIFICA(s.round >= 1 && s.round <= 99 && s.errori >= 0 && s.errori <= 8 && s.daScoprire >= 0 && s.daScoprire <= 10 &&
                 s.minuti >= 0 && s.secondi >= 0 && s.secondi < 60 && caselle && parola.match(s.parola).hasMatch(),
             visibile(s.parola));
    salvata = s;
  }
  // un gioco vero mette in una casella solo "_", una lettera o niente: le altre si sostituiscono
  for (QString& c : salvata.caselle) c = c.isEmpty() || c == u"_" || ALFABETO.contains(c[0]) ? c : QStringLiteral("_");
  const int r = dimensione == 0 ? 1 : dati[dimensione / 2] % 25 + 1;
  unsigned seme = static_cast<unsigned>(dimensione);
  const auto casuale = [&seme] { return ((seme = seme * 1103515245U + 12345U) >> 8) % 1000 / 1000.0; };
  const QByteArray scritto = pfuncApplicaScritture(contenuto, pfuncVociPartita(salvata, r, casuale));
  // un file gia' grande puo' superare il limite: quello si rifiuta di proposito
  if (scritto.size() > DIMENSIONE_MASSIMA_PARTITA) return 0;
  // un file Windows-1252 che le scritture rendono UTF-8 valido si rilegge, giustamente, come UTF-8
  if (pfuncProfiloUtf8(scritto) != pfuncProfiloUtf8(contenuto)) return 0;
  const PartitaLetta riletta = pfuncLeggiPartita(scritto);
  VERIFICA(riletta.stato == salvata, QStringLiteral("r=%1 rifiuto=%2 parola %3").arg(r).arg(int(riletta.rifiuto)).arg(visibile(salvata.parola)));
  return 0;
}
