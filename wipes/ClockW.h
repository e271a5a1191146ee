#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace ClockW {

struct Settings {
  uint8_t clockwise;  // the needles turn clockwise (settings key REVERSE)
  int32_t needles;    // number of needles, 1 to 10 from the dialog (NEEDLES)
};

// What the dialog does before its form appears: a needles value outside 1
// to 10 becomes 4, and the needles then turn counter-clockwise.
void resetOutOfRange(Settings& settings);

// A new 24-bit picture of A's size: the copy of A with B shown in the
// sectors the needles have swept.  Null when A cannot be read, or when a
// needle has moved and B is not a 24-bit picture at least as large as A.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

// The same picture with the bearing test applied to every pixel in turn:
// what render() must equal, kept to check it against.
HGLOBAL renderPixelByPixel(const wipes::Frame& frame, const Settings& settings);

extern const plugin::EffectOps kClockWipeOps;  // index 9

}  // namespace ClockW
