#include <gtest/gtest.h>

#include "FadeTesting.h"
#include "GuardedBuffer.h"
#include "piLogFad.h"

namespace {

using fadetest::flat;
using fadetest::rgb;
using fadetest::uniformColor;
using testsupport::GlobalHandle;
using testsupport::GuardedBuffer;

constexpr int kFadeIn = 0, kFadeOut = 1, kCross = 2, kOutIn = 3;
constexpr uint32_t kLogFadeIn = 6, kLogCross = 8;

const uint32_t kWhite = rgb(255, 255, 255);

struct PictureCase {
  const char* what;
  int type;
  double p;
  uint32_t a, b, expected;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.what; }

class LogPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(LogPicture, EveryPixelTakesTheFadedColour) {
  const PictureCase& c = GetParam();
  GuardedBuffer a(flat(c.a)), b(flat(c.b));
  GlobalHandle out(piLogFad::renderPicture(a.data(), b.data(), c.type, c.p));
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(uniformColor(out.get()), c.expected) << std::hex << uniformColor(out.get());
}

const PictureCase kPictureCases[] = {
    {"fade in halfway lowers by 63", kFadeIn, 0.5, kWhite, 0, rgb(192, 192, 192)},
    {"fade in starts black", kFadeIn, 0, kWhite, 0, 0},
    {"fade out halfway lowers by p squared: 63", kFadeOut, 0.5, rgb(100, 63, 62), 0, rgb(37, 0, 0)},
    {"fade out ends black", kFadeOut, 1, kWhite, 0, 0},
    // p = 0.25: A lowered by Trunc(0.0625 x 255) = 15, B by Trunc(0.5625 x 255) = 143.
    {"cross fade weighs A by p squared", kCross, 0.25, rgb(200, 10, 255), rgb(100, 250, 128),
     rgb(185, 107, 240)},
    {"cross fade sum held to 255", kCross, 0.5, rgb(200, 10, 255), rgb(100, 250, 128),
     rgb(174, 187, 255)},
    {"out-in first half lowers A by x squared x 256", kOutIn, 0.25, kWhite, 0, rgb(191, 191, 191)},
    {"out-in at x = 1 lowers A by 256: black", kOutIn, 0.5, kWhite, kWhite, 0},
    {"out-in x = 1.5 lowers B by 64", kOutIn, 0.75, kWhite, rgb(200, 50, 64), rgb(136, 0, 0)},
    {"out-in ends on B", kOutIn, 1, kWhite, rgb(1, 2, 3), rgb(1, 2, 3)},
};

INSTANTIATE_TEST_SUITE_P(Examples, LogPicture, ::testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(LogFadeRun, LengthsZeroAndOneRenderEveryFrameHalfway) {
  auto a = flat(kWhite);
  for (int32_t length : {0, 1}) {
    fadetest::Run run(kLogFadeIn, PI_PICTURE);
    run.length(length);
    run.data(a.data(), 0);
    run.start();
    for (int frame = 0; frame < 3; ++frame) {
      GlobalHandle out;
      EXPECT_EQ(run.frame(out), PI_TRUE);
      EXPECT_EQ(uniformColor(out.get()), rgb(192, 192, 192)) << length << " " << frame;
    }
  }
}

TEST(LogFadeRun, LengthTwoRunsZeroHalfOneOne) {
  auto a = flat(kWhite);
  fadetest::Run run(kLogFadeIn, PI_PICTURE);
  run.length(2);
  run.data(a.data(), 0);
  run.start();
  std::vector<uint32_t> colours;
  for (int frame = 0; frame < 4; ++frame) {
    GlobalHandle out;
    run.frame(out);
    colours.push_back(uniformColor(out.get()));
  }
  EXPECT_EQ(colours, (std::vector<uint32_t>{0, rgb(192, 192, 192), kWhite, kWhite}));
}

TEST(LogFadeRun, NullInputAnswersFalse) {
  fadetest::Run run(kLogCross, PI_PICTURE);
  auto a = flat(kWhite);
  run.length(10);
  run.data(a.data(), 0, nullptr, 0);
  run.start();
  GlobalHandle out;
  EXPECT_EQ(run.frame(out), PI_FALSE);
  EXPECT_EQ(out.get(), nullptr);
}

TEST(LogFadeRun, DoneIgnoresAFailedRelease) {
  HGLOBAL handle = piLocalInit(kLogFadeIn, PI_PICTURE);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(piLocalDone(kLogFadeIn, handle), nullptr);
  EXPECT_EQ(piLocalDone(kLogFadeIn, handle), nullptr);  // already released
  // The linear unit answers the release call's own result.
  HGLOBAL linear = piLocalInit(0, PI_PICTURE);
  EXPECT_EQ(piLocalDone(0, linear), nullptr);
  EXPECT_EQ(piLocalDone(0, linear), linear);
}

// ---- sound ------------------------------------------------------------------

struct SoundCase {
  const char* what;
  int type;
  double p;
  uint16_t bits;
  std::vector<unsigned char> a, b, expected;
};
void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.what; }

class LogSound : public ::testing::TestWithParam<SoundCase> {};

TEST_P(LogSound, ScalesByTheSquaredCurve) {
  const SoundCase& c = GetParam();
  GuardedBuffer a(c.a), b(c.b);
  int32_t frames = int32_t(c.a.size() / (c.bits / 8));
  FadeCore::SoundInputs in{a.data(), b.data(), frames, frames, fadetest::format(1, c.bits)};
  GlobalHandle out(piLogFad::renderSound(in, c.type, c.p).block);
  EXPECT_EQ(fadetest::blockBytes(out.get()), c.expected);
}

std::vector<unsigned char> words(std::vector<int16_t> samples) {
  return fadetest::bytes16(samples);
}

const SoundCase kSoundCases[] = {
    {"16-bit fade in halfway: x 0.25", kFadeIn, 0.5, 16, words({1000, -1000}), words({0, 0}),
     words({250, -250})},
    {"16-bit fade out at 0.25: x (0.75)^2", kFadeOut, 0.25, 16, words({1000}), words({0}),
     words({562})},
    {"16-bit cross fade at 0.25", kCross, 0.25, 16, words({1000}), words({2000}),
     words({687})},  // 562 + 125
    {"8-bit out-in at 0.25: A x (1 - 0.25)", kOutIn, 0.25, 8, {228, 28}, {0, 0}, {203, 53}},
    {"8-bit out-in at 0.75: B x 0.25", kOutIn, 0.75, 8, {0, 0}, {28, 228}, {103, 153}},
    {"8-bit out-in at x = 1: silence from B", kOutIn, 0.5, 8, {0, 0}, {28, 228}, {128, 128}},
};

INSTANTIATE_TEST_SUITE_P(Examples, LogSound, ::testing::ValuesIn(kSoundCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(LogSound, RefusesSampleSizesOtherThanEightAndSixteen) {
  GuardedBuffer a(std::vector<unsigned char>(8, 1));
  for (uint16_t bits : {4, 12, 32}) {
    FadeCore::SoundInputs in{a.data(), a.data(), 2, 2, fadetest::format(1, bits)};
    EXPECT_EQ(piLogFad::renderSound(in, kFadeIn, 0.5).block, nullptr) << bits;
  }
}

}  // namespace
