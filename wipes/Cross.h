#pragma once

#include "EffectOps.h"
#include "WipeFrame.h"

namespace Cross {

enum class Shape { CrossIn, CrossOut, DiamondOut, DiamondIn };

// A new 24-bit picture of A's size; null when a picture cannot be read.
HGLOBAL render(Shape shape, const wipes::Frame& frame);

extern const plugin::EffectOps kCrossWipeInOps;     // index 13
extern const plugin::EffectOps kCrossWipeOutOps;    // index 14
extern const plugin::EffectOps kDiamondWipeOutOps;  // index 15
extern const plugin::EffectOps kDiamondWipeInOps;   // index 16

}  // namespace Cross
