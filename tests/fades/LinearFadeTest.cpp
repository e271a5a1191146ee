#include <gtest/gtest.h>

#include "FadeTesting.h"
#include "GuardedBuffer.h"
#include "piLinFad.h"

namespace {

using FadeCore::SoundInputs;
using fadetest::flat;
using fadetest::rgb;
using fadetest::uniformColor;
using testsupport::GlobalHandle;
using testsupport::GuardedBuffer;

constexpr int kFadeIn = 0, kFadeOut = 1, kCross = 2, kOutIn = 3;

// ---- pictures ---------------------------------------------------------------

struct PictureCase {
  const char* what;
  int type;
  double p;
  uint32_t a, b, expected;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.what; }

class LinearPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(LinearPicture, EveryPixelTakesTheFadedColour) {
  const PictureCase& c = GetParam();
  GuardedBuffer a(flat(c.a)), b(flat(c.b));
  GlobalHandle out(piLinFad::renderPicture(a.data(), b.data(), c.type, c.p));
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(testsupport::sizeOf(out.get()), std::make_pair(7, 2));
  EXPECT_EQ(uniformColor(out.get()), c.expected) << std::hex << uniformColor(out.get());
}

const uint32_t kWhite = rgb(255, 255, 255);
const uint32_t kBlack = 0;
const uint32_t kSome = rgb(200, 130, 50);

const PictureCase kPictureCases[] = {
    {"fade in starts black", kFadeIn, 0, kWhite, 0, kBlack},
    {"fade in ends on A", kFadeIn, 1, kSome, 0, kSome},
    {"fade in halfway lowers by 127", kFadeIn, 0.5, kSome, 0, rgb(73, 3, 0)},
    // 1 - p kept in extended precision: (1 - 0.2) x 255 truncates to 203.
    {"fade in at 0.2 lowers by 203", kFadeIn, 0.2, kWhite, 0, rgb(52, 52, 52)},
    {"fade out starts on A", kFadeOut, 0, kSome, 0, kSome},
    {"fade out ends black", kFadeOut, 1, kWhite, 0, kBlack},
    {"fade out halfway lowers by 127", kFadeOut, 0.5, kSome, 0, rgb(73, 3, 0)},
    {"cross fade halfway", kCross, 0.5, rgb(200, 10, 255), rgb(100, 250, 128), rgb(73, 123, 129)},
    {"cross fade sum held to 255", kCross, 0.1, rgb(255, 20, 0), rgb(255, 240, 229),
     rgb(255, 11, 0)},
    {"cross fade starts on A", kCross, 0, kSome, kWhite, kSome},
    {"cross fade ends on B", kCross, 1, kWhite, kSome, kSome},
    {"out-in first quarter: A lowered by t = 127", kOutIn, 0.25, kSome, kWhite, rgb(73, 3, 0)},
    {"out-in t = 255: A lowered to black", kOutIn, 0.5, kWhite, kWhite, kBlack},
    {"out-in t = 256: B lowered by 255, black", kOutIn, 256.5 / 511, kWhite, kWhite, kBlack},
    {"out-in t = 383: B lowered by 128", kOutIn, 0.75, kWhite, rgb(200, 100, 255), rgb(72, 0, 127)},
    {"out-in ends on B", kOutIn, 1, kWhite, kSome, kSome},
};

INSTANTIATE_TEST_SUITE_P(Examples, LinearPicture, ::testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(LinearPicture, CrossFadeReadsALargerBAtAsCoordinates) {
  auto a = testsupport::provenancePicture('A', 9, 3);
  auto b = testsupport::provenancePicture('B', 11, 4);
  GlobalHandle atStart(piLinFad::renderPicture(a->data(), b->data(), kCross, 0));
  GlobalHandle atEnd(piLinFad::renderPicture(a->data(), b->data(), kCross, 1));
  EXPECT_EQ(testsupport::sourceMap(atStart.get()), std::vector<std::string>(3, "aaaaaaaaa"));
  EXPECT_EQ(testsupport::sourceMap(atEnd.get()), std::vector<std::string>(3, "BBBBBBBBB"));
}

TEST(LinearPicture, RefusesInputsItCannotRead) {
  GuardedBuffer a(flat(kSome, 6, 3)), sameB(flat(kWhite, 6, 3));
  GuardedBuffer narrowB(flat(kWhite, 5, 3)), shortB(flat(kWhite, 6, 2));
  GuardedBuffer eightBitA(
      testsupport::makeDib(6, 3, 8, [](int32_t, int32_t) { return 1u; }, {0, kWhite}));
  for (int type : {kFadeIn, kFadeOut, kCross, kOutIn}) {
    EXPECT_EQ(piLinFad::renderPicture(nullptr, sameB.data(), type, 0.9), nullptr) << type;
    EXPECT_EQ(piLinFad::renderPicture(eightBitA.data(), sameB.data(), type, 0.9), nullptr) << type;
  }
  // B is read by the cross fade and by the second half of out-in only.
  for (const void* b :
       {static_cast<const void*>(narrowB.data()), static_cast<const void*>(shortB.data()),
        static_cast<const void*>(nullptr)}) {
    EXPECT_EQ(piLinFad::renderPicture(a.data(), b, kCross, 0.5), nullptr);
    EXPECT_EQ(piLinFad::renderPicture(a.data(), b, kOutIn, 0.9), nullptr);
    GlobalHandle firstHalf(piLinFad::renderPicture(a.data(), b, kOutIn, 0.1));
    EXPECT_NE(firstHalf.get(), nullptr);
  }
  // A B of exactly A's size ends at a guard page and is read whole.
  GlobalHandle cross(piLinFad::renderPicture(a.data(), sameB.data(), kCross, 1));
  EXPECT_EQ(uniformColor(cross.get()), kWhite);
}

TEST(LinearPicture, ANegativeAmountRaisesTheChannelsHeldTo255) {
  // Only a negative length gives p below 0 and so a negative amount.
  GuardedBuffer a(flat(rgb(10, 240, 0)));
  GlobalHandle out(FadeCore::darken(a.data(), a.data(), -25));
  EXPECT_EQ(uniformColor(out.get()), rgb(35, 255, 25));
}

// ---- progress through the exports ---------------------------------------------

TEST(LinearFadeRun, ReachesAOnlyAtCounterEqualToLength) {
  auto a = flat(kWhite);
  fadetest::Run run(kFadeIn, PI_PICTURE);
  run.length(10);
  run.data(a.data(), 0);
  run.start();
  std::vector<uint32_t> colours;
  for (int frame = 0; frame < 12; ++frame) {
    GlobalHandle out;
    EXPECT_EQ(run.frame(out), PI_TRUE);
    colours.push_back(uniformColor(out.get()));
  }
  EXPECT_EQ(colours[0], kBlack);
  EXPECT_NE(colours[9], kWhite);
  EXPECT_EQ(colours[10], kWhite);
  EXPECT_EQ(colours[11], kWhite);

  run.end();
  run.start();
  GlobalHandle again;
  run.frame(again);
  EXPECT_EQ(uniformColor(again.get()), kBlack);
}

TEST(LinearFadeRun, LengthZeroAnswersFalseWithoutOutput) {
  auto a = flat(kWhite);
  for (uint32_t flags : {uint32_t(PI_PICTURE), uint32_t(PI_SOUND)}) {
    fadetest::Run run(kFadeOut, flags);
    run.sound(fadetest::format(1, 16));
    run.data(a.data(), 2);
    run.start();
    GlobalHandle out;
    EXPECT_EQ(run.frame(out), PI_FALSE);
    EXPECT_EQ(out.get(), nullptr);
  }
}

TEST(LinearFadeRun, RefusedFrameLeavesNoStaleOutput) {
  auto a = flat(kWhite);
  fadetest::Run run(kCross, PI_PICTURE);
  run.length(4);
  run.data(a.data(), 0, a.data(), 0);
  run.start();
  GlobalHandle first;
  ASSERT_EQ(run.frame(first), PI_TRUE);
  run.data(a.data(), 0, nullptr, 0);
  GlobalHandle second;
  EXPECT_EQ(run.frame(second), PI_FALSE);
  EXPECT_EQ(second.get(), nullptr);  // not the first frame's handle again
}

// ---- sound ------------------------------------------------------------------

SoundInputs sound(const void* a, int32_t countA, const void* b, int32_t countB, uint16_t channels,
                  uint16_t bits) {
  return {a, b, countA, countB, fadetest::format(channels, bits)};
}

TEST(LinearSound, EightBitFadeInHalfwayTruncatesTowardZero) {
  GuardedBuffer a({255, 0, 128, 127, 129, 1});
  FadeCore::SoundResult r =
      piLinFad::renderSound(sound(a.data(), 3, nullptr, 0, 2, 8), kFadeIn, 0.5);
  GlobalHandle out(r.block);
  // s = 127 -> 63.5 -> 63; -128 -> -64; -1 -> -0.5 -> 0; 1 -> 0; -127 -> -63.
  EXPECT_EQ(fadetest::blockBytes(out.get()),
            (std::vector<unsigned char>{191, 64, 128, 128, 128, 65}));
  EXPECT_EQ(r.countA, 3);
}

TEST(LinearSound, SixteenBitFadeOutScalesByOneMinusP) {
  GuardedBuffer a(fadetest::bytes16({1001, -1001, -32768, 32767}));
  GlobalHandle out(
      piLinFad::renderSound(sound(a.data(), 4, nullptr, 0, 1, 16), kFadeOut, 0.25).block);
  EXPECT_EQ(fadetest::samples16(fadetest::blockBytes(out.get())),
            (std::vector<int16_t>{750, -750, -24576, 24575}));
}

TEST(LinearSound, CrossFadeOverAShorterBKeepsOnlyAInTheRest) {
  // Stereo, 16-bit, 100 frames of A and 60 of B, through the exports so that
  // the lowered count and the counter are seen as a host sees them.
  GuardedBuffer a(fadetest::bytes16(std::vector<int16_t>(200, 1000)));
  GuardedBuffer b(fadetest::bytes16(std::vector<int16_t>(200, 3000)));
  fadetest::Run run(kCross, PI_SOUND);
  run.sound(fadetest::format(2, 16));
  run.length(400);
  run.data(a.data(), 100, b.data(), 100);
  run.start();
  GlobalHandle first;
  ASSERT_EQ(run.frame(first), PI_TRUE);  // p = 0: A alone
  EXPECT_EQ(fadetest::samples16(fadetest::blockBytes(first.get())),
            std::vector<int16_t>(200, 1000));

  run.data(a.data(), 100, b.data(), 60);
  GlobalHandle second;
  ASSERT_EQ(run.frame(second), PI_TRUE);     // p = 100 / 400
  std::vector<int16_t> expected(120, 1500);  // 750 + 750 over B's 60 frames
  expected.resize(200, 750);                 // A x 0.75 alone beyond them
  EXPECT_EQ(fadetest::samples16(fadetest::blockBytes(second.get())), expected);
  EXPECT_EQ(run.runBlock().countA, 60);
  EXPECT_EQ(run.runBlock().counter, 160);
}

TEST(LinearSound, OutInSecondHalfLeavesZeroBytesBeyondAShorterB) {
  GuardedBuffer a(std::vector<unsigned char>(16, 200));
  GuardedBuffer b(std::vector<unsigned char>(10, 228));  // s = 100
  FadeCore::SoundResult r =
      piLinFad::renderSound(sound(a.data(), 8, b.data(), 5, 2, 8), kOutIn, 0.75);
  GlobalHandle out(r.block);
  std::vector<unsigned char> expected(10, 178);  // B x (2p - 1) = 50
  expected.resize(16, 0);                        // zero bytes, not the silence value 128
  EXPECT_EQ(fadetest::blockBytes(out.get()), expected);
  EXPECT_EQ(r.countA, 5);
}

TEST(LinearSound, OutInFirstHalfReadsOnlyA) {
  GuardedBuffer a(fadetest::bytes16({1000, -1000}));
  GlobalHandle out(
      piLinFad::renderSound(sound(a.data(), 2, nullptr, -1, 1, 16), kOutIn, 0.25).block);
  EXPECT_EQ(fadetest::samples16(fadetest::blockBytes(out.get())),
            (std::vector<int16_t>{500, -500}));
}

TEST(LinearSound, RefusesWhatItCannotHandle) {
  GuardedBuffer a(std::vector<unsigned char>(8, 200)), b(std::vector<unsigned char>(8, 100));
  struct Refusal {
    const char* what;
    SoundInputs inputs;
    int type;
  };
  const Refusal refusals[] = {
      {"4-bit samples", sound(a.data(), 4, b.data(), 4, 2, 4), kFadeIn},
      {"12-bit samples", sound(a.data(), 4, b.data(), 4, 2, 12), kFadeIn},
      {"24-bit samples", sound(a.data(), 2, b.data(), 2, 1, 24), kFadeIn},
      {"no channels", sound(a.data(), 4, b.data(), 4, 0, 8), kFadeIn},
      {"negative count A", sound(a.data(), -1, b.data(), 4, 2, 8), kFadeOut},
      {"negative count B", sound(a.data(), 4, b.data(), -1, 2, 8), kCross},
      {"null A", sound(nullptr, 4, b.data(), 4, 2, 8), kFadeIn},
      {"null B", sound(a.data(), 4, nullptr, 4, 2, 8), kCross},
      {"null B in the second half", sound(a.data(), 4, nullptr, 4, 2, 8), kOutIn},
  };
  for (const Refusal& r : refusals) {
    double p = r.type == kOutIn ? 0.75 : 0.5;
    FadeCore::SoundResult result = piLinFad::renderSound(r.inputs, r.type, p);
    EXPECT_EQ(result.block, nullptr) << r.what;
    GlobalFree(result.block);
  }
}

TEST(LinearSound, RefusedSizesAnswerFalseThroughTheExports) {
  GuardedBuffer a(std::vector<unsigned char>(8, 200));
  for (uint16_t bits : {4, 12}) {
    fadetest::Run run(kFadeIn, PI_SOUND);
    run.sound(fadetest::format(2, bits));
    run.length(100);
    run.data(a.data(), 2);
    run.start();
    GlobalHandle out;
    EXPECT_EQ(run.frame(out), PI_FALSE) << bits;
    EXPECT_EQ(out.get(), nullptr);
    EXPECT_EQ(run.runBlock().counter, 0);
  }
}

TEST(LinearSound, ZeroFramesGiveAnEmptyBlock) {
  GuardedBuffer a(std::vector<unsigned char>{});
  FadeCore::SoundResult r =
      piLinFad::renderSound(sound(a.data(), 0, a.data(), 0, 2, 16), kCross, 0.5);
  GlobalHandle out(r.block);
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(GlobalSize(out.get()), 0u);
}

}  // namespace
