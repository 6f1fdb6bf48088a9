#pragma once
// Conversioni twip/pixel e matrici di controlli con i loro indici (le lettere da 1 a 21, le caselle da 1 a 10).

#include <QRect>
#include <array>
#include <cmath>

constexpr int TWIP_PER_PIXEL = 15;

inline int tw(double twip) { return static_cast<int>(std::lround(twip / TWIP_PER_PIXEL)); }
inline QRect twRect(double sx, double su, double larg, double alt) {
  return QRect(tw(sx), tw(su), tw(larg), tw(alt));
}

// Matrice di controlli indicizzata da Da ad A inclusi: gli indici restano quelli delle finestre del gioco.
template <typename T, int Da, int A>
class MatriceControlli {
public:
  T*& operator()(int i) { return mElementi.at(static_cast<std::size_t>(i - Da)); }
  T* operator()(int i) const { return mElementi.at(static_cast<std::size_t>(i - Da)); }
  static constexpr int primo() { return Da; }
  static constexpr int ultimo() { return A; }

private:
  std::array<T*, A - Da + 1> mElementi{};
};
