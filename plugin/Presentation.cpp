#include "Presentation.h"

#include <cstring>

#include "Module.h"

namespace plugin {

void loadIcons(PresentationState& state, uint32_t firstIconId) {
  for (int i = 0; i < kIconCount; ++i)
    state.icons[i] = LoadIconA(thisModule(), MAKEINTRESOURCEA(firstIconId + i));
  state.initialised = true;
}

void destroyIcons(PresentationState& state) {
  for (HICON& icon : state.icons) {
    if (icon) DestroyIcon(icon);
    icon = nullptr;
  }
  state.initialised = false;
}

const char* loadName(PresentationState& state, uint32_t stringId) {
  LoadStringA(thisModule(), stringId, state.name, kNameBufferSize);
  return state.name;
}

HICON effectIcon(PresentationState& state, int32_t frame, bool animated) {
  if (!animated) return (frame >= 0 && frame < kIconCount) ? state.icons[frame] : nullptr;
  if (frame == 0) return state.icons[0];
  if (++state.animation > 8) state.animation = 1;
  return state.icons[state.animation];
}

void appendToName(PresentationState& state, const char* text) {
  size_t used = std::strlen(state.name);
  size_t room = kNameBufferSize - 1 - used;
  size_t n = std::strlen(text);
  if (n > room) n = room;
  std::memcpy(state.name + used, text, n);
  state.name[used + n] = '\0';
}

}  // namespace plugin
