#include <gtest/gtest.h>

#include "Pictures.h"
#include "SquaresW.h"
#include "WipeInstance.h"

namespace {

using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;
using testsupport::WipeInstance;
using Rows = std::vector<std::string>;

Rows renderGrid(int32_t squares, int32_t degree, int32_t w, int32_t h, double p) {
  auto a = provenancePicture('A', w, h);
  auto b = provenancePicture('B', w, h);
  GlobalHandle out(SquaresW::render({a->data(), b->data(), p, 0, 0, 0}, {squares, degree}));
  return out.get() ? sourceMap(out.get()) : Rows{"(null)"};
}

// One cell of 6 x 5 (squares 1): the fronts of every direction.
struct CellCase {
  int32_t degree;
  double p;
  Rows rows;
};

class OneCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(OneCell, SixByFive) {
  EXPECT_EQ(renderGrid(1, GetParam().degree, 6, 5, GetParam().p), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Fronts, OneCell,
    ::testing::Values(
        // s = Trunc(9 x 0.5) = 4: a + d <= 4, one pixel in the top row.
        CellCase{45, 0.5, {"Baaaaa", "BBaaaa", "BBBaaa", "BBBBaa", "BBBBBa"}},
        // One pixel ahead of 45: a + c <= 5 and a <= 4.
        CellCase{315, 0.5, {"BBBBBa", "BBBBBa", "BBBBaa", "BBBaaa", "BBaaaa"}},
        // One behind it, except the whole last column: d <= 4 there.
        CellCase{135, 0.5, {"aaaaaB", "aaaaaB", "aaaaBB", "aaaBBB", "aaBBBB"}},
        // 45 mirrored, one short at the far end of the first row.
        CellCase{225, 0.5, {"aaBBBB", "aaBBBB", "aaaBBB", "aaaaBB", "aaaaaB"}},
        // Straight: Trunc(5 x 0.5) = 2 columns past the first, Trunc(4 x 0.5)
        // = 2 rows past the first.
        CellCase{0, 0.5, Rows(5, "BBBaaa")}, CellCase{180, 0.5, Rows(5, "aaBBBB")},
        CellCase{90, 0.5, {"aaaaaa", "aaaaaa", "BBBBBB", "BBBBBB", "BBBBBB"}},
        CellCase{270, 0.5, {"BBBBBB", "BBBBBB", "BBBBBB", "aaaaaa", "aaaaaa"}},
        // At the end the 135 front leaves the top-left pixel showing A.
        CellCase{135, 1, {"aBBBBB", "BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB"}},
        CellCase{45, 1, Rows(5, "BBBBBB")}, CellCase{225, 1, Rows(5, "BBBBBB")},
        CellCase{315, 1, Rows(5, "BBBBBB")},
        // Nothing at p = 0 nor in a direction outside the eight.
        CellCase{45, 0, Rows(5, "aaaaaa")}, CellCase{30, 0.5, Rows(5, "aaaaaa")},
        CellCase{-45, 1, Rows(5, "aaaaaa")}, CellCase{360, 1, Rows(5, "aaaaaa")}));

TEST(MultipleRectangleWipe, EveryCellRepeatsTheFrontFromItsOwnCorner) {
  const Rows cell = {"Baaaaa", "BBaaaa", "BBBaaa", "BBBBaa", "BBBBBa"};
  Rows expected;
  for (int row = 0; row < 2; ++row)
    for (const std::string& line : cell) expected.push_back(line + line);
  EXPECT_EQ(renderGrid(2, 45, 12, 10, 0.5), expected);
}

TEST(MultipleRectangleWipe, TheLastCellOfARowOrColumnTakesTheRemainder) {
  // W = H = 100, three squares: cells start at 0, 33 and 66, the last one
  // 34 pixels wide.  At p = 0.99 each cell keeps its own last column:
  // Trunc(32 x 0.99) = 31, but Trunc(33 x 0.99) = 32.
  const Rows rows = renderGrid(3, 0, 100, 100, 0.99);
  std::string expected(100, 'B');
  for (int32_t x : {32, 65, 99}) expected[x] = 'a';
  EXPECT_EQ(rows[0], expected);
  EXPECT_EQ(rows[99], expected);
  const Rows down = renderGrid(3, 270, 100, 100, 0.99);
  for (int32_t y : {0, 31, 33, 98}) EXPECT_EQ(down[y], std::string(100, 'B')) << y;
  for (int32_t y : {32, 65, 99}) EXPECT_EQ(down[y], std::string(100, 'a')) << y;
}

TEST(MultipleRectangleWipe, GridsThatCannotBeWalkedStillEnd) {
  // No grid for a squares value below 1: the copy of A, B never read.
  for (int32_t squares : {0, -3}) {
    auto a = provenancePicture('A', 6, 4);
    GlobalHandle out(SquaresW::render({a->data(), nullptr, 1, 0, 0, 0}, {squares, 0}));
    EXPECT_EQ(sourceMap(out.get()), Rows(4, "aaaaaa")) << squares;
  }
  // Fewer columns (rows) than squares: one cell per column (row).  3 x 8
  // with squares 4 has cells 1 x 2, each filling its bottom row at 90.
  EXPECT_EQ(renderGrid(4, 90, 3, 8, 0.5),
            (Rows{"aaa", "BBB", "aaa", "BBB", "aaa", "BBB", "aaa", "BBB"}));
  EXPECT_EQ(renderGrid(10, 45, 2, 3, 1), Rows(3, "BB"));
  EXPECT_EQ(renderGrid(7, 0, 1, 1, 0.5), Rows{"B"});
}

TEST(MultipleRectangleWipe, RefusesPictureBItCannotRead) {
  auto a = provenancePicture('A', 6, 4);
  auto narrow = provenancePicture('B', 5, 4);
  EXPECT_EQ(SquaresW::render({a->data(), narrow->data(), 0.5, 0, 0, 0}, {2, 45}), nullptr);
  EXPECT_EQ(SquaresW::render({a->data(), nullptr, 0.5, 0, 0, 0}, {2, 0}), nullptr);
}

TEST(MultipleRectangleWipeSettings, LinesAndName) {
  WipeInstance grid(4);
  EXPECT_EQ(grid.name(), "Multiple rectangle Wipe (16,45\xB0)");
  EXPECT_EQ(grid.save(0), "SQUARES=4");
  EXPECT_EQ(grid.save(1), "DEGREE=45");
  EXPECT_EQ(grid.save(2), std::nullopt);
  EXPECT_TRUE(grid.load(0, "SQUARES=3"));
  EXPECT_TRUE(grid.load(1, "DEGREE=270"));
  EXPECT_FALSE(grid.load(2, "DEGREE=0"));
  EXPECT_EQ(grid.name(), "Multiple rectangle Wipe (9,270\xB0)");
  // Loaded values are not checked.
  EXPECT_TRUE(grid.load(0, "SQUARES=0"));
  EXPECT_TRUE(grid.load(1, "DEGREE=31"));
  EXPECT_EQ(grid.save(0), "SQUARES=0");
  EXPECT_EQ(grid.name(), "Multiple rectangle Wipe (0,31\xB0)");
}

TEST(MultipleRectangleWipeSettings, DialogResetFixesEachSettingOnItsOwn) {
  struct Case {
    SquaresW::Settings before, after;
  } cases[] = {{{0, 90}, {4, 90}},    {{11, 315}, {4, 315}}, {{3, 50}, {3, 45}},
               {{10, 360}, {10, 45}}, {{1, -45}, {1, 45}},   {{-1, 7}, {4, 45}},
               {{5, 0}, {5, 0}}};
  for (Case c : cases) {
    SquaresW::resetOutOfRange(c.before);
    EXPECT_EQ(c.before.squares, c.after.squares);
    EXPECT_EQ(c.before.degree, c.after.degree);
  }
}

TEST(MultipleRectangleWipeExports, RendersARunThroughIndexFour) {
  auto a = provenancePicture('A', 6, 5);
  auto b = provenancePicture('B', 6, 5);
  WipeInstance grid(4);
  ASSERT_TRUE(grid.load(0, "SQUARES=1"));
  GlobalHandle out(grid.render(a->data(), b->data(), 3, 1));  // p = 0.5, degree 45
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(sourceMap(out.get()), (Rows{"Baaaaa", "BBaaaa", "BBBaaa", "BBBBaa", "BBBBBa"}));
}

}  // namespace
