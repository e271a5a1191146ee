// What the fade library presents through its exports: names, flags, icons,
// and the settings and dialog operations the fades do not have.
#include <gtest/gtest.h>

#include <string>

#include "FadeTesting.h"

namespace {

const char* const kNames[10] = {
    "Linear fade in",    "Linear fade out",       "Linear cross fade", "Linear fade out/fade in",
    "Direct cross fade", "Crop (Static zoom)",    "Log. fade in",      "Log. fade out",
    "Log. cross fade",   "Log. fade in/fade out",
};

// The only test that asks for names: instance names read the buffers that
// effect Name fills, and they are empty until then.
TEST(FadePresentation, InstanceNamesShowTheLastEffectName) {
  for (uint32_t index : {0u, 1u, 2u, 3u, 4u, 6u, 7u, 8u, 9u}) {
    HGLOBAL instance = piLocalInit(index, PI_PICTURE);
    ASSERT_NE(piLocalName(index, instance), nullptr);
    EXPECT_STREQ(piLocalName(index, instance), "") << index;
    EXPECT_STREQ(piName(index), kNames[index]);
    EXPECT_STREQ(piLocalName(index, instance), kNames[index]);
    piLocalDone(index, instance);
  }
  EXPECT_STREQ(piName(5), kNames[5]);
  EXPECT_EQ(piName(10), nullptr);
  // A fade instance names its own type, whichever index of the unit asks.
  HGLOBAL cross = piLocalInit(8, PI_PICTURE);
  EXPECT_STREQ(piLocalName(6, cross), "Log. cross fade");
  piLocalDone(8, cross);
}

TEST(FadePresentation, FlagsFollowTheTable) {
  const uint32_t effect[10] = {0x10061603, 0x10062603, 0x10062A03, 0x10062A03, 0x10022A01,
                               0x10013601, 0x10061603, 0x10062603, 0x10062A03, 0x10062A03};
  for (uint32_t index = 0; index < 10; ++index) {
    EXPECT_EQ(piFlags(index), effect[index]) << index;
    if (index == 5) continue;  // crop creates no instance yet
    for (uint32_t host : {uint32_t(PI_PICTURE), uint32_t(PI_SOUND)}) {
      HGLOBAL instance = piLocalInit(index, host);
      EXPECT_EQ(piLocalFlags(index, instance), (effect[index] & ~3u) | host) << index;
      piLocalDone(index, instance);
    }
  }
  EXPECT_EQ(piCount(), 6u);
}

TEST(FadePresentation, FadeUnitsLoadTheIconsOfAllFourTypes) {
  ASSERT_EQ(piInit(2), 1);
  EXPECT_EQ(vtrIconId(piIcon(0, 0)), 10u);
  EXPECT_EQ(vtrIconId(piIcon(1, 4)), 24u);
  EXPECT_EQ(vtrIconId(piIcon(3, 8)), 48u);
  HICON held = piIcon(0, 0);
  ASSERT_EQ(piInit(0), 1);  // a second index keeps the loaded icons
  EXPECT_EQ(piIcon(0, 0), held);
  ASSERT_EQ(piDone(2), 1);
  EXPECT_EQ(vtrIconId(held), 0u);

  ASSERT_EQ(piInit(9), 1);
  EXPECT_EQ(vtrIconId(piIcon(6, 0)), 50u);
  EXPECT_EQ(vtrIconId(piIcon(8, 4)), 74u);
  EXPECT_EQ(vtrIconId(piIcon(9, 8)), 88u);
  piDone(9);

  ASSERT_EQ(piInit(4), 1);
  EXPECT_EQ(vtrIconId(piIcon(4, 0)), 90u);
  EXPECT_EQ(vtrIconId(piIcon(4, 8)), 98u);
  piDone(4);

  ASSERT_EQ(piInit(5), 1);
  EXPECT_EQ(vtrIconId(piIcon(5, 0)), 1u);
  EXPECT_EQ(vtrIconId(piIcon(5, 7)), 1u);
  EXPECT_EQ(piDone(5), 1);
}

TEST(FadePresentation, FadesKeepNoSettingsAndShowNoDialog) {
  for (uint32_t index : {0u, 3u, 4u, 6u, 9u}) {
    HGLOBAL instance = piLocalInit(index, PI_PICTURE);
    char buffer[64] = "untouched";
    char line[] = "DEGREE=5";
    EXPECT_EQ(piLocalSaveData(index, instance, 0, buffer), PI_FALSE) << index;
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(piLocalLoadData(index, instance, 0, line), PI_FALSE) << index;
    EXPECT_EQ(piLocalDlg(index, instance, nullptr), PI_FALSE) << index;
    piLocalDone(index, instance);
  }
}

TEST(FadePresentation, OnlyASoundInstanceTakesTheSampleFormat) {
  const FadeCore::SampleFormat format = fadetest::format(2, 16);
  for (uint32_t index : {1u, 7u}) {
    fadetest::Run picture(index, PI_PICTURE), sound(index, PI_SOUND);
    EXPECT_EQ(piLocalSetFormat(index, picture.handle(), &format), 0);
    EXPECT_EQ(piLocalSetFormat(index, sound.handle(), &format), 0);
    EXPECT_EQ(picture.record().format.channels, 0);
    EXPECT_EQ(sound.record().format.channels, 2);
    EXPECT_EQ(sound.record().format.bitsPerSample, 16);
    EXPECT_EQ(sound.record().type, 1);  // fade out in both units
  }
}

}  // namespace
