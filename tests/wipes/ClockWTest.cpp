#include <gtest/gtest.h>

#include "ClockW.h"
#include "Pictures.h"
#include "ProvenanceRun.h"
#include "WipeInstance.h"

namespace {

using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;
using testsupport::WipeInstance;
using Rows = std::vector<std::string>;

struct ClockRun : testsupport::ProvenanceRun<ClockW::Settings> {
  ClockRun(int32_t needles, bool clockwise, int32_t w, int32_t h, double p,
           Render render = ClockW::render)
      : ProvenanceRun(render, {uint8_t(clockwise), needles}, w, h, p) {}
};

struct ClockCase {
  int32_t needles;
  bool clockwise;
  int32_t w, h;
  double p;
  Rows rows;
};

class ClockWipe : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockWipe, ShowsBInTheSweptSectors) {
  const ClockCase& c = GetParam();
  EXPECT_EQ(ClockRun(c.needles, c.clockwise, c.w, c.h, c.p).rows(), c.rows);
}

const Rows kTopRightQuarter = {"aaaaBBBB", "aaaaBBBB", "aaaaBBBB", "aaaaBBBB",
                               "aaaaBBBB", "aaaaaaaa", "aaaaaaaa", "aaaaaaaa"};
const Rows kTopLeftQuarter = {"BBBBaaaa", "BBBBaaaa", "BBBBaaaa", "BBBBaaaa",
                              "BBBBaaaa", "aaaaaaaa", "aaaaaaaa", "aaaaaaaa"};
const Rows kTwoOppositeQuarters = {"aaaaBBBB", "aaaaBBBB", "aaaaBBBB", "aaaaBBBB",
                                   "BBBBBBBB", "BBBBBaaa", "BBBBBaaa", "BBBBBaaa"};

INSTANTIATE_TEST_SUITE_P(Examples, ClockWipe,
                         ::testing::Values(
                             // Centre (4, 4): bearings 0 to 90 inclusive, the centre row's right
                             // half (bearing 90) with them.
                             ClockCase{1, true, 8, 8, 0.25, kTopRightQuarter},
                             // Counter-clockwise the needle starts at 360 and turns back to 270.
                             ClockCase{1, false, 8, 8, 0.25, kTopLeftQuarter},
                             // Centre (3.5, 3.5) lies between pixels: the right half is 0..180.
                             ClockCase{1, true, 7, 7, 0.5, Rows(7, "aaaaBBB")},
                             // Two needles from 0 and 180, a quarter turn each; the column below
                             // the centre has the bearing 180.
                             ClockCase{2, true, 8, 8, 0.5, kTwoOppositeQuarters},
                             ClockCase{3, false, 7, 5, 0, Rows(5, "aaaaaaa")},
                             // Both limits inclusive: the sectors close up at p = 1, for any
                             // number of needles (more than ten come only from settings lines).
                             ClockCase{1, true, 9, 6, 1, Rows(6, "BBBBBBBBB")},
                             ClockCase{3, false, 9, 6, 1, Rows(6, "BBBBBBBBB")},
                             ClockCase{12, true, 9, 6, 1, Rows(6, "BBBBBBBBB")},
                             ClockCase{1000, false, 9, 6, 1, Rows(6, "BBBBBBBBB")},
                             ClockCase{2000000000, true, 9, 6, 1, Rows(6, "BBBBBBBBB")},
                             // No needle, no sector.
                             ClockCase{0, true, 6, 4, 0.5, Rows(4, "aaaaaa")},
                             ClockCase{-3, false, 6, 4, 1, Rows(4, "aaaaaa")}));

