// Lettura delle partite salvate: nessun crash su byte qualsiasi, e una partita
// accettata e' sempre giocabile. Poi, come fa il gioco salvando sopra un file
// esistente, le voci di una partita si scrivono sopra il contenuto: la
// rilettura deve dare esattamente la partita salvata.
#include <QByteArray>
#include <QString>

#include "app/modgenerale.h"
#include "comune.h"
#include "persistence/partitasalvata.h"

namespace {

// scritto qui e non preso dal codice: un cambio per sbaglio si vede
const QString ALFABETO = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");

void controllaGiocabile(const StatoPartita& s) {
  VERIFICA(s.round >= 1 && s.round <= 99, QStringLiteral("round %1").arg(s.round));
  VERIFICA(s.errori >= 0 && s.errori <= 8, QStringLiteral("errori %1").arg(s.errori));
  VERIFICA(s.daScoprire >= 0 && s.daScoprire <= 10, QStringLiteral("da scoprire %1").arg(s.daScoprire));
  VERIFICA(s.minuti >= 0 && s.secondi >= 0 && s.secondi < 60, QStringLiteral("%1:%2").arg(s.minuti).arg(s.secondi));
  // il punteggio puo' essere negativo: un round vinto puo' valere meno di zero
  VERIFICA(s.parola.size() >= 6 && s.parola.size() <= 10, visibile(s.parola));
  for (const QChar c : s.parola) VERIFICA(ALFABETO.contains(c), visibile(s.parola));
  for (const QString& c : s.caselle) VERIFICA(c.size() <= 1, visibile(c));
}

// Un gioco vero mette in una casella solo "_", una lettera o niente: solo
// queste tornano uguali da un salvataggio (la lettura ne accetta altre).
bool stessaPartita(StatoPartita salvata, StatoPartita riletta) {
  for (std::size_t i = 0; i < salvata.caselle.size(); ++i) {
    const QString c = salvata.caselle[i].trimmed();
    const bool delGioco = c.isEmpty() || c == u"_" || (c.size() == 1 && ALFABETO.contains(c[0]));
    salvata.caselle[i] = delGioco ? c : riletta.caselle[i].trimmed();
    riletta.caselle[i] = riletta.caselle[i].trimmed();
  }
  return salvata == riletta;
}

QString descrivi(const StatoPartita& s) {
  QString t = QStringLiteral("round=%1 tempo=%2:%3 punti=%4 parola=%5 errori=%6 nascoste=%7 jolly=%8 ")
                  .arg(s.round).arg(s.minuti).arg(s.secondi).arg(s.punteggio).arg(visibile(s.parola))
                  .arg(s.errori).arg(s.daScoprire).arg(s.jollyDisponibile);
  for (const bool b : s.lettere) t += b ? u'1' : u'0';
  for (const QString& c : s.caselle) t += visibile(c);
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  psubImpostaIdentita();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > INGRESSO_MASSIMO) return 0;
  const QByteArray contenuto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(dimensione));
  const PartitaLetta letta = pfuncLeggiPartita(contenuto);
  VERIFICA(letta.stato.has_value() == (letta.rifiuto == Rifiuto::Nessuno), QString::number(int(letta.rifiuto)));
  if (letta.stato) controllaGiocabile(*letta.stato);

  // salvare sopra questo contenuto la partita letta, o una di prova
  StatoPartita salvata{12, 1, 7, -150, "ZUCCHERO", 2, 5, false, {}, {"", "_", "U", "C", "C", "_", "_", "_", "_"}};
  for (std::size_t i = 1; i <= 21; ++i) salvata.lettere[i] = i != 3 && i != 4 && i != 6 && i != 19;
  if (letta.stato) salvata = *letta.stato;
  const int r = dimensione == 0 ? 1 : dati[dimensione / 2] % 25 + 1;
  unsigned seme = static_cast<unsigned>(dimensione);
  const auto casuale = [&seme] { return ((seme = seme * 1103515245U + 12345U) >> 8) % 1000 / 1000.0; };
  const QByteArray scritto = pfuncApplicaScritture(contenuto, pfuncVociPartita(salvata, r, casuale));
  // un file gia' grande puo' superare il limite: quello si rifiuta di proposito
  if (scritto.size() > DIMENSIONE_MASSIMA_PARTITA) return 0;
  const PartitaLetta riletta = pfuncLeggiPartita(scritto);
  VERIFICA(riletta.stato && stessaPartita(salvata, *riletta.stato),
           QStringLiteral("r=%1 rifiuto=%2\nsalvata %3\nriletta %4")
               .arg(r).arg(int(riletta.rifiuto))
               .arg(descrivi(salvata), riletta.stato ? descrivi(*riletta.stato) : QString()));
  return 0;
}
