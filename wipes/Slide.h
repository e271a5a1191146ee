#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace Slide {

struct Settings {
  int32_t degree;  // direction of motion, a multiple of 45 (settings key DEGREE)
};

// What the dialog does before its form appears: a degree other than 0, 45,
// ..., 315 becomes 0.
void resetOutOfRange(Settings& settings);

// A new 24-bit picture of A's size.  Slide In (frame.variant 0) moves B in
// over the standing A; Slide out (variant 1) moves A away from the standing
// B.  Null when A cannot be read, or when the frame moves and B is not a
// 24-bit picture at least as large as A.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

// Both indices, 12 (row variant 0, "Slide In") and 40 (variant 1, "Slide
// out"), point at this one operation set: they share its icons, its
// initialisation and its name buffer.
extern const plugin::EffectOps kSlideOps;

}  // namespace Slide
