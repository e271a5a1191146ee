// What Bands Wipe, Bands Push and their 2 Phase forms share: the band
// geometry (alternate rows or columns in two sets), the single- and
// two-phase timing, the two motions, and the settings lines and names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Presentation.h"
#include "Settings.h"
#include "WipeEffect.h"

namespace Bands {

enum class Motion {
  Wipe,  // B is uncovered in place
  Push,  // B pushes A along each band
};

// Degree, bands and phases: Bands Wipe, Bands Wipe 2 Phase, Bands Push 2 Phase.
struct PhasedSettings {
  int32_t degree;  // direction of the phase-one bands: 0 right, 90 up, 180 left, 270 down
  int32_t bands;
  int32_t phases;  // 1: single-phase timing; anything else two-phase (with 2+ bands)
};

// Degree and bands: Bands Push, which always moves every band at once.
struct SinglePhaseSettings {
  int32_t degree;
  int32_t bands;
};

inline constexpr plugin::SettingDef kPhasedSettings[] = {
    {"DEGREE=", offsetof(PhasedSettings, degree), plugin::SettingKind::Int32},
    {"BANDS=", offsetof(PhasedSettings, bands), plugin::SettingKind::Int32},
    {"PHASES=", offsetof(PhasedSettings, phases), plugin::SettingKind::Int32},
};
inline constexpr plugin::SettingDef kSinglePhaseSettings[] = {
    {"DEGREE=", offsetof(SinglePhaseSettings, degree), plugin::SettingKind::Int32},
    {"BANDS=", offsetof(SinglePhaseSettings, bands), plugin::SettingKind::Int32},
};

inline constexpr int32_t kDefaultBands = 10;
inline constexpr int32_t kMaxBands = 9999;

// Two-phase timing needs two bands to take turns.
constexpr bool twoPhase(int32_t bands, int32_t phases) { return bands >= 2 && phases != 1; }

// One frame: the copy of A (any depth) with the bands moved.  A degree other
// than 0, 90, 180 or 270 draws nothing; the frame is then the copy of A and
// `drawn` is false.  Null output when A cannot be read, or when B is needed
// and is not a 24-bit picture of at least A's size.
wipes::Rendered render(Motion motion, const wipes::Frame& frame, int32_t degree, int32_t bands,
                       bool twoPhase);

// " (Hor.,10)" for degree 0, " (Ver.,10)" for any other.
void appendAxisAndBands(plugin::PresentationState& state, int32_t degree, int32_t bands);
// " (270°,12)", the degree sign being byte 0xB0.
void appendDegreeAndBands(plugin::PresentationState& state, int32_t degree, int32_t bands);

}  // namespace Bands
