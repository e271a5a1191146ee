#include <gtest/gtest.h>

#include <cstdlib>

#include "Pictures.h"
#include "ProvenanceRun.h"
#include "WindshW.h"
#include "WipeInstance.h"

namespace {

using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;
using testsupport::WipeInstance;
using Rows = std::vector<std::string>;

struct WiperRun : testsupport::ProvenanceRun<WindshW::Settings> {
  WiperRun(int32_t origin, bool clockwise, int32_t w, int32_t h, double p,
           Render render = WindshW::render)
      : ProvenanceRun(render, {origin, uint8_t(clockwise)}, w, h, p) {}
};

TEST(WindshieldWipe, BottomCentreAtTheEndKeepsTheFinalRayAndThePivot) {
  // W = 9: hx = 4.  The wiper ends lying along the bottom row right of the
  // pivot; the comparison is strict, so that ray keeps A.
  Rows last = Rows(5, "BBBBBBBBB");
  last.push_back("BBBBaaaaa");
  EXPECT_EQ(WiperRun(WindshW::kBottomCenter, true, 9, 6, 1).rows(), last);
  // Counter-clockwise it starts right (the pivot's own bearing, 90) and
  // ends along the bottom row left of the pivot.
  last.back() = "aaaaBBBBB";
  EXPECT_EQ(WiperRun(WindshW::kBottomCenter, false, 9, 6, 1).rows(), last);
}

TEST(WindshieldWipe, TopRightCornerHalfwayCoversDownToFortyFiveDegreesLeft) {
  const int32_t w = 9, h = 7;
  WiperRun run(WindshW::kTopRightCorner, true, w, h, 0.5);
  ASSERT_NE(run.out.get(), nullptr);
  const Rows rows = run.rows();
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const int32_t left = w - 1 - x;
      if (left == y) continue;  // on the 45-degree limit: decided by the last bits
      EXPECT_EQ(rows[y][x], y > 0 && left < y ? 'B' : 'a') << x << "," << y;
    }
}

