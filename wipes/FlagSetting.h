// Loading a settings line into an 8-bit direction flag that is set exactly
// when the converted value is 1: "REVERSE=2" clears it, where a plain
// Boolean setting would keep the low byte.  Other rows load as usual.
#pragma once

#include <cstdint>

#include "Settings.h"

namespace wipes {

inline bool loadFlagLine(plugin::SettingsTable table, void* settings, int32_t line, char* text) {
  if (line < 0 || static_cast<size_t>(line) >= table.size() ||
      table[line].kind != plugin::SettingKind::Boolean)
    return plugin::loadSettingLine(table, settings, line, text);
  // The line is converted the standard way into a 32-bit value first.
  static constexpr plugin::SettingDef kValue[] = {{"", 0, plugin::SettingKind::Int32}};
  int32_t value = 0;
  if (!plugin::loadSettingLine(kValue, &value, 0, text)) return false;
  plugin::writeSetting(settings, table[line], value == 1 ? 1 : 0);
  return true;
}

}  // namespace wipes
