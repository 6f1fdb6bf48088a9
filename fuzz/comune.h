#pragma once
// Parti comuni dei bersagli di fuzzing.

#include <QString>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

// Oltre questa dimensione l'ingresso si rifiuta prima di leggerlo:
// nessun file dati del gioco e' cosi' grande.
inline constexpr std::size_t INGRESSO_MASSIMO = 64 * 1024;

// Una proprieta' violata e' un difetto come un crash: messaggio e abort,
// cosi' libFuzzer salva l'ingresso che la viola.
#define VERIFICA(condizione, ...)                                        \
  do {                                                                   \
    if (!(condizione)) {                                                 \
      std::fprintf(stderr, "PROPRIETA' VIOLATA: %s\n", #condizione);     \
      std::fprintf(stderr, "%s\n", qPrintable(QString(__VA_ARGS__)));    \
      std::abort();                                                      \
    }                                                                    \
  } while (0)

// Testo leggibile anche con caratteri di controllo, per i messaggi.
inline QString visibile(const QString& s) {
  QString r;
  for (const QChar c : s) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate()) {
      r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    } else {
      r += c;
    }
  }
  return QLatin1Char('"') + r + QLatin1Char('"');
}
