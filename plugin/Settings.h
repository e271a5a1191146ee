// Settings lines: an effect declares its settings once, as a table of
// (key, field, kind) rows in line order; saving, loading, the host's
// key=value option and its help all read that table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace plugin {

enum class SettingKind : uint8_t {
  Int32,    // a 32-bit signed field
  Boolean,  // an 8-bit Boolean field; a loaded value keeps its low byte
};

struct SettingDef {
  const char* key;  // with its "=", as written: "DEGREE="
  size_t offset;    // of the field within the effect's settings struct
  SettingKind kind;
};

using SettingsTable = std::span<const SettingDef>;

// The standard integer conversion of settings lines: leading blanks, one
// sign, decimal digits, or hexadecimal after "$", "x" or "0x" without a
// sign.  Stops at the first other character and answers the value so far
// (a "-" then does not apply).  A value beyond 32 bits saturates.
int32_t parseStandardInt(const char* text);

// The same with nothing allowed around the number: nullopt-like `ok` false
// for any text that is not exactly a decimal integer in 32 bits.
bool parseStrictInt(const char* text, int32_t& value);

int32_t readSetting(const void* settings, const SettingDef& def);
void writeSetting(void* settings, const SettingDef& def, int32_t value);

// Writes line `line` as KEY=VALUE; false (nothing written) beyond the table.
bool saveSettingLine(SettingsTable table, const void* settings, int32_t line, char* buffer);
// Lower-cases the host's line in place, converts the text after the first
// "=" (the whole line without one) and stores it in setting `line`; false,
// leaving the settings unchanged, beyond the table.
bool loadSettingLine(SettingsTable table, void* settings, int32_t line, char* text);

}  // namespace plugin
