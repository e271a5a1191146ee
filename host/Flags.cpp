#include "Flags.h"

#include <cstdio>

#include "PlugHdr.h"

namespace host {
namespace {

struct FlagWord {
  uint32_t bit;
  const char* word;     // short, for listings
  const char* meaning;  // what the bit tells a host
};

constexpr FlagWord kFlagWords[] = {
    {PI_CAP_PICTURE, "picture", "renders pictures"},
    {PI_CAP_SOUND, "sound", "processes sound"},
    {PI_CAP_GENERAL, "general", "set by every effect"},
    {PI_CAP_ONE_INPUT, "one input", "reads one input"},
    {PI_CAP_TWO_INPUTS, "two inputs", "moves or blends two inputs"},
    {PI_CAP_STARTS_FROM_BLACK, "from black", "fade in, crop"},
    {PI_CAP_ENDS_OR_MIXES, "ends or mixes", "fade out, two-input effects, crop"},
    {PI_CAP_DIALOG, "dialog", "has a configuration dialog"},
    {PI_CAP_TRANSITION, "transition", "a transition (every effect but crop)"},
    {PI_CAP_FADE, "fade", "a linear or logarithmic fade"},
    {PI_CAP_PLUGIN, "plug-in", "set by every effect"},
};

// The bits that describeFlags names in listings.
constexpr uint32_t kListed = PI_CAP_PICTURE | PI_CAP_SOUND | PI_CAP_ONE_INPUT | PI_CAP_TWO_INPUTS |
                             PI_CAP_DIALOG | PI_CAP_FADE;

}  // namespace

std::string describeFlags(uint32_t flags) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", flags);
  std::string words;
  for (const FlagWord& w : kFlagWords)
    if ((flags & w.bit) && (w.bit & kListed))
      words += (words.empty() ? "" : ", ") + std::string(w.word);
  return words.empty() ? hex : std::string(hex) + " (" + words + ")";
}

std::vector<std::string> flagBits(uint32_t flags) {
  std::vector<std::string> lines;
  for (int bit = 0; bit < 32; ++bit) {
    uint32_t value = 1u << bit;
    if (!(flags & value)) continue;
    std::string text = "unknown";
    for (const FlagWord& w : kFlagWords)
      if (w.bit == value) text = std::string(w.word) + ": " + w.meaning;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", value);
    lines.push_back(std::string(hex) + "  " + text);
  }
  return lines;
}

}  // namespace host
