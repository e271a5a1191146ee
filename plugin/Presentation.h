// What a host shows of an effect: its name, its nine icons (static or
// animated) and its capability flags.  The state lives per effect unit and is
// shared by all its instances.
#pragma once

#include <cstdint>

#include "vtrsys.h"

namespace plugin {

constexpr int kIconCount = 9;
constexpr int kNameBufferSize = 128;

struct PresentationState {
  HICON icons[kIconCount] = {};
  char name[kNameBufferSize] = {};
  uint32_t animation = 0;  // survives effect Init and Done
  bool initialised = false;
};

// Loads the nine icons firstIconId .. firstIconId + 8 in id order.
void loadIcons(PresentationState& state, uint32_t firstIconId);
void destroyIcons(PresentationState& state);
// Fills the name buffer from the string table (at most 127 characters).
const char* loadName(PresentationState& state, uint32_t stringId);
// A static effect answers icon `frame` (null outside 0..8); an animated one
// answers icon 0 for frame 0 and otherwise steps its counter 1..8, 1, ...
HICON effectIcon(PresentationState& state, int32_t frame, bool animated);

// Appends text to the name buffer, never beyond its 127 characters.
void appendToName(PresentationState& state, const char* text);

}  // namespace plugin
