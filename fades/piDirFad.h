// Direct cross fade, dimkit index 4: every channel moves in a straight line
// from picture A at progress 0 to picture B at progress 1.  Pictures only.
#pragma once

#include "EffectOps.h"

namespace piDirFad {

// A new 24-bit picture of A's size, each channel a + Trunc((b - a) × p);
// null when A is not a 24-bit picture or B is not one at least A's size.
HGLOBAL render(const void* a, const void* b, double p);

extern const plugin::EffectOps kOps;

}  // namespace piDirFad
