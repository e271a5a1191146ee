// Linear fades, dimkit indices 0-3: fade in, fade out, cross fade and fade
// out/fade in, over pictures and PCM sound, brightness and gain following
// the progress in a straight line.
#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "FadeCore.h"

namespace piLinFad {

// One picture of fade type 0-3 at progress p: a new 24-bit DIB of A's size,
// or null when an input the type reads is missing or unreadable.
HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p);

// One sound buffer of fade type 0-3 at progress p: a new block of count A
// sample frames and the count A the frame leaves; an empty result when the
// format or an input the type reads is refused.
FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& inputs, int32_t type, double p);

// The operation set behind indices 0-3 (variant = type).
extern const plugin::EffectOps kOps;

}  // namespace piLinFad
