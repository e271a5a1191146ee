#pragma once

#include "Bands.h"

namespace BandsW2 {

using Settings = Bands::PhasedSettings;

// A new 24-bit picture: the copy of A (any depth) with the bands moved;
// see Bands::render.
wipes::Rendered render(const wipes::Frame& frame, const Settings& settings);

// What the dialog does to the record before the form appears (and keeps
// even when cancelled): a degree other than 0, 90, 180 or 270, or
// a bands value outside 2..9999, gives degree 0 and 10 bands; phases become 2.
void resetBeforeDialog(Settings& settings);

extern const plugin::EffectOps kBandsWipe2PhaseOps;  // index 6

}  // namespace BandsW2
