#include <gtest/gtest.h>

#include <cstring>

#include "vtrsys.h"

namespace {

TEST(GlobalMemory, LockCountsAndSize) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 100);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 100u);
  auto* first = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(first, nullptr);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(first[i], 0) << i;
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_EQ(GlobalFlags(block) & 0xFF, 2u);
  EXPECT_NE(GlobalUnlock(block), 0);  // still locked once
  EXPECT_EQ(GlobalUnlock(block), 0);  // now unlocked
  EXPECT_EQ(GlobalUnlock(block), 0);  // nothing left to unlock
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, KeepsTheAllocationFlags) {
  HGLOBAL block = GlobalAlloc(GMEM_DDESHARE | GMEM_MOVEABLE, 8);
  EXPECT_EQ(GlobalFlags(block) & ~0xFFu, unsigned(GMEM_DDESHARE));
  GlobalFree(block);
}

TEST(GlobalMemory, StaleAndMadeUpHandlesAreRefused) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_EQ(GlobalFree(block), nullptr);
  // The slot is reused by the next block; the old handle must stay dead.
  HGLOBAL reused = GlobalAlloc(GMEM_MOVEABLE, 16);
  for (HGLOBAL bad : {block, reinterpret_cast<HGLOBAL>(uintptr_t(1)),
                      reinterpret_cast<HGLOBAL>(uintptr_t(0xDEADBEEF)), HGLOBAL(nullptr),
                      reinterpret_cast<HGLOBAL>(&reused)}) {
    if (bad == reused) continue;
    EXPECT_EQ(GlobalLock(bad), nullptr);
    EXPECT_EQ(GlobalUnlock(bad), 0);
    EXPECT_EQ(GlobalSize(bad), 0u);
    EXPECT_EQ(GlobalFree(bad), bad);  // failure answers the handle
    EXPECT_EQ(GlobalFlags(bad), unsigned(GMEM_INVALID_HANDLE));
  }
  EXPECT_NE(GlobalLock(reused), nullptr);
  GlobalUnlock(reused);
  EXPECT_EQ(GlobalFree(reused), nullptr);
  EXPECT_EQ(GlobalFree(reused), reused);  // a second free fails
}

TEST(GlobalMemory, ImpossibleSizesFail) {
  EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, ~SIZE_T(0)), nullptr);
  HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(GlobalSize(empty), 0u);
  GlobalFree(empty);
}

TEST(Text, CharLowerLowersAsciiInPlace) {
  char text[] = "DEGREE=45 Ab";
  EXPECT_EQ(CharLowerA(text), text);
  EXPECT_STREQ(text, "degree=45 ab");
  EXPECT_EQ(CharLowerA(nullptr), nullptr);
}

class Resources : public ::testing::Test {
 protected:
  static constexpr VtrStringResource kStrings[] = {{1, "Push+"}, {9, "Direct cross fade"}};
  HMODULE module = reinterpret_cast<HMODULE>(uintptr_t(0x1234));
  void SetUp() override {
    static const VtrResourceTable table{kStrings, 2, nullptr, 0, nullptr, 0, nullptr, nullptr, 0};
    vtrRegisterModule(module, &table);
  }
  void TearDown() override { vtrUnregisterModule(module); }
};

TEST_F(Resources, LoadStringCopiesAtMostMaxMinusOneCharacters) {
  char buffer[32];
  EXPECT_EQ(LoadStringA(module, 9, buffer, sizeof buffer), 17);
  EXPECT_STREQ(buffer, "Direct cross fade");
  EXPECT_EQ(LoadStringA(module, 9, buffer, 7), 6);
  EXPECT_STREQ(buffer, "Direct");
  EXPECT_EQ(LoadStringA(module, 2, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(LoadStringA(reinterpret_cast<HMODULE>(uintptr_t(7)), 1, buffer, sizeof buffer), 0);
}

TEST_F(Resources, IconsOfUnknownIdsAreNull) {
  EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCEA(1)), nullptr);
  EXPECT_EQ(DestroyIcon(reinterpret_cast<HICON>(uintptr_t(42))), 0);
}

}  // namespace
