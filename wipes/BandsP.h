#pragma once

#include "Bands.h"

namespace BandsP {

using Settings = Bands::SinglePhaseSettings;

// A new 24-bit picture: the copy of A (any depth) with the bands moved;
// see Bands::render.
wipes::Rendered render(const wipes::Frame& frame, const Settings& settings);

// What the dialog does to the record before the form appears (and keeps
// even when cancelled): a degree other than 0 or 90, or a bands
// value outside 1..9999, gives degree 0 and 10 bands.
void resetBeforeDialog(Settings& settings);

extern const plugin::EffectOps kBandsPushOps;  // index 3

}  // namespace BandsP
