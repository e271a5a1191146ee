#include <gtest/gtest.h>

#include "FadeTesting.h"
#include "GuardedBuffer.h"
#include "piDirFad.h"

namespace {

using fadetest::flat;
using fadetest::rgb;
using fadetest::uniformColor;
using testsupport::GlobalHandle;
using testsupport::GuardedBuffer;

constexpr uint32_t kDirect = 4;

uint32_t blend(uint32_t a, uint32_t b, double p) {
  GuardedBuffer pa(flat(a)), pb(flat(b));
  GlobalHandle out(piDirFad::render(pa.data(), pb.data(), p));
  return uniformColor(out.get());
}

TEST(DirectCrossFade, ChannelsMoveInAStraightLineTruncatedTowardZero) {
  // a = 10, b = 250 -> 130; a = 250, b = 10 -> 130; a = 250, b = 11 ->
  // 250 + Trunc(-119.5) = 131.
  EXPECT_EQ(blend(rgb(10, 250, 250), rgb(250, 10, 11), 0.5), rgb(130, 130, 131));
  EXPECT_EQ(blend(rgb(0, 255, 7), rgb(255, 0, 7), 0.0), rgb(0, 255, 7));
  EXPECT_EQ(blend(rgb(0, 255, 7), rgb(255, 0, 9), 1.0), rgb(255, 0, 9));
  // The product keeps the extended mantissa: 10 x 0.3 is just below 3 and
  // truncates to 2 (a double product would round to 3 first).
  EXPECT_EQ(blend(rgb(0, 10, 0), rgb(10, 0, 0), 0.3), rgb(2, 8, 0));
}

TEST(DirectCrossFade, ShowsAAtTheStartAndBAtTheEndReadAtAsCoordinates) {
  auto a = testsupport::provenancePicture('A', 9, 3);
  auto b = testsupport::provenancePicture('B', 10, 5);
  GlobalHandle atStart(piDirFad::render(a->data(), b->data(), 0));
  GlobalHandle atEnd(piDirFad::render(a->data(), b->data(), 1));
  EXPECT_EQ(testsupport::sourceMap(atStart.get()), std::vector<std::string>(3, "aaaaaaaaa"));
  EXPECT_EQ(testsupport::sourceMap(atEnd.get()), std::vector<std::string>(3, "BBBBBBBBB"));
}

TEST(DirectCrossFade, LengthFourRunsQuarterSteps) {
  auto a = flat(rgb(0, 200, 100)), b = flat(rgb(200, 0, 100));
  // The sound bit changes nothing: every instance renders pictures.
  for (uint32_t flags : {uint32_t(PI_PICTURE), uint32_t(PI_SOUND)}) {
    fadetest::Run run(kDirect, flags);
    run.length(4);
    run.data(a.data(), 0, b.data(), 0);
    run.start();
    std::vector<uint32_t> colours;
    for (int frame = 0; frame < 6; ++frame) {
      GlobalHandle out;
      EXPECT_EQ(run.frame(out), PI_TRUE);
      colours.push_back(uniformColor(out.get()));
    }
    EXPECT_EQ(colours,
              (std::vector<uint32_t>{rgb(0, 200, 100), rgb(50, 150, 100), rgb(100, 100, 100),
                                     rgb(150, 50, 100), rgb(200, 0, 100), rgb(200, 0, 100)}));
  }
}

TEST(DirectCrossFade, RefusesInputsItCannotRead) {
  GuardedBuffer a(flat(0, 4, 3)), same(flat(0, 4, 3)), narrow(flat(0, 3, 3)), low(flat(0, 4, 2));
  GuardedBuffer eightBit(testsupport::makeDib(4, 3, 8, [](int32_t, int32_t) { return 0u; }, {0}));
  EXPECT_EQ(piDirFad::render(a.data(), narrow.data(), 0.5), nullptr);
  EXPECT_EQ(piDirFad::render(a.data(), low.data(), 0.5), nullptr);
  EXPECT_EQ(piDirFad::render(a.data(), nullptr, 0.5), nullptr);
  EXPECT_EQ(piDirFad::render(nullptr, same.data(), 0.5), nullptr);
  EXPECT_EQ(piDirFad::render(eightBit.data(), same.data(), 0.5), nullptr);
  EXPECT_EQ(piDirFad::render(a.data(), eightBit.data(), 0.5), nullptr);
  GlobalHandle ok(piDirFad::render(a.data(), same.data(), 0.5));
  EXPECT_NE(ok.get(), nullptr);
}

TEST(DirectCrossFade, LengthZeroAnswersFalse) {
  auto a = flat(0);
  fadetest::Run run(kDirect, PI_PICTURE);
  run.data(a.data(), 0, a.data(), 0);
  run.start();
  GlobalHandle out;
  EXPECT_EQ(run.frame(out), PI_FALSE);
  EXPECT_EQ(out.get(), nullptr);
}

}  // namespace
