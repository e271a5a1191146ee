#include "Settings.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "vtrsys.h"

namespace plugin {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int32_t parseStandardInt(const char* text) {
  if (!text) return 0;
  const char* p = text;
  while (*p == ' ') ++p;
  bool negative = false, signed_ = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    signed_ = true;
    ++p;
  }
  bool hex = false;
  if (!signed_) {
    if (*p == '$' || *p == 'x' || *p == 'X') {
      hex = true;
      ++p;
    } else if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
      hex = true;
      p += 2;
    }
  }
  // Accumulate in 64 bits and saturate, so that a long text cannot wrap.
  const int64_t limit = hex ? 0xFFFFFFFFll : 0x80000000ll;
  int64_t value = 0;
  bool saturated = false;
  for (; *p; ++p) {
    int digit = hex ? hexDigit(*p) : ((*p >= '0' && *p <= '9') ? *p - '0' : -1);
    if (digit < 0) break;
    value = value * (hex ? 16 : 10) + digit;
    if (value > limit) {
      value = limit;
      saturated = true;
    }
  }
  if (hex) return static_cast<int32_t>(static_cast<uint32_t>(value));
  // The sign applies only when the number runs to the end of the text.
  if (negative && *p == '\0') return value >= limit ? std::numeric_limits<int32_t>::min() : -int32_t(value);
  (void)saturated;
  return value >= limit ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(value);
}

bool parseStrictInt(const char* text, int32_t& value) {
  if (!text || !*text) return false;
  const char* p = text;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (!*p) return false;
  int64_t v = 0;
  for (; *p; ++p) {
    if (*p < '0' || *p > '9') return false;
    v = v * 10 + (*p - '0');
    if (v > 0x80000000ll) return false;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
    return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t readSetting(const void* settings, const SettingDef& def) {
  const auto* field = static_cast<const unsigned char*>(settings) + def.offset;
  if (def.kind == SettingKind::Boolean) return *field;
  int32_t value;
  std::memcpy(&value, field, sizeof value);
  return value;
}

void writeSetting(void* settings, const SettingDef& def, int32_t value) {
  auto* field = static_cast<unsigned char*>(settings) + def.offset;
  if (def.kind == SettingKind::Boolean)
    *field = static_cast<unsigned char>(value);
  else
    std::memcpy(field, &value, sizeof value);
}

bool saveSettingLine(SettingsTable table, const void* settings, int32_t line, char* buffer) {
  if (line < 0 || static_cast<size_t>(line) >= table.size() || !buffer) return false;
  const SettingDef& def = table[line];
  // The host's buffer holds the key, an 11-character value and the NUL.
  std::snprintf(buffer, std::strlen(def.key) + 12, "%s%d", def.key, readSetting(settings, def));
  return true;
}

bool loadSettingLine(SettingsTable table, void* settings, int32_t line, char* text) {
  if (!text) return false;
  CharLowerA(text);  // whatever the line number: the host's line is changed
  if (line < 0 || static_cast<size_t>(line) >= table.size()) return false;
  const char* equals = std::strchr(text, '=');
  writeSetting(settings, table[line], parseStandardInt(equals ? equals + 1 : text));
  return true;
}

}  // namespace plugin
