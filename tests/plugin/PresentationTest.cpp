// Names, icons and flags of every announced effect, through the exports of
// the built libraries.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PluginLibrary.h"

namespace {

using host::PluginLibrary;

PluginLibrary& sweepkit() {
  static PluginLibrary library("sweepkit");
  return library;
}

bool isAnimated(uint32_t index) {
  return (index >= 13 && index <= 16) || (index >= 26 && index <= 28) ||
         (index >= 31 && index <= 33);
}

TEST(SweepkitPresentation, EveryIndexHasItsNameFlagsAndNineIcons) {
  const auto& api = sweepkit().api();
  for (uint32_t index = 0; index <= 40; ++index) {
    SCOPED_TRACE(index);
    ASSERT_EQ(api.piInit(index), 1);
    const char* name = api.piName(index);
    ASSERT_NE(name, nullptr);
    EXPECT_GT(std::strlen(name), 0u);
    EXPECT_EQ(api.piFlags(index), isAnimated(index) ? 0x10022A01u : 0x10032A01u);
    uint32_t firstIcon = index == 40 ? 1201 : 100 * index + 1;
    if (!isAnimated(index)) {
      for (int32_t f = 0; f < 9; ++f) EXPECT_EQ(vtrIconId(api.piIcon(index, f)), firstIcon + f);
    }
    EXPECT_EQ(vtrIconId(api.piIcon(index, 0)), firstIcon);
    EXPECT_EQ(api.piDone(index), 1);
    EXPECT_EQ(api.piIcon(index, 0), nullptr) << "icons are destroyed by piDone";
  }
}

TEST(SweepkitPresentation, NamesOfTheTable) {
  const auto& api = sweepkit().api();
  struct Case {
    uint32_t index;
    const char* name;
  } cases[] = {{0, "Push+"},          {13, "Cross Wipe In"},   {15, "Diamond Wipe Out"},
               {27, "Ripple out"},    {39, "Tilt-slide"},      {12, "Slide In"},
               {40, "Slide out"},     {38, "Kitchen Zink"}};
  for (const Case& c : cases) EXPECT_STREQ(api.piName(c.index), c.name);
}

TEST(SweepkitPresentation, StaticIconsAnswerTheSameIconEveryCall) {
  const auto& api = sweepkit().api();
  api.piInit(0);
  HICON first = api.piIcon(0, 3);
  EXPECT_EQ(vtrIconId(first), 4u);
  EXPECT_EQ(api.piIcon(0, 3), first);
  EXPECT_EQ(api.piIcon(0, 9), nullptr) << "outside 0..8 answers no icon";
  EXPECT_EQ(api.piIcon(0, -1), nullptr);
  api.piDone(0);
}

TEST(SweepkitPresentation, AnimatedIconsCycleThroughOneToEight) {
  // Index 16's counter is untouched by any other test: it starts at 0.
  const auto& api = sweepkit().api();
  api.piInit(16);
  EXPECT_EQ(vtrIconId(api.piIcon(16, 0)), 1601u);
  EXPECT_EQ(vtrIconId(api.piIcon(16, 5)), 1602u);
  EXPECT_EQ(vtrIconId(api.piIcon(16, 5)), 1603u);
  EXPECT_EQ(vtrIconId(api.piIcon(16, 0)), 1601u) << "frame 0 does not move the counter";
  for (uint32_t expected : {1604u, 1605u, 1606u, 1607u, 1608u, 1609u, 1602u})
    EXPECT_EQ(vtrIconId(api.piIcon(16, 1)), expected);
  // piDone and piInit do not reset the counter.
  api.piDone(16);
  api.piInit(16);
  EXPECT_EQ(vtrIconId(api.piIcon(16, 7)), 1603u);
  api.piDone(16);
}

TEST(SweepkitPresentation, NameBufferIsSharedByEffectAndInstanceName) {
  const auto& api = sweepkit().api();
  const char* name = api.piName(14);
  HGLOBAL instance = api.piLocalInit(14, 1);
  ASSERT_NE(instance, nullptr);
  EXPECT_EQ(api.piLocalName(14, instance), name);
  EXPECT_STREQ(name, "Cross Wipe Out");
  EXPECT_EQ(api.piLocalFlags(14, instance), 0x10022A01u) << "host flags OR 0x10022A00";
  api.piLocalDone(14, instance);
}

TEST(SweepkitRunCycle, LengthOneRendersTheLastFrameAndNullBIsRefused) {
  const auto& api = sweepkit().api();
  HGLOBAL instance = api.piLocalInit(15, 1);
  std::vector<unsigned char> a(40 + 16 * 2), b(40 + 16 * 2);
  for (auto* dib : {&a, &b}) {
    int32_t header[10] = {40, 4, 2, 0x00180001, 0, 32, 0, 0, 0, 0};
    std::memcpy(dib->data(), header, 40);
  }
  std::fill(b.begin() + 40, b.end(), 0xAB);
  EXPECT_EQ(api.piLocalSetData(15, instance, a.data(), 7, nullptr, 9), 0) << "B missing";
  EXPECT_EQ(api.piLocalSetData(15, instance, a.data(), 7, b.data(), 9), -1);
  EXPECT_EQ(api.piLocalLength(15, instance, 1), -1);
  EXPECT_EQ(api.piLocalProcessDataStart(15, instance), -1);
  for (int frame = 0; frame < 2; ++frame) {
    EXPECT_EQ(api.piLocalProcessData(15, instance), -1);
    HGLOBAL out = api.piLocalGetData(15, instance);
    ASSERT_NE(out, nullptr);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(out));
    EXPECT_EQ(bytes[40 + 3], 0xAB) << "p = 1 shows B inside the diamond";
    GlobalUnlock(out);
    GlobalFree(out);
  }
  EXPECT_EQ(api.piLocalProcessDataEnd(15, instance), -1);
  EXPECT_EQ(api.piLocalSaveData(15, instance, 0, nullptr), 0);
  EXPECT_EQ(api.piLocalDone(15, instance), nullptr);
}

}  // namespace
