#include "Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstring>

namespace {

using plugin::parseStandardInt;

TEST(StandardIntegerConversion, Examples) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"45", 45},   {" 45", 45},  {"-45", -45}, {"+45", 45},  {"45x", 45},
      {"-45x", 45},  // stops before the sign applies
      {"$2d", 45},  {"x2D", 45},  {"0x2d", 45}, {"X10", 16},  {"abc", 0},
      {"", 0},      {"-", 0},     {"   ", 0},   {"007", 7},   {"-$2d", 0},  // hex only without a sign
      {"12 34", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(parseStandardInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(StandardIntegerConversion, ValuesBeyondThirtyTwoBitsSaturate) {
  EXPECT_EQ(parseStandardInt("2147483647"), INT_MAX);
  EXPECT_EQ(parseStandardInt("2147483648"), INT_MAX);
  EXPECT_EQ(parseStandardInt("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(parseStandardInt("-2147483648"), INT_MIN);
  EXPECT_EQ(parseStandardInt("-99999999999"), INT_MIN);
  EXPECT_EQ(parseStandardInt("$FFFFFFFF"), -1);  // 32 hexadecimal bits
  EXPECT_EQ(parseStandardInt("$1FFFFFFFF"), -1);
}

TEST(StrictIntegerConversion, AcceptsOnlyWholeDecimalTexts) {
  int32_t value = 0;
  EXPECT_TRUE(plugin::parseStrictInt("-12", value));
  EXPECT_EQ(value, -12);
  for (const char* bad : {"", " 1", "1 ", "12a", "$2d", "-", "2147483648"})
    EXPECT_FALSE(plugin::parseStrictInt(bad, value)) << '"' << bad << '"';
}

struct TwoSettings {
  int32_t degree;
  uint8_t reverse;
};
constexpr plugin::SettingDef kTable[] = {
    {"DEGREE=", offsetof(TwoSettings, degree), plugin::SettingKind::Int32},
    {"REVERSE=", offsetof(TwoSettings, reverse), plugin::SettingKind::Boolean},
};

TEST(SettingLines, SaveWritesKeyAndDecimalValueUpToTheTableEnd) {
  TwoSettings s{-270, 1};
  char buffer[32] = "untouched";
  EXPECT_TRUE(plugin::saveSettingLine(kTable, &s, 0, buffer));
  EXPECT_STREQ(buffer, "DEGREE=-270");
  EXPECT_TRUE(plugin::saveSettingLine(kTable, &s, 1, buffer));
  EXPECT_STREQ(buffer, "REVERSE=1");
  std::strcpy(buffer, "untouched");
  EXPECT_FALSE(plugin::saveSettingLine(kTable, &s, 2, buffer));
  EXPECT_FALSE(plugin::saveSettingLine(kTable, &s, -1, buffer));
  EXPECT_STREQ(buffer, "untouched");
}

TEST(SettingLines, LoadTakesTheLineNumberNotTheKey) {
  TwoSettings s{0, 0};
  char bands[] = "BANDS=12";  // another key on line 0 still sets line 0
  EXPECT_TRUE(plugin::loadSettingLine(kTable, &s, 0, bands));
  EXPECT_EQ(s.degree, 12);
  EXPECT_STREQ(bands, "bands=12") << "the host's line is lower-cased in place";
  char bare[] = "90";  // no "=": the whole line
  EXPECT_TRUE(plugin::loadSettingLine(kTable, &s, 0, bare));
  EXPECT_EQ(s.degree, 90);
  char reverse[] = "REVERSE=257";  // a Boolean keeps the low byte
  EXPECT_TRUE(plugin::loadSettingLine(kTable, &s, 1, reverse));
  EXPECT_EQ(s.reverse, 1);
  char beyond[] = "X=5";
  EXPECT_FALSE(plugin::loadSettingLine(kTable, &s, 2, beyond));
  EXPECT_STREQ(beyond, "x=5") << "lower-cased even beyond the table";
  EXPECT_EQ(s.degree, 90);
}

}  // namespace
