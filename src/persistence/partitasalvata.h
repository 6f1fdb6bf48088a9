#pragma once
// Partita salvata: lo stato che un file ".cap" conserva, le voci da scrivere
// (numeri mascherati con r, parola codificata, parole segno per le lettere)
// e la lettura con tutti i controlli. Logica pura, senza finestre ne' file.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "persistence/profilo.h"

struct StatoPartita {
  int round = 1;
  int minuti = 0;
  int secondi = 0;
  qint32 punteggio = 0;
  QString parola;
  int errori = 0;
  int daScoprire = 0;
  bool jollyDisponibile = true;
  std::array<bool, 22> lettere{};      // 1..21: pulsante lettera abilitato
  std::array<QString, 11> caselle{};  // 1..10: testo delle caselle della parola

  bool operator==(const StatoPartita&) const = default;
};

// Perche' un file viene rifiutato: il primo controllo che non passa.
enum class Rifiuto {
  Nessuno,
  Dimensione,
  ChiaveMancante,
  NonNumero,
  Round,
  Tempo,
  Punteggio,
  Parola,
  Errori,
  DaScoprire,
  Jolly,
  Lettera,
  Casella
};

struct PartitaLetta {
  std::optional<StatoPartita> stato;
  Rifiuto rifiuto = Rifiuto::Nessuno;
};

// Oltre questa dimensione un file non e' una partita salvata.
inline constexpr qint64 DIMENSIONE_MASSIMA_PARTITA = 64 * 1024;

// Le 25 cifre che nel file portano r (codice 1..25).
extern const std::array<QString, 25> CODICI_CIFRE;
// Parole segno: pulsante ancora disponibile / gia' usato.
extern const QStringList PAROLE_DISPONIBILE;
extern const QStringList PAROLE_USATO;

// "Veltrak Mr.Gorbio 1.0 - Partita salvata", dai testi d'identita'.
QString pfuncSezionePartita();
// Chiave del pulsante lettera i (1..21) e della casella i (1..10).
QString pfuncChiaveLettera(int i);
QString pfuncChiaveCasella(int i);

// Tutte le voci del file nell'ordine di scrittura; casuale() in [0, 1)
// sceglie la parola segno di ogni pulsante.
QList<VoceIni> pfuncVociPartita(const StatoPartita& stato, int r, const std::function<double()>& casuale);

// Legge e controlla una partita salvata; qualunque contenuto la rifiuta
// senza eccezioni se un valore non e' quello di una partita vera.
PartitaLetta pfuncLeggiPartita(const QByteArray& contenuto);

// Arrotondamento all'intero piu' vicino, a meta' verso il pari.
double pfuncArrotondaPari(double x);
