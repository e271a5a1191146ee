#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace FreeWipe {

struct Settings {
  int32_t degree;  // direction the wipe travels, counter-clockwise from right
};

// A new 24-bit picture: the copy of A (any depth) with B's pixels where the
// edge of the frame has passed.  Null when A cannot be read, or when B is
// needed and is not a 24-bit picture of at least A's size.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

// Whether pixel (x, y) shows picture B in a W x H frame at progress p > 0:
// the rule evaluated for one pixel, as the renderer decides every pixel.
bool showsB(const Settings& settings, int32_t width, int32_t height, double p, int32_t x,
            int32_t y);

// What the dialog does to the record before the form appears (and keeps
// even when cancelled): a degree outside 0..359 becomes 0.
void resetBeforeDialog(Settings& settings);

extern const plugin::EffectOps kFreeWipeOps;  // index 1

}  // namespace FreeWipe
