#include <gtest/gtest.h>

#include "Pictures.h"
#include "ProvenanceRun.h"
#include "SquareW.h"
#include "WipeInstance.h"

namespace {

using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;
using testsupport::WipeInstance;
using Rows = std::vector<std::string>;

Rows renderRectangle(int32_t origin, bool wipeIn, int32_t w, int32_t h, double p) {
  return testsupport::ProvenanceRun<SquareW::Settings>(SquareW::render, {origin, uint8_t(wipeIn)},
                                                       w, h, p)
      .rows();
}

// Rows of a 10 x 8 picture: `top` for rows 0..split - 1, `bottom` below.
Rows split(const char* top, int32_t split, const char* bottom) {
  Rows rows(8, bottom);
  for (int32_t y = 0; y < split; ++y) rows[y] = top;
  return rows;
}

struct RectangleCase {
  int32_t origin;
  bool wipeIn;
  double p;
  Rows rows;
};

class SquareWipe : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(SquareWipe, TenByEight) {
  const RectangleCase& c = GetParam();
  EXPECT_EQ(renderRectangle(c.origin, c.wipeIn, 10, 8, c.p), c.rows);
}

const Rows kAllB(8, "BBBBBBBBBB");

INSTANTIATE_TEST_SUITE_P(
    Examples, SquareWipe,
    ::testing::Values(
        // Wipe out, p = 0.5: from the top left x < 5 and y < 4.
        RectangleCase{SquareW::kTopLeft, false, 0.5, split("BBBBBaaaaa", 4, "aaaaaaaaaa")},
        // From the centre 2.5 < x < 7.5 and 2 < y < 6: columns 3-7, rows 3-5.
        RectangleCase{SquareW::kCenter,
                      false,
                      0.5,
                      {"aaaaaaaaaa", "aaaaaaaaaa", "aaaaaaaaaa", "aaaBBBBBaa", "aaaBBBBBaa",
                       "aaaBBBBBaa", "aaaaaaaaaa", "aaaaaaaaaa"}},
        RectangleCase{SquareW::kTopRight, false, 0.5, split("aaaaaaBBBB", 4, "aaaaaaaaaa")},
        RectangleCase{SquareW::kBottomLeft, false, 0.5, split("aaaaaaaaaa", 5, "BBBBBaaaaa")},
        RectangleCase{SquareW::kBottomRight, false, 0.5, split("aaaaaaaaaa", 5, "aaaaaaBBBB")},
        // Wipe in, p = 0.5: A keeps the rectangle shrinking into the origin;
        // bounds are inclusive towards B (x <= 5 for the top right).
        RectangleCase{SquareW::kTopRight, true, 0.5, split("BBBBBBaaaa", 4, "BBBBBBBBBB")},
        RectangleCase{SquareW::kTopLeft, true, 0.5, split("aaaaaBBBBB", 4, "BBBBBBBBBB")},
        RectangleCase{SquareW::kBottomLeft, true, 0.5, split("BBBBBBBBBB", 5, "aaaaaBBBBB")},
        RectangleCase{SquareW::kCenter,
                      true,
                      0.5,
                      {"BBBBBBBBBB", "BBBBBBBBBB", "BBBaaaaaBB", "BBBaaaaaBB", "BBBaaaaaBB",
                       "BBBaaaaaBB", "BBBaaaaaBB", "BBBBBBBBBB"}},
        // Strict bounds at p = 1: column 0 stays A for the centre, top right
        // and bottom right, row 0 for the centre, bottom left and bottom right.
        RectangleCase{SquareW::kCenter, false, 1, split("aaaaaaaaaa", 1, "aBBBBBBBBB")},
        RectangleCase{SquareW::kTopRight, false, 1, Rows(8, "aBBBBBBBBB")},
        RectangleCase{SquareW::kTopLeft, false, 1, kAllB},
        RectangleCase{SquareW::kBottomLeft, false, 1, split("aaaaaaaaaa", 1, "BBBBBBBBBB")},
        RectangleCase{SquareW::kBottomRight, false, 1, split("aaaaaaaaaa", 1, "aBBBBBBBBB")},
        // The in form of the centre keeps (W / 2, H / 2) at the end.
        RectangleCase{SquareW::kCenter,
                      true,
                      1,
                      {"BBBBBBBBBB", "BBBBBBBBBB", "BBBBBBBBBB", "BBBBBBBBBB", "BBBBBaBBBB",
                       "BBBBBBBBBB", "BBBBBBBBBB", "BBBBBBBBBB"}},
        RectangleCase{SquareW::kBottomRight, true, 1, kAllB},
        RectangleCase{SquareW::kCenter, false, 0, Rows(8, "aaaaaaaaaa")},
        RectangleCase{SquareW::kCenter, true, 0, Rows(8, "aaaaaaaaaa")},
        // Any other origin draws nothing.
        RectangleCase{106, false, 1, Rows(8, "aaaaaaaaaa")},
        RectangleCase{100, true, 1, Rows(8, "aaaaaaaaaa")}));

TEST(SquareWipe, RefusesPictureBItCannotRead) {
  auto a = provenancePicture('A', 6, 4);
  auto low = provenancePicture('B', 6, 3);
  EXPECT_EQ(SquareW::render({a->data(), low->data(), 0.5, 0, 0, 0}, {101, 0}), nullptr);
  EXPECT_EQ(SquareW::render({a->data(), nullptr, 0.5, 0, 0, 0}, {103, 1}), nullptr);
  GlobalHandle unknown(SquareW::render({a->data(), nullptr, 0.5, 0, 0, 0}, {99, 1}));
  EXPECT_EQ(sourceMap(unknown.get()), Rows(4, "aaaaaa")) << "nothing to draw reads no B";
}

TEST(SquareWipeSettings, LinesAndName) {
  WipeInstance square(11);
  EXPECT_EQ(square.name(), "Square Wipe Out (Center)");
  EXPECT_EQ(square.save(0), "ORIGIN=101");
  EXPECT_EQ(square.save(1), "REVERSE=0");
  EXPECT_EQ(square.save(2), std::nullopt);
  EXPECT_TRUE(square.load(1, "REVERSE=1"));
  EXPECT_EQ(square.name(), "Square Wipe In (Center)");
  EXPECT_EQ(square.save(1), "REVERSE=1");
  EXPECT_TRUE(square.load(1, "REVERSE=2"));
  EXPECT_EQ(square.name(), "Square Wipe Out (Center)") << "set exactly when the value is 1";
  EXPECT_FALSE(square.load(2, "REVERSE=1"));
  struct Case {
    const char* line;
    const char* name;
  } cases[] = {{"ORIGIN=102", "Square Wipe Out (Top Right)"},
               {"ORIGIN=103", "Square Wipe Out (Top Left)"},
               {"ORIGIN=104", "Square Wipe Out (Bottom Left)"},
               {"ORIGIN=105", "Square Wipe Out (Bottom Right)"},
               {"ORIGIN=106", "Square Wipe Out ("}};
  for (const Case& c : cases) {
    ASSERT_TRUE(square.load(0, c.line));
    EXPECT_EQ(square.name(), c.name);
  }
  EXPECT_EQ(square.save(0), "ORIGIN=106") << "loaded values are not checked";
}

TEST(SquareWipeSettings, TheDropDownListIsNotInOriginOrder) {
  const int32_t origins[] = {101, 103, 102, 104, 105};  // items 0..4
  for (int32_t item = 0; item < 5; ++item) {
    EXPECT_EQ(SquareW::originForItem(item), origins[item]);
    EXPECT_EQ(SquareW::itemForOrigin(origins[item]), item);
  }
  EXPECT_EQ(SquareW::itemForOrigin(106), -1);
}

TEST(SquareWipeSettings, DialogResetGivesAWipeOutFromTheCentre) {
  struct Case {
    SquareW::Settings before, after;
  } cases[] = {{{106, 1}, {101, 0}},
               {{100, 1}, {101, 0}},
               {{0, 0}, {101, 0}},
               {{105, 1}, {105, 1}},
               {{103, 1}, {103, 1}}};
  for (Case c : cases) {
    SquareW::resetOutOfRange(c.before);
    EXPECT_EQ(c.before.origin, c.after.origin);
    EXPECT_EQ(c.before.wipeIn, c.after.wipeIn) << c.after.origin;
  }
}

TEST(SquareWipeExports, RendersARunThroughIndexEleven) {
  auto a = provenancePicture('A', 10, 8);
  auto b = provenancePicture('B', 10, 8);
  WipeInstance square(11);
  ASSERT_TRUE(square.load(0, "ORIGIN=103"));
  GlobalHandle out(square.render(a->data(), b->data(), 3, 1));  // p = 0.5
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(sourceMap(out.get()), split("BBBBBaaaaa", 4, "aaaaaaaaaa"));
}

}  // namespace
