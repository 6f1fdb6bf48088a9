#pragma once
// Parti comuni dei bersagli di fuzzing.

#include <QString>
#include <cstdio>
#include <cstdlib>

// Oltre questa dimensione l'ingresso si rifiuta prima di leggerlo: nessun file dati del gioco e' cosi' grande.
inline constexpr std::size_t INGRESSO_MASSIMO = 64 * 1024;

// Una proprieta' violata e' un difetto come un crash: messaggio e abort, cosi' libFuzzer salva l'ingresso che la viola.
#define VERIFICA(condizione, ...)                                                                              \
  do {                                                                                                         \
    if (!(condizione)) {                                                                                       \
      std::fprintf(stderr, "PROPRIETA' VIOLATA: %s\n%s\n", #condizione, qPrintable(QString(__VA_ARGS__))); \
      std::abort();                                                                                            \
    }                                                                                                          \
  } while (0)

// Testo leggibile anche con caratteri di controllo, per i messaggi.
inline QString visibile(const QString& s) {
  return QLatin1Char('"') + QString::fromLatin1(s.toUtf8().toPercentEncoding(" !#$&'()*+,/:;<=>?@[]^_`{|}~\\")) + '"';
}
