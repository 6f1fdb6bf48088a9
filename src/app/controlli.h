#pragma once
// Conversioni twip/pixel e matrici di controlli con gli indici del progetto.

#include <QRect>
#include <array>
#include <cmath>

constexpr int TWIP_PER_PIXEL = 15;

inline int tw(double twip) { return static_cast<int>(std::lround(twip / TWIP_PER_PIXEL)); }
inline QRect twRect(double sx, double su, double larg, double alt) {
  return QRect(tw(sx), tw(su), tw(larg), tw(alt));
}

// Matrice di controlli indicizzata da Da ad A inclusi, come nel progetto.
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
