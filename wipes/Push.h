#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "WipeFrame.h"

namespace Push {

struct Settings {
  int32_t degree;  // direction the pictures move, counter-clockwise from right
};

// A new 24-bit picture of A's size: at p <= 0 the copy of A (any depth),
// otherwise A pushed out by B.  Null when A or B is not a 24-bit picture
// of at least A's size (p > 0) or A cannot be read at all.
HGLOBAL render(const wipes::Frame& frame, const Settings& settings);

extern const plugin::EffectOps kPushPlusOps;  // index 0

}  // namespace Push