TEST(WindshieldWipe, EveryPivotEndsOnBExceptItsFinalRay) {
  // At p = 1 only the pixels on the final ray keep A: a line through the
  // pivot along one frame edge.
  struct Case {
    int32_t origin;
    bool clockwise;
    Rows rows;
  } cases[] = {
      // The pivot (5, 2) has the bearing 90, a half turn from the start
      // ray pointing down: it stays with the final ray.
      {WindshW::kRightCenter, true, {"BBBBBa", "BBBBBa", "BBBBBa", "BBBBBB", "BBBBBB"}},
      {WindshW::kRightCenter, false, {"BBBBBB", "BBBBBB", "BBBBBa", "BBBBBa", "BBBBBa"}},
      {WindshW::kTopLeftCorner, true, {"BBBBBB", "aBBBBB", "aBBBBB", "aBBBBB", "aBBBBB"}},
      {WindshW::kTopLeftCorner, false, {"aaaaaa", "BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB"}},
      // R' is the pivot itself: the wiper starts pointing right.
      {WindshW::kBottomLeftCorner, false, {"aBBBBB", "aBBBBB", "aBBBBB", "aBBBBB", "BBBBBB"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WiperRun(c.origin, c.clockwise, 6, 5, 1).rows(), c.rows)
        << c.origin << (c.clockwise ? " clockwise" : " counter-clockwise");
}

// The row walk tests one column per run between the wiper, the start ray
// and the pivot's column; the runs must answer what every pixel would.
TEST(WindshieldWipe, RowWalkEqualsTheTestOfEveryPixel) {
  const std::pair<int32_t, int32_t> sizes[] = {{9, 6}, {8, 8}, {7, 5}, {1, 4}, {4, 1}, {33, 17}};
  for (auto [w, h] : sizes)
    for (int32_t origin = WindshW::kRightCenter; origin <= WindshW::kBottomRightCorner; ++origin)
      for (double p : {0.01, 0.2, 0.25, 1.0 / 3.0, 0.5, 0.7, 0.75, 1.0})
        for (bool clockwise : {false, true}) {
          WiperRun byRuns(origin, clockwise, w, h, p);
          WiperRun everyPixel(origin, clockwise, w, h, p, WindshW::renderPixelByPixel);
          ASSERT_NE(byRuns.out.get(), nullptr);
          ASSERT_TRUE(testsupport::sameDib(byRuns.out.get(), everyPixel.out.get()))
              << w << "x" << h << " origin " << origin << " p " << p << " cw " << clockwise;
        }
}

TEST(WindshieldWipe, UnknownOriginOrFirstFrameIsTheCopyOfAWithoutReadingB) {
  auto a = provenancePicture('A', 6, 4);
  auto low = provenancePicture('B', 6, 3);
  for (int32_t origin : {100, 109, 0}) {
    GlobalHandle out(WindshW::render({a->data(), nullptr, 1, 0, 0, 0}, {origin, 1}));
    EXPECT_EQ(sourceMap(out.get()), Rows(4, "aaaaaa")) << origin;
  }
  GlobalHandle first(WindshW::render({a->data(), low->data(), 0, 0, 0, 0}, {107, 0}));
  EXPECT_EQ(sourceMap(first.get()), Rows(4, "aaaaaa"));
  EXPECT_EQ(WindshW::render({a->data(), low->data(), 0.5, 0, 0, 0}, {107, 0}), nullptr);
  EXPECT_EQ(WindshW::render({a->data(), nullptr, 0.5, 0, 0, 0}, {107, 0}), nullptr);
}

TEST(WindshieldWipeSettings, LinesAndName) {
  WipeInstance wiper(29);
  EXPECT_EQ(wiper.name(), "Windshield Wipe counterclockwise (Bottom center)");
  EXPECT_EQ(wiper.save(0), "ORIGIN=107");
  EXPECT_EQ(wiper.save(1), "REVERSE=0");
  EXPECT_EQ(wiper.save(2), std::nullopt);
  EXPECT_TRUE(wiper.load(1, "REVERSE=1"));
  EXPECT_TRUE(wiper.load(0, "ORIGIN=102"));
  EXPECT_FALSE(wiper.load(2, "ORIGIN=101"));
  EXPECT_EQ(wiper.name(), "Windshield Wipe closewise (Top rigth corner)");
  EXPECT_EQ(wiper.save(0), "ORIGIN=102");
  EXPECT_EQ(wiper.save(1), "REVERSE=1");
  EXPECT_TRUE(wiper.load(1, "REVERSE=2"));
  EXPECT_EQ(wiper.save(1), "REVERSE=0");
  // An origin outside the table names nothing after the parenthesis.
  EXPECT_TRUE(wiper.load(0, "ORIGIN=100"));
  EXPECT_EQ(wiper.name(), "Windshield Wipe counterclockwise (");
  const char* names[] = {"Right center)",    "Top rigth corner)",   "Top center)",
                         "Top left corner)", "Left center)",        "Bottom left corner)",
                         "Bottom center)",   "Bottom right corner)"};
  for (int32_t origin = 101; origin <= 108; ++origin) {
    ASSERT_TRUE(wiper.load(0, ("ORIGIN=" + std::to_string(origin)).c_str()));
    EXPECT_EQ(wiper.name(),
              std::string("Windshield Wipe counterclockwise (") + names[origin - 101]);
  }
}

TEST(WindshieldWipeSettings, DialogResetGivesBottomCentreCounterClockwise) {
  struct Case {
    WindshW::Settings before, after;
  } cases[] = {{{100, 1}, {107, 0}},
               {{109, 1}, {107, 0}},
               {{-5, 0}, {107, 0}},
               {{101, 1}, {101, 1}},
               {{108, 1}, {108, 1}}};
  for (Case c : cases) {
    WindshW::resetOutOfRange(c.before);
    EXPECT_EQ(c.before.origin, c.after.origin);
    EXPECT_EQ(c.before.clockwise, c.after.clockwise) << c.after.origin;
  }
}

TEST(WindshieldWipeExports, AnOriginOutsideTheTableRendersCopiesOfA) {
  auto a = provenancePicture('A', 5, 4);
  auto b = provenancePicture('B', 5, 4);
  WipeInstance wiper(29);
  ASSERT_TRUE(wiper.load(0, "ORIGIN=100"));
  GlobalHandle out(wiper.render(a->data(), b->data(), 3, 2));
  ASSERT_NE(out.get(), nullptr) << "processing still answers true";
  EXPECT_EQ(sourceMap(out.get()), Rows(4, "aaaaa"));
}

}  // namespace
