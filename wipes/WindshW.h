#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace WindshW {

struct Settings {
  int32_t origin;     // the wiper's pivot, 101 to 108 (settings key ORIGIN)
  uint8_t clockwise;  // the wiper turns clockwise (settings key REVERSE)
};

// The pivots, in the order of the dialog's list (item = origin - 101).
enum Origin : int32_t {
  kRightCenter = 101,
  kTopRightCorner,
  kTopCenter,
  kTopLeftCorner,
  kLeftCenter,
  kBottomLeftCorner,
  kBottomCenter,
  kBottomRightCorner,
};

// What the dialog does before its form appears: an origin outside 101 to
// 108 becomes 107 (bottom centre), and the wiper then turns
// counter-clockwise.
void resetOutOfRange(Settings& settings);

// A new 24-bit picture of A's size: the copy of A with B shown where the
// wiper has passed.  Null when A cannot be read, or when the wiper has
// moved and B is not a 24-bit picture at least as large as A.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

// The same picture with the angle test applied to every pixel in turn.
HGLOBAL renderPixelByPixel(const wipes::Frame& frame, const Settings& settings);

extern const plugin::EffectOps kWindshieldWipeOps;  // index 29

}  // namespace WindshW
