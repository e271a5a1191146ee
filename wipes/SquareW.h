#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace SquareW {

struct Settings {
  int32_t origin;  // where the rectangle is anchored, 101 to 105 (settings key ORIGIN)
  uint8_t wipeIn;  // A shrinks into the origin; otherwise B grows out of it (REVERSE)
};

enum Origin : int32_t {
  kCenter = 101,
  kTopRight = 102,
  kTopLeft = 103,
  kBottomLeft = 104,
  kBottomRight = 105,
};

// What the dialog does before its form appears: an origin outside 101 to
// 105 becomes 101, and the wipe becomes a wipe out with it.
void resetOutOfRange(Settings& settings);

// The dialog's drop-down list orders the origins centre, top left, top
// right, bottom left, bottom right: not in origin order.  -1 for an origin
// outside 101 to 105; 101 for an item outside 0 to 4.
int32_t itemForOrigin(int32_t origin);
int32_t originForItem(int32_t item);

// A new 24-bit picture of A's size.  Null when A cannot be read, or when
// the frame shows B and B is not a 24-bit picture at least as large as A.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

extern const plugin::EffectOps kSquareWipeOps;  // index 11

}  // namespace SquareW
