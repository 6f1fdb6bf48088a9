#pragma once
// Regole pure del gioco: tempo per round, estrazione, tasti, punteggio.

#include <QString>

struct LimiteTempo {
  QString testo;
  int minuti;
  int secondi;
};

// Tempo del round (03 : 00 fino al round 5, poi 30 secondi in meno ogni cinque round).
LimiteTempo pfuncLimiteTempo(int round);
// Livello da mostrare nel titolo, o 0 se a quel round il titolo non cambia.
int pfuncLivelloDaMostrare(int round);
// Indice nella lista (1..N) per un numero casuale r in [0, 1).
int pfuncIndiceEstratto(double r, int n);
// Pulsante lettera (1..21) per un codice di tasto, 0 se il tasto non e' una lettera del gioco.
int pfuncPulsantePerTasto(int keyAscii);
// Pulsante lettera (1..21) per una lettera maiuscola, 0 se non c'e'.
int pfuncPulsantePerLettera(QChar lettera);
// Testo del tempo "mm : ss".
QString pfuncTestoTempo(int minuti, int secondi);

struct DatiPunteggio {
  int lunghezza;
  int minuti;
  int secondi;
  bool jollyUsato;
  int vocaliProvate;
  int errori;
};
// Quanto vale il round vinto (puo' essere negativo).
qint32 pfuncPunteggioRound(const DatiPunteggio& d);

inline const QString ALFABETO_GIOCO = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");
inline constexpr int VOCALI_GIOCO[] = {1, 5, 9, 13, 19};
