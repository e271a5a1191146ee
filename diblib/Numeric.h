// The numeric rules every renderer follows.  Products and quotients that are
// truncated, rounded or compared are formed in extended precision (long
// double: the x87 64-bit mantissa on x86-64); values held as doubles stay
// doubles.  Effect code converts reals to integers only through these.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace numeric {

using Extended = long double;

// Toward zero.
inline int64_t Trunc(Extended value) { return static_cast<int64_t>(value); }

// To nearest, halves to the even neighbour (the FPU's default rounding mode).
inline int64_t Round(Extended value) { return static_cast<int64_t>(std::nearbyintl(value)); }

// Clamps to lo..hi.
template <class T>
constexpr T clampTo(T value, T lo, T hi) {
  return value < lo ? lo : (value > hi ? hi : value);
}

}  // namespace numeric
