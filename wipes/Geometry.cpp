#include "Geometry.h"

#include <cmath>

#include "Numeric.h"

namespace Geometry {
namespace {

using numeric::Extended;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

// Steps r down by the rounded period s while it is at least the exact
// period p.  Jumps most of the way at once (never past the loop's last
// step), then finishes step by step, so the result is the loop's.  s > 0.
int64_t reduce(int64_t r, Extended p, int64_t s) {
  if (r >= p) {
    int64_t jump = numeric::Trunc((Extended(r) - p) / Extended(s)) - 1;
    if (jump > 0) r -= jump * s;
  }
  while (Extended(r) >= p) r -= s;
  return r;
}

}  // namespace

double Bearing(int32_t x, int32_t y, int32_t cx, int32_t cy) {
  int64_t dx = int64_t(x) - cx;
  int64_t dy = int64_t(y) - cy;
  double dx2 = double(dx) * double(dx);
  double dy2 = double(dy) * double(dy);
  double len = std::sqrt(dx2 + dy2);
  if (dy == 0) return dx < 0 ? 270.0 : 90.0;
  Extended s = Extended(dy) / len;
  double phi = static_cast<double>(std::atan(std::sqrt(1 - s * s) / s));
  phi = static_cast<double>(phi / (2 * kPi) * 360);
  if (dx >= 0 && dy < 0) return -phi;
  if (dx >= 0 && dy > 0) return static_cast<double>(180 - Extended(phi));
  if (dx < 0 && dy > 0) return static_cast<double>(Extended(phi) + 180);
  return static_cast<double>(Extended(phi) + 360);
}

double AngleBetween(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cx, int32_t cy) {
  double g = Bearing(x1, y1, cx, cy);
  double h = Bearing(x2, y2, cx, cy);
  return h >= g ? h - g : 360 - (g - h);
}

bool bandTest(int32_t c, int32_t d, int32_t n) {
  if (n <= 1) return true;
  if (n % 2 == 0) {
    Extended p = Extended(d) / (Extended(n) / 2);
    int64_t s = numeric::Round(p);
    if (s <= 0) return true;  // the extent cannot hold two bands: one band
    int64_t r = reduce(c, p, s);
    return Extended(r) >= Extended(d) / Extended(n);
  }
  int64_t g = numeric::Round(Extended(d) / Extended(n));
  int64_t r = int64_t(c) - g;
  if (r <= 0) return false;
  Extended e = Extended(d - g);
  Extended p = e / (Extended(n - 1) / 2);
  int64_t s = numeric::Round(p);
  if (s <= 0) return true;  // the extent cannot hold two bands: one band
  r = reduce(r, p, s);
  return Extended(r) < e / Extended(n - 1);
}

}  // namespace Geometry
