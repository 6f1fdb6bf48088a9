#include "play/regole.h"

#include <cmath>

LimiteTempo pfuncLimiteTempo(int round) {
  if (round <= 5) return {QStringLiteral("03 : 00"), 3, 0};
  if (round <= 10) return {QStringLiteral("02 : 30"), 2, 30};
  if (round <= 15) return {QStringLiteral("02 : 00"), 2, 0};
  if (round <= 20) return {QStringLiteral("01 : 30"), 1, 30};
  if (round <= 25) return {QStringLiteral("01 : 00"), 1, 0};
  return {QStringLiteral("00 : 30"), 0, 30};
}

int pfuncLivelloDaMostrare(int round) {
  if (round < 1 || round > 96 || (round - 1) % 5 != 0) return 0;
  return (round - 1) / 5 + 1;
}

int pfuncIndiceEstratto(double r, int n) {
  // arrotondamento al pari come il CInt classico
  return static_cast<int>(std::nearbyint(r * (n - 1) + 1));
}

int pfuncPulsantePerLettera(QChar lettera) {
  const qsizetype i = ALFABETO_GIOCO.indexOf(lettera);
  return i < 0 ? 0 : static_cast<int>(i) + 1;
}

int pfuncPulsantePerTasto(int keyAscii) {
  if (keyAscii >= 97 && keyAscii <= 122) keyAscii -= 32;
  if (keyAscii < 65 || keyAscii > 90) return 0;
  return pfuncPulsantePerLettera(QChar(keyAscii));
}

QString pfuncTestoTempo(int minuti, int secondi) {
  auto due = [](int v) { return (v < 10 ? QStringLiteral("0") : QString()) + QString::number(v); };
  return due(minuti) + QStringLiteral(" : ") + due(secondi);
}

qint32 pfuncPunteggioRound(const DatiPunteggio& d) {
  qint32 p = 200 * d.lunghezza;
  if (d.lunghezza == 10) p += 100;
  p += static_cast<qint16>(120 * d.minuti + 2 * d.secondi);
  if (d.jollyUsato) p -= 500;
  p -= 100 * d.vocaliProvate;
  p -= 50 * d.errori;
  return p;
}
