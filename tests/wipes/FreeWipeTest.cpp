#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "FreeWipe.h"
#include "Pictures.h"
#include "PlugHdr.h"

namespace {

using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;
using Rows = std::vector<std::string>;

struct WipeRun {
  std::unique_ptr<testsupport::GuardedBuffer> a, b;
  GlobalHandle out;
  WipeRun(int32_t degree, int32_t w, int32_t h, double p)
      : a(provenancePicture('A', w, h)),
        b(provenancePicture('B', w, h)),
        out(FreeWipe::render({a->data(), b->data(), p, 0, 0, 0}, {degree})) {}
  Rows map() const { return out.get() ? sourceMap(out.get()) : Rows{}; }
};

// Rows of an 11 x 11 frame: `row` everywhere but the centre's row 5.
Rows allRowsBut5(const std::string& row, const std::string& centreRow) {
  Rows rows(11, row);
  rows[5] = centreRow;
  return rows;
}

struct EdgeCase {
  int32_t degree;
  double p;
  Rows rows;
};

class FreeWipeEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(FreeWipeEdge, ElevenByEleven) {
  EXPECT_EQ(WipeRun(GetParam().degree, 11, 11, GetParam().p).map(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FreeWipeEdge,
    ::testing::Values(
        // Centre (5, 5).  Degree 0 counts the edge column as B but not the
        // centre itself (its bearing is 90, t = 270).
        EdgeCase{0, 0.5, allRowsBut5("BBBBBBaaaaa", "BBBBBaaaaaa")},
        // Degree 90: the centre's t is 270, at the limit, so the whole row is B.
        EdgeCase{90, 0.5,
                 [] {
                   Rows rows(11, "aaaaaaaaaaa");
                   for (int y = 5; y < 11; ++y) rows[y] = "BBBBBBBBBBB";
                   return rows;
                 }()},
        // Degree 180 keeps its edge column as A, all but the centre.
        EdgeCase{180, 0.5, allRowsBut5("aaaaaaBBBBB", "aaaaaBBBBBB")},
        // 360 and above take the last rule: 360 draws what 0 draws here ...
        EdgeCase{360, 0.5, allRowsBut5("BBBBBBaaaaa", "BBBBBaaaaaa")},
        // ... and from 540 on every turn is beyond the lower limit.
        EdgeCase{600, 0.5, Rows(11, "BBBBBBBBBBB")},
        EdgeCase{INT_MAX, 0.3, Rows(11, "BBBBBBBBBBB")},
        // A negative degree replaces nothing.
        EdgeCase{-1, 0.5, Rows(11, "aaaaaaaaaaa")}, EdgeCase{-90, 1.0, Rows(11, "aaaaaaaaaaa")},
        // The first frame is the copy of A whatever the degree.
        EdgeCase{45, 0.0, Rows(11, "aaaaaaaaaaa")}));

TEST(FreeWipe, LastFrameKeepsTheCentrePixelOfTheOuterRanges) {
  struct Case {
    int32_t degree;
    int32_t keptX, keptY;  // -1: nothing kept
  };
  for (Case c : {Case{0, 6, 0}, Case{30, 6, 0}, Case{89, 6, 0}, Case{90, -1, -1}, Case{270, -1, -1},
                 Case{271, 6, 4}, Case{315, 6, 4}, Case{359, 6, 4}}) {
    Rows expected(5, "BBBBBBB");
    if (c.keptX >= 0) expected[c.keptY][c.keptX] = 'a';
    EXPECT_EQ(WipeRun(c.degree, 7, 5, 1.0).map(), expected) << c.degree;
  }
  // Degree 180 ends with column 0 showing A below its top pixel.
  Rows expected(5, "aBBBBBB");
  expected[0] = "BBBBBBB";
  EXPECT_EQ(WipeRun(180, 7, 5, 1.0).map(), expected);
}

// The renderer decides stretches of a row from one pixel and only the
// pixels near the edge one by one; the frame must be the frame of the
// per-pixel rule everywhere, ties on exact diagonals included.
TEST(FreeWipe, EveryPixelFollowsThePerPixelRule) {
  struct Size {
    int32_t w, h;
  };
  const int32_t degrees[] = {0,   1,   30,  44,  45,  46,  89,  90,  91,  120,  134,    135, 136,
                             179, 180, 181, 224, 225, 226, 269, 270, 271, 300,  315,    359, 360,
                             361, 400, 405, 450, 500, 539, 540, 541, 720, 1000, INT_MAX};
  for (Size size :
       {Size{1, 1}, Size{1, 9}, Size{9, 1}, Size{37, 23}, Size{23, 37}, Size{160, 90}}) {
    auto a = provenancePicture('A', size.w, size.h);
    auto b = provenancePicture('B', size.w, size.h);
    for (int32_t degree : degrees) {
      for (double p : {0.01, 0.25, 3.0 / 10.0, 0.5, 0.77, 1.0}) {
        GlobalHandle out(FreeWipe::render({a->data(), b->data(), p, 0, 0, 0}, {degree}));
        ASSERT_NE(out.get(), nullptr);
        Rows rows = sourceMap(out.get());
        int mismatches = 0;
        for (int32_t y = 0; y < size.h; ++y)
          for (int32_t x = 0; x < size.w; ++x) {
            char expected = FreeWipe::showsB({degree}, size.w, size.h, p, x, y) ? 'B' : 'a';
            if (rows[y][x] != expected) ++mismatches;
          }
        EXPECT_EQ(mismatches, 0) << size.w << "x" << size.h << " degree " << degree << " p " << p;
      }
    }
  }
}

TEST(FreeWipe, RefusesASmallerPictureB) {
  auto a = provenancePicture('A', 6, 4);
  auto b = provenancePicture('B', 6, 3);
  EXPECT_EQ(FreeWipe::render({a->data(), b->data(), 0.5, 0, 0, 0}, {0}), nullptr);
  EXPECT_EQ(FreeWipe::render({a->data(), nullptr, 0.5, 0, 0, 0}, {0}), nullptr);
  // A frame that reads nothing of B still comes out.
  GlobalHandle first(FreeWipe::render({a->data(), b->data(), 0.0, 0, 0, 0}, {0}));
  EXPECT_NE(first.get(), nullptr);
}

TEST(FreeWipe, DialogResetsDegreesOutsideOneTurn) {
  struct Case {
    int32_t stored, reset;
  };
  for (Case c : {Case{0, 0}, Case{315, 315}, Case{359, 359}, Case{360, 0}, Case{400, 0},
                 Case{-1, 0}, Case{INT_MIN, 0}}) {
    FreeWipe::Settings settings{c.stored};
    FreeWipe::resetBeforeDialog(settings);
    EXPECT_EQ(settings.degree, c.reset) << c.stored;
  }
}

TEST(FreeWipeExports, SettingsLinesAndName) {
  ASSERT_NE(piInit(1), 0);
  HGLOBAL instance = piLocalInit(1, 1);
  char line[] = "DEGREE=400";
  ASSERT_NE(piLocalLoadData(1, instance, 0, line), 0);
  EXPECT_STREQ(piLocalName(1, instance), "Free Wipe (400\xB0)");

  char other[] = "DEGREE=5";
  EXPECT_EQ(piLocalLoadData(1, instance, 1, other), 0);
  EXPECT_STREQ(other, "degree=5") << "lower-cased whatever the line number";

  char buffer[32] = {};
  EXPECT_EQ(piLocalSaveData(1, instance, 1, buffer), 0);
  EXPECT_STREQ(buffer, "DEGREE=400") << "written although refused";
  EXPECT_NE(piLocalSaveData(1, instance, 0, buffer), 0);
  EXPECT_STREQ(buffer, "DEGREE=400");
  EXPECT_STREQ(piLocalName(1, nullptr), "Free Wipe");
  piLocalDone(1, instance);
  piDone(1);
}

TEST(FreeWipeExports, NegativeDegreeRendersTheCopyOfAAndAnswersTrue) {
  auto a = provenancePicture('A', 5, 4);
  auto b = provenancePicture('B', 5, 4);
  HGLOBAL instance = piLocalInit(1, 1);
  char line[] = "DEGREE=-30";
  piLocalLoadData(1, instance, 0, line);
  piLocalLength(1, instance, 2);
  piLocalSetData(1, instance, a->data(), 1, b->data(), 1);
  piLocalProcessDataStart(1, instance);
  for (int frame = 0; frame < 2; ++frame) {
    EXPECT_NE(piLocalProcessData(1, instance), 0);
    GlobalHandle out(piLocalGetData(1, instance));
    EXPECT_EQ(sourceMap(out.get()), Rows(4, "aaaaa"));
  }
  piLocalDone(1, instance);
}

}  // namespace
