#include "Flags.h"

#include <cstdio>

#include "PlugHdr.h"

namespace host {

std::string describeFlags(uint32_t flags) {
  static const struct {
    uint32_t bit;
    const char* word;
  } kWords[] = {
      {PI_CAP_PICTURE, "picture"},     {PI_CAP_SOUND, "sound"},
      {PI_CAP_ONE_INPUT, "one input"}, {PI_CAP_TWO_INPUTS, "two inputs"},
      {PI_CAP_DIALOG, "dialog"},       {PI_CAP_FADE, "fade"},
  };
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", flags);
  std::string words;
  for (auto& w : kWords)
    if (flags & w.bit) words += (words.empty() ? "" : ", ") + std::string(w.word);
  return words.empty() ? hex : std::string(hex) + " (" + words + ")";
}

}  // namespace host