// The row walk tests one column per run between limits; it must give
// exactly the picture the pixel-by-pixel test gives, ties included.
TEST(ClockWipe, RowWalkEqualsTheTestOfEveryPixel) {
  const std::pair<int32_t, int32_t> sizes[] = {{8, 8},   {7, 7}, {9, 6}, {16, 9},
                                               {31, 20}, {1, 5}, {5, 1}, {64, 48}};
  for (auto [w, h] : sizes)
    for (int32_t needles : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 40})
      for (double p : {0.01, 0.1, 0.25, 1.0 / 3.0, 0.5, 0.6, 0.75, 0.999, 1.0})
        for (bool clockwise : {false, true}) {
          ClockRun byRuns(needles, clockwise, w, h, p);
          ClockRun everyPixel(needles, clockwise, w, h, p, ClockW::renderPixelByPixel);
          ASSERT_NE(byRuns.out.get(), nullptr);
          ASSERT_TRUE(testsupport::sameDib(byRuns.out.get(), everyPixel.out.get()))
              << w << "x" << h << " needles " << needles << " p " << p << " cw " << clockwise;
        }
}

TEST(ClockWipe, RefusesPictureBItCannotReadOnceANeedleMoves) {
  auto a = provenancePicture('A', 8, 6);
  auto low = provenancePicture('B', 8, 5);
  const ClockW::Settings settings{0, 3};
  EXPECT_EQ(ClockW::render({a->data(), low->data(), 0.5, 0, 0, 0}, settings), nullptr);
  EXPECT_EQ(ClockW::render({a->data(), nullptr, 0.5, 0, 0, 0}, settings), nullptr);
  GlobalHandle first(ClockW::render({a->data(), nullptr, 0, 0, 0, 0}, settings));
  EXPECT_EQ(sourceMap(first.get()), Rows(6, "aaaaaaaa")) << "p = 0 reads no B";
}

TEST(ClockWipeSettings, LinesAndName) {
  WipeInstance clock(9);
  EXPECT_EQ(clock.name(), "Clock Wipe counterclockwise (3)");
  EXPECT_EQ(clock.save(0), "NEEDLES=3");
  EXPECT_EQ(clock.save(1), "REVERSE=0");
  EXPECT_EQ(clock.save(2), std::nullopt);
  EXPECT_TRUE(clock.load(1, "REVERSE=1"));
  EXPECT_TRUE(clock.load(0, "NEEDLES=7"));
  EXPECT_FALSE(clock.load(2, "NEEDLES=2"));
  EXPECT_EQ(clock.name(), "Clock Wipe clockwise (7)");
  EXPECT_EQ(clock.save(1), "REVERSE=1");
  // The flag is set exactly when the value is 1.
  EXPECT_TRUE(clock.load(1, "REVERSE=2"));
  EXPECT_EQ(clock.save(1), "REVERSE=0");
  EXPECT_TRUE(clock.load(1, "REVERSE=257"));
  EXPECT_EQ(clock.save(1), "REVERSE=0");
  // Loaded values are not checked.
  EXPECT_TRUE(clock.load(0, "NEEDLES=-2"));
  EXPECT_EQ(clock.name(), "Clock Wipe counterclockwise (-2)");
}

TEST(ClockWipeSettings, DialogResetGivesFourCounterClockwiseNeedles) {
  struct Case {
    ClockW::Settings before, after;
  } cases[] = {{{1, 0}, {0, 4}},   {{1, 11}, {0, 4}}, {{1, -1}, {0, 4}},
               {{1, 10}, {1, 10}}, {{1, 1}, {1, 1}},  {{0, 3}, {0, 3}}};
  for (Case c : cases) {
    ClockW::resetOutOfRange(c.before);
    EXPECT_EQ(c.before.needles, c.after.needles);
    EXPECT_EQ(c.before.clockwise, c.after.clockwise) << c.after.needles;
  }
}

TEST(ClockWipeExports, RendersARunThroughIndexNine) {
  auto a = provenancePicture('A', 8, 8);
  auto b = provenancePicture('B', 8, 8);
  WipeInstance clock(9);
  ASSERT_TRUE(clock.load(0, "NEEDLES=1"));
  ASSERT_TRUE(clock.load(1, "REVERSE=1"));
  GlobalHandle out(clock.render(a->data(), b->data(), 5, 1));  // p = 0.25
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(sourceMap(out.get()), kTopRightQuarter);
}

}  // namespace
