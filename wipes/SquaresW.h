#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace SquaresW {

struct Settings {
  int32_t squares;  // cells per row and per column, 1 to 10 (settings key SQUARES)
  int32_t degree;   // wipe direction inside each cell, a multiple of 45 (DEGREE)
};

// What the dialog does before its form appears: a degree outside 0 to 315
// or not a multiple of 45 becomes 45; independently, a squares value
// outside 1 to 10 becomes 4.
void resetOutOfRange(Settings& settings);

// A new 24-bit picture of A's size: B wiped into every cell of the grid at
// once.  Null when A cannot be read, or when the frame shows B and B is not
// a 24-bit picture at least as large as A.
//
// A squares value of 0 or less draws nothing (the copy of A).  A picture
// narrower or lower than the squares value gets one-pixel cells along that
// axis: as many cells as it has columns (rows).
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

extern const plugin::EffectOps kMultipleRectangleWipeOps;  // index 4

}  // namespace SquaresW
