#include <gtest/gtest.h>

#include <cstring>

#include "LineOrigins.h"
#include "Pictures.h"
#include "PlugHdr.h"
#include "Push.h"

namespace {

using testsupport::columnOrigins;
using testsupport::GlobalHandle;
using testsupport::originGrid;
using testsupport::provenancePicture;
using testsupport::rowOrigins;
using testsupport::sourceMap;
using Rows = std::vector<std::string>;

struct PushRun {
  std::unique_ptr<testsupport::GuardedBuffer> a, b;
  GlobalHandle out;
  PushRun(int32_t degree, int32_t w, int32_t h, double p)
      : a(provenancePicture('A', w, h)),
        b(provenancePicture('B', w, h)),
        out(Push::render({a->data(), b->data(), p, 0, 0, 0}, {degree})) {}
};

// Both pictures move rigidly along an axis and meet in one shared line,
// which B wins: every row (or column) reads the same.
struct AxisCase {
  int32_t degree, w, h;
  double p;
  std::string line;  // each row for 0 and 180, each column for 90 and 270
};

class PushAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(PushAxis, EveryLineShowsTheShiftedPictures) {
  const AxisCase& c = GetParam();
  PushRun run(c.degree, c.w, c.h, c.p);
  ASSERT_NE(run.out.get(), nullptr);
  const bool alongX = c.degree == 0 || c.degree == 180;
  for (int32_t i = 0; i < (alongX ? c.h : c.w); ++i)
    EXPECT_EQ(alongX ? rowOrigins(run.out.get(), i) : columnOrigins(run.out.get(), i), c.line) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PushAxis,
    ::testing::Values(
        // k = 2: B's columns 2-4 on the left, A's column 0 hidden under the seam.
        AxisCase{0, 5, 3, 0.5, "B2 B3 B4 A1 A2"}, AxisCase{180, 5, 3, 0.5, "A2 A3 B0 B1 B2"},
        AxisCase{90, 3, 5, 0.5, "A2 A3 B0 B1 B2"}, AxisCase{270, 3, 5, 0.5, "B2 B3 B4 A1 A2"},
        // 0.3 x 10 in extended precision stays below 3: k = 2, not 3.
        AxisCase{0, 11, 2, 3.0 / 10.0, "B8 B9 B10 A1 A2 A3 A4 A5 A6 A7 A8"},
        AxisCase{270, 2, 11, 3.0 / 10.0, "B8 B9 B10 A1 A2 A3 A4 A5 A6 A7 A8"},
        // (1 - 0.3) x 10 = 7: B from column 7, A's last column under the seam.
        AxisCase{180, 11, 2, 3.0 / 10.0, "A3 A4 A5 A6 A7 A8 A9 B0 B1 B2 B3"}));

// A diagonal: A leaves towards one corner, B comes in from the opposite one;
// the two corners neither covers stay black.
TEST(PushPlus, DiagonalDownRightLeavesTwoBlackCorners) {
  PushRun run(315, 4, 4, 0.5);
  ASSERT_NE(run.out.get(), nullptr);
  EXPECT_EQ(originGrid(run.out.get()),
            (Rows{"B2,2 B3,2 K K", "B2,3 B3,3 K K", "K K A0,0 A1,0", "K K A0,1 A1,1"}));
}

TEST(PushPlus, DiagonalUpRightTruncatesEachStepTowardZero) {
  // A moves by (Trunc(2.5), -Trunc(1.5)) = (2, -1), B by (-2, 1); B wins (2, 1).
  PushRun run(45, 5, 3, 0.5);
  ASSERT_NE(run.out.get(), nullptr);
  EXPECT_EQ(originGrid(run.out.get()),
            (Rows{"K K A0,1 A1,1 A2,1", "B2,0 B3,0 B4,0 A1,2 A2,2", "B2,1 B3,1 B4,1 K K"}));
}

TEST(PushPlus, EveryDirectionEndsOnPictureB) {
  for (int32_t degree : {0, 45, 90, 135, 180, 225, 270, 315}) {
    PushRun run(degree, 7, 5, 1.0);
    ASSERT_NE(run.out.get(), nullptr);
    EXPECT_EQ(sourceMap(run.out.get()), Rows(5, "BBBBBBB")) << degree;
  }
}

TEST(PushPlus, FirstFrameIsTheCopyOfAInAnyDepth) {
  auto a = testsupport::makeDib(
      6, 4, 8, [](int32_t x, int32_t y) { return uint32_t(x + 6 * y); },
      std::vector<uint32_t>(256, 0x123456));
  auto b = provenancePicture('B', 6, 4);
  GlobalHandle first(Push::render({a.data(), b->data(), 0.0, 0, 0, 0}, {0}));
  ASSERT_NE(first.get(), nullptr);
  EXPECT_EQ(testsupport::sizeOf(first.get()), std::make_pair(6, 4));
  EXPECT_EQ(testsupport::pixelOf(first.get(), 5, 3), 0x123456u);
  // From the second frame on both pictures are read as 24-bit pictures.
  EXPECT_EQ(Push::render({a.data(), b->data(), 0.25, 0, 0, 0}, {0}), nullptr);
}

TEST(PushPlus, OtherDegreesLeaveTheFrameBlack) {
  PushRun run(30, 4, 3, 0.5);
  ASSERT_NE(run.out.get(), nullptr);
  EXPECT_EQ(sourceMap(run.out.get()), Rows(3, "KKKK"));
}

TEST(PushPlus, RefusesPictureBItCannotReadAtAsCoordinates) {
  auto a = provenancePicture('A', 6, 4);
  auto narrow = provenancePicture('B', 5, 4);
  auto low = provenancePicture('B', 6, 3);
  auto grey = testsupport::makeDib(6, 4, 8, [](int32_t, int32_t) { return 0u; }, {0});
  for (int32_t degree : {0, 90, 180, 270, 45, 315, 30}) {
    for (const void* b :
         {static_cast<const void*>(narrow->data()), static_cast<const void*>(low->data()),
          static_cast<const void*>(grey.data()), static_cast<const void*>(nullptr)})
      EXPECT_EQ(Push::render({a->data(), b, 0.5, 0, 0, 0}, {degree}), nullptr) << degree;
  }
}

// ---- through the library's exports, as a host drives it ----

struct Instance {
  uint32_t index;
  HGLOBAL handle;
  explicit Instance(uint32_t i) : index(i), handle(piLocalInit(i, 1)) {}
  ~Instance() { piLocalDone(index, handle); }
};

TEST(PushPlusExports, SavesTheDegreeLineForEveryLineButKeepsOnlyLineZero) {
  Instance instance(0);
  char line[] = "DEGREE=270";
  ASSERT_NE(piLocalLoadData(0, instance.handle, 0, line), 0);
  EXPECT_STREQ(line, "degree=270") << "lower-cased in place";
  char buffer[32] = {};
  EXPECT_NE(piLocalSaveData(0, instance.handle, 0, buffer), 0);
  EXPECT_STREQ(buffer, "DEGREE=270");
  std::memset(buffer, 0, sizeof buffer);
  EXPECT_EQ(piLocalSaveData(0, instance.handle, 1, buffer), 0);
  EXPECT_STREQ(buffer, "DEGREE=270") << "written although refused";
}

TEST(PushPlusExports, LoadsLineZeroOnly) {
  struct Case {
    const char* text;
    int32_t degree;
  };
  for (Case c :
       {Case{"degree=45", 45}, Case{"DEGREE=45", 45}, Case{"Degree=abc", 0}, Case{"90", 90},
        Case{"BANDS=12", 12}, Case{"DEGREE=$5a", 90}, Case{"DEGREE= -45", -45}}) {
    Instance instance(0);
    char line[32];
    std::strcpy(line, c.text);
    EXPECT_NE(piLocalLoadData(0, instance.handle, 0, line), 0) << c.text;
    char buffer[32];
    piLocalSaveData(0, instance.handle, 0, buffer);
    EXPECT_EQ(buffer, "DEGREE=" + std::to_string(c.degree)) << c.text;
  }
  Instance instance(0);
  char line[] = "DEGREE=45";
  EXPECT_EQ(piLocalLoadData(0, instance.handle, 1, line), 0);
  EXPECT_STREQ(line, "DEGREE=45") << "another line number changes nothing";
  char buffer[32];
  piLocalSaveData(0, instance.handle, 0, buffer);
  EXPECT_STREQ(buffer, "DEGREE=0");
}

TEST(PushPlusExports, NameCarriesTheDegreeWithItsSign) {
  ASSERT_NE(piInit(0), 0);
  Instance instance(0);
  char line[] = "DEGREE=45";
  piLocalLoadData(0, instance.handle, 0, line);
  EXPECT_STREQ(piLocalName(0, instance.handle), "Push+ (45\xB0)");
  EXPECT_STREQ(piLocalName(0, nullptr), "Push+");
  EXPECT_STREQ(piName(0), "Push+");
  EXPECT_EQ(piFlags(0), 0x10032A01u);
  EXPECT_EQ(piLocalFlags(0, instance.handle), 0x10032A01u);
  piDone(0);
}

TEST(PushPlusExports, ReadsTheDegreeAfreshEveryFrame) {
  auto a = provenancePicture('A', 3, 5);
  auto b = provenancePicture('B', 3, 5);
  Instance instance(0);
  char down[] = "DEGREE=270";
  piLocalLoadData(0, instance.handle, 0, down);
  ASSERT_NE(piLocalLength(0, instance.handle, 3), 0);
  ASSERT_NE(piLocalSetData(0, instance.handle, a->data(), 1, b->data(), 1), 0);
  ASSERT_NE(piLocalProcessDataStart(0, instance.handle), 0);

  ASSERT_NE(piLocalProcessData(0, instance.handle), 0);
  GlobalHandle first(piLocalGetData(0, instance.handle));
  EXPECT_EQ(sourceMap(first.get()), Rows(5, "aaa"));

  char up[] = "DEGREE=90";
  piLocalLoadData(0, instance.handle, 0, up);
  ASSERT_NE(piLocalProcessData(0, instance.handle), 0);
  GlobalHandle second(piLocalGetData(0, instance.handle));
  EXPECT_EQ(columnOrigins(second.get(), 1), "A2 A3 B0 B1 B2");

  ASSERT_NE(piLocalProcessDataEnd(0, instance.handle), 0);
}

TEST(PushPlusExports, RefusedFrameAnswersFalse) {
  auto a = provenancePicture('A', 4, 4);
  auto b = provenancePicture('B', 4, 3);
  Instance instance(0);
  piLocalLength(0, instance.handle, 2);
  piLocalSetData(0, instance.handle, a->data(), 1, b->data(), 1);
  piLocalProcessDataStart(0, instance.handle);
  ASSERT_NE(piLocalProcessData(0, instance.handle), 0) << "p = 0 does not read B";
  GlobalHandle first(piLocalGetData(0, instance.handle));
  EXPECT_EQ(piLocalProcessData(0, instance.handle), 0);
  EXPECT_EQ(piLocalGetData(0, instance.handle), nullptr);
}

}  // namespace
