#include <gtest/gtest.h>

#include <functional>

#include "LineOrigins.h"
#include "Pictures.h"
#include "PlugHdr.h"
#include "Slide.h"
#include "WipeInstance.h"

namespace {

using testsupport::columnOrigins;
using testsupport::GlobalHandle;
using testsupport::Origin;
using testsupport::provenancePicture;
using testsupport::rowOrigins;
using testsupport::sourceMap;
using testsupport::WipeInstance;
using Rows = std::vector<std::string>;

constexpr int32_t kIn = 0, kOut = 1;  // the row variants of indices 12 and 40

struct SlideRun {
  std::unique_ptr<testsupport::GuardedBuffer> a, b;
  GlobalHandle out;
  SlideRun(int32_t variant, int32_t degree, int32_t w, int32_t h, double p)
      : a(provenancePicture('A', w, h)),
        b(provenancePicture('B', w, h)),
        out(Slide::render({a->data(), b->data(), p, 0, 0, variant}, {degree})) {}
};

// W = 11 (Wm = 10), p = 0.35: Gx = 3, Rx = Trunc(6.5) = 6.  Straight slides
// move whole columns (rows), so every row (column) reads the same.
struct StraightCase {
  int32_t variant, degree;
  double p;
  std::string line;
};

class StraightSlide : public ::testing::TestWithParam<StraightCase> {};

TEST_P(StraightSlide, EveryLineShowsTheShiftedPictures) {
  const StraightCase& c = GetParam();
  const bool alongX = c.degree == 0 || c.degree == 180;
  SlideRun run(c.variant, c.degree, alongX ? 11 : 4, alongX ? 4 : 11, c.p);
  ASSERT_NE(run.out.get(), nullptr);
  for (int32_t i = 0; i < 4; ++i)
    EXPECT_EQ(alongX ? rowOrigins(run.out.get(), i) : columnOrigins(run.out.get(), i), c.line) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, StraightSlide,
    ::testing::Values(StraightCase{kIn, 0, 0.35, "B7 B8 B9 B10 A4 A5 A6 A7 A8 A9 A10"},
                      // Five columns of B, not four: the remaining distance is (1 - p) Wm.
                      StraightCase{kIn, 180, 0.35, "A0 A1 A2 A3 A4 A5 B0 B1 B2 B3 B4"},
                      StraightCase{kIn, 90, 0.35, "A0 A1 A2 A3 A4 A5 B0 B1 B2 B3 B4"},
                      StraightCase{kIn, 270, 0.35, "B7 B8 B9 B10 A4 A5 A6 A7 A8 A9 A10"},
                      StraightCase{kOut, 0, 0.35, "B0 B1 B2 B3 A1 A2 A3 A4 A5 A6 A7"},
                      StraightCase{kOut, 180, 0.35, "A4 A5 A6 A7 A8 A9 B6 B7 B8 B9 B10"},
                      StraightCase{kOut, 90, 0.35, "A4 A5 A6 A7 A8 A9 A10 B7 B8 B9 B10"},
                      StraightCase{kOut, 270, 0.35, "B0 B1 B2 B3 A1 A2 A3 A4 A5 A6 A7"},
                      // First moving frame, Gx = 0: Slide In shows B's last column, Slide
                      // out B's first column over A's.
                      StraightCase{kIn, 0, 0.05, "B10 A1 A2 A3 A4 A5 A6 A7 A8 A9 A10"},
                      StraightCase{kOut, 0, 0.05, "B0 A1 A2 A3 A4 A5 A6 A7 A8 A9 A10"}));

// Diagonal slides on W = 11, H = 9 at p = 0.35: Gx = 3, Rx = 6, Dx = 6;
// Gy = Trunc(2.8) = 2, Ry = Trunc(5.2) = 5, Dy = Trunc(5.2) = 5.  The
// expected source of every pixel, from the effect's tables.
using SourceOf = std::function<Origin(int32_t x, int32_t y)>;

struct DiagonalCase {
  int32_t variant, degree;
  SourceOf source;
};

Origin pixelA(int32_t x, int32_t y) { return {'A', x, y}; }
Origin pixelB(int32_t x, int32_t y) { return {'B', x, y}; }

const DiagonalCase kDiagonals[] = {
    // Slide In: a rectangle of B in the corner the motion heads for.
    {kIn, 45,
     [](int32_t x, int32_t y) { return x <= 3 && y >= 6 ? pixelB(x + 7, y - 5) : pixelA(x, y); }},
    {kIn, 135,
     [](int32_t x, int32_t y) { return x >= 7 && y >= 6 ? pixelB(x - 6, y - 5) : pixelA(x, y); }},
    {kIn, 225,
     [](int32_t x, int32_t y) { return x >= 7 && y <= 2 ? pixelB(x - 6, y + 5) : pixelA(x, y); }},
    {kIn, 315,
     [](int32_t x, int32_t y) { return x <= 3 && y <= 2 ? pixelB(x + 7, y + 5) : pixelA(x, y); }},
    // Slide out: the moved A, read as if A were unchanged, over B.
    {kOut, 45,
     [](int32_t x, int32_t y) { return x > 3 && y < 5 ? pixelA(x - 3, y + 2) : pixelB(x, y); }},
    {kOut, 135,
     [](int32_t x, int32_t y) { return x < 6 && y < 5 ? pixelA(x + 3, y + 2) : pixelB(x, y); }},
    {kOut, 225,
     [](int32_t x, int32_t y) { return x < 6 && y > 2 ? pixelA(x + 3, y - 2) : pixelB(x, y); }},
    {kOut, 315,
     [](int32_t x, int32_t y) { return x > 3 && y > 2 ? pixelA(x - 3, y - 2) : pixelB(x, y); }},
};

TEST(Slide, DiagonalsTakeEveryPixelFromItsPlaceInTheTables) {
  for (const DiagonalCase& c : kDiagonals) {
    SlideRun run(c.variant, c.degree, 11, 9, 0.35);
    ASSERT_NE(run.out.get(), nullptr);
    for (int32_t y = 0; y < 9; ++y)
      for (int32_t x = 0; x < 11; ++x)
        ASSERT_EQ(describe(testsupport::origin(testsupport::pixelOf(run.out.get(), x, y))),
                  describe(c.source(x, y)))
            << (c.variant == kOut ? "out " : "in ") << c.degree << " at " << x << "," << y;
  }
}

TEST(Slide, StartsOnAAndEndsOnBInEveryDirection) {
  for (auto [w, h] : {std::pair{7, 5}, {1, 3}, {3, 1}, {1, 1}})
    for (int32_t variant : {kIn, kOut})
      for (int32_t degree : {0, 45, 90, 135, 180, 225, 270, 315}) {
        EXPECT_EQ(sourceMap(SlideRun(variant, degree, w, h, 0).out.get()),
                  Rows(h, std::string(w, 'a')));
        EXPECT_EQ(sourceMap(SlideRun(variant, degree, w, h, 1).out.get()),
                  Rows(h, std::string(w, 'B')))
            << w << "x" << h << " " << variant << " " << degree;
      }
}

TEST(Slide, OtherDegreesAndMissingBAtTheStartGiveTheCopyOfA) {
  auto a = provenancePicture('A', 6, 4);
  for (int32_t degree : {30, -45, 360}) {
    GlobalHandle out(Slide::render({a->data(), nullptr, 0.5, 0, 0, kOut}, {degree}));
    EXPECT_EQ(sourceMap(out.get()), Rows(4, "aaaaaa")) << degree;
  }
  GlobalHandle first(Slide::render({a->data(), nullptr, 0, 0, 0, kIn}, {0}));
  EXPECT_EQ(sourceMap(first.get()), Rows(4, "aaaaaa"));
}

TEST(Slide, RefusesPictureBItCannotRead) {
  auto a = provenancePicture('A', 6, 4);
  auto narrow = provenancePicture('B', 5, 4);
  auto grey = testsupport::makeDib(6, 4, 8, [](int32_t, int32_t) { return 0u; }, {0});
  for (int32_t variant : {kIn, kOut})
    for (const void* b : {static_cast<const void*>(narrow->data()),
                          static_cast<const void*>(grey.data()), static_cast<const void*>(nullptr)})
      EXPECT_EQ(Slide::render({a->data(), b, 0.5, 0, 0, variant}, {90}), nullptr) << variant;
}

TEST(Slide, DialogResetTurnsOtherDegreesToZero) {
  for (auto [before, after] :
       {std::pair{30, 0}, {-45, 0}, {360, 0}, {315, 315}, {45, 45}, {0, 0}}) {
    Slide::Settings settings{before};
    Slide::resetOutOfRange(settings);
    EXPECT_EQ(settings.degree, after) << before;
  }
}

// ---- indices 12 and 40: one effect, its direction flag from the row ----

TEST(SlideExports, BothIndicesShareTheNameBufferAndTheIcons) {
  ASSERT_EQ(piInit(40), 1) << "either index loads the shared icons";
  const char* in = piName(12);
  const char* out = piName(40);
  EXPECT_EQ(in, out);
  EXPECT_STREQ(in, "Slide out");
  for (int32_t f = 0; f < 9; ++f) {
    EXPECT_EQ(piIcon(12, f), piIcon(40, f));
    EXPECT_EQ(vtrIconId(piIcon(40, f)), uint32_t(1201 + f));
  }
  EXPECT_EQ(piFlags(40), 0x10032A01u);
  EXPECT_EQ(piDone(12), 1);
  EXPECT_EQ(piIcon(40, 0), nullptr) << "done for either index destroys them";
}

TEST(SlideExports, NamesLinesAndTheTrueLineOne) {
  WipeInstance in(12), out(40);
  EXPECT_EQ(in.name(), "Slide In (0\xB0)");
  EXPECT_TRUE(out.load(0, "DEGREE=270"));
  EXPECT_EQ(out.name(), "Slide out (270\xB0)");
  EXPECT_EQ(out.save(0), "DEGREE=270");
  EXPECT_EQ(out.save(1), "(untouched)") << "true, writing nothing";
  EXPECT_EQ(out.save(2), std::nullopt);
  // Line 1 is taken without changing anything, line 2 refused.
  char line[] = "DEGREE=90";
  EXPECT_NE(piLocalLoadData(40, out.handle, 1, line), 0);
  EXPECT_STREQ(line, "DEGREE=90");
  EXPECT_EQ(piLocalLoadData(40, out.handle, 2, line), 0);
  EXPECT_EQ(out.save(0), "DEGREE=270");
  // Loaded degrees are not checked.
  EXPECT_TRUE(in.load(0, "degree=30"));
  EXPECT_EQ(in.name(), "Slide In (30\xB0)");
  EXPECT_EQ(piLocalFlags(40, out.handle), 0x10032A01u);
}

TEST(SlideExports, IndexFortySlidesOutWhereTwelveSlidesIn) {
  auto a = provenancePicture('A', 5, 2);
  auto b = provenancePicture('B', 5, 2);
  WipeInstance in(12), out(40);
  GlobalHandle inFrame(in.render(a->data(), b->data(), 3, 1));  // p = 0.5, Gx = 2
  GlobalHandle outFrame(out.render(a->data(), b->data(), 3, 1));
  ASSERT_NE(inFrame.get(), nullptr);
  ASSERT_NE(outFrame.get(), nullptr);
  EXPECT_EQ(rowOrigins(inFrame.get(), 1), "B2 B3 B4 A3 A4");
  EXPECT_EQ(rowOrigins(outFrame.get(), 1), "B0 B1 B2 A1 A2");
}

}  // namespace
