// Logarithmic fades, dimkit indices 6-9 (not announced by piCount): the
// linear fades with the progress squared, so brightness and gain follow
// quadratic curves.
#pragma once

#include <cstdint>

#include "EffectOps.h"
#include "FadeCore.h"

namespace piLogFad {

// One picture of fade type 0-3 at progress p; null when an input the type
// reads is missing or unreadable.
HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p);

// One sound buffer of fade type 0-3 at progress p; an empty result when the
// format or an input the type reads is refused.
FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& inputs, int32_t type, double p);

// The operation set behind indices 6-9 (variant = index - 6).
extern const plugin::EffectOps kOps;

}  // namespace piLogFad
