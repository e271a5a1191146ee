// vtrhost fade over tiny WAV files, written and read back byte by byte.
#include <gtest/gtest.h>

#include <cstring>

#include "VtrhostRun.h"

namespace {

using hosttest::runVtrhost;
using hosttest::TempFolder;
namespace fs = std::filesystem;

struct Pcm {
  uint16_t channels = 1;
  uint32_t rate = 8000;
  uint16_t bits = 16;
  std::vector<unsigned char> data;
};

void put(std::vector<unsigned char>& bytes, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back((value >> (8 * i)) & 255);
}

// A canonical RIFF/WAVE file with a PCM format chunk (format tag `tag`).
std::vector<unsigned char> wavFile(const Pcm& pcm, uint16_t tag = 1) {
  std::vector<unsigned char> f = {'R', 'I', 'F', 'F'};
  put(f, uint32_t(36 + pcm.data.size()), 4);
  for (char c : std::string("WAVEfmt ")) f.push_back(c);
  uint16_t align = uint16_t(pcm.channels * pcm.bits / 8);
  put(f, 16, 4);
  put(f, tag, 2);
  put(f, pcm.channels, 2);
  put(f, pcm.rate, 4);
  put(f, pcm.rate * align, 4);
  put(f, align, 2);
  put(f, pcm.bits, 2);
  for (char c : std::string("data")) f.push_back(c);
  put(f, uint32_t(pcm.data.size()), 4);
  f.insert(f.end(), pcm.data.begin(), pcm.data.end());
  return f;
}

uint32_t read(const std::string& bytes, size_t at, int count) {
  uint32_t v = 0;
  for (int i = 0; i < count; ++i) v |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
  return v;
}

// The format and data chunks of a WAV file, whatever other chunks it has.
Pcm readWavFile(const std::string& path) {
  std::string f = hosttest::readText(path);
  Pcm pcm;
  EXPECT_EQ(f.substr(0, 4), "RIFF");
  EXPECT_EQ(f.substr(8, 4), "WAVE");
  for (size_t at = 12; at + 8 <= f.size();) {
    std::string id = f.substr(at, 4);
    uint32_t size = read(f, at + 4, 4);
    if (id == "fmt ") {
      EXPECT_EQ(read(f, at + 8, 2), 1u);  // PCM
      pcm.channels = uint16_t(read(f, at + 10, 2));
      pcm.rate = read(f, at + 12, 4);
      pcm.bits = uint16_t(read(f, at + 22, 2));
    } else if (id == "data") {
      pcm.data.assign(f.begin() + long(at + 8), f.begin() + long(at + 8 + size));
    }
    at += 8 + size + (size & 1);
  }
  return pcm;
}

std::vector<unsigned char> words(const std::vector<int16_t>& samples) {
  std::vector<unsigned char> bytes;
  for (int16_t s : samples) put(bytes, uint16_t(s), 2);
  return bytes;
}

void writeWav(const std::string& path, const Pcm& pcm, uint16_t tag = 1) {
  hosttest::writeFile(path, wavFile(pcm, tag));
}

TEST(FadeCommand, CrossFadesSixteenBitSoundBlockByBlock) {
  TempFolder dir;
  Pcm a, b;
  a.data = words(std::vector<int16_t>(16, 1000));
  b.data = words(std::vector<int16_t>(16, 3000));
  writeWav(dir / "a.wav", a);
  writeWav(dir / "b.wav", b);
  auto result = runVtrhost({"fade", "dimkit", "Linear cross fade", dir / "a.wav", dir / "b.wav",
                            "-o", dir / "out.wav", "--block", "4"},
                           dir);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  Pcm out = readWavFile(dir / "out.wav");
  EXPECT_EQ(out.channels, 1);
  EXPECT_EQ(out.rate, 8000u);
  EXPECT_EQ(out.bits, 16);
  // Each block of four frames at p = 0, 1/4, 1/2, 3/4 of the 16-frame length.
  std::vector<int16_t> expected;
  for (int16_t v : {1000, 1500, 2000, 2500}) expected.insert(expected.end(), 4, v);
  EXPECT_EQ(out.data, words(expected));
}

TEST(FadeCommand, FadesEightBitStereoOutWithAGivenLength) {
  TempFolder dir;
  Pcm a;
  a.channels = 2;
  a.bits = 8;
  a.data = {228, 28, 228, 28, 228, 28, 228, 28, 228, 28, 228, 28};  // +100, -100
  writeWav(dir / "a.wav", a);
  auto result = runVtrhost({"fade", "dimkit", "1", dir / "a.wav", "-o", dir / "out.wav", "--block",
                            "3", "--length", "12"},
                           dir);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  Pcm out = readWavFile(dir / "out.wav");
  EXPECT_EQ(out.channels, 2);
  EXPECT_EQ(out.bits, 8);
  // p = 0, then 3/12: the second block keeps three quarters.
  EXPECT_EQ(out.data,
            (std::vector<unsigned char>{228, 28, 228, 28, 228, 28, 203, 53, 203, 53, 203, 53}));
}

TEST(FadeCommand, ReachesTheLogarithmicFadesByName) {
  TempFolder dir;
  Pcm a;
  a.data = words({1000, 1000});
  writeWav(dir / "a.wav", a);
  auto result = runVtrhost(
      {"fade", "dimkit", "Log. fade out", dir / "a.wav", "-o", dir / "out.wav", "--block", "1"},
      dir);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // Frames at p = 0 and 1/2: gain (1 - p)^2.
  EXPECT_EQ(readWavFile(dir / "out.wav").data, words({1000, 250}));
}

TEST(FadeCommand, RefusesOtherSampleFormatsAndLeavesNoFile) {
  TempFolder dir;
  Pcm float32;
  float32.bits = 32;
  float32.data.assign(16, 0);
  writeWav(dir / "float.wav", float32, /*tag=*/3);
  Pcm pcm24;
  pcm24.bits = 24;
  pcm24.data.assign(12, 0);
  writeWav(dir / "deep.wav", pcm24);
  for (const char* name : {"float.wav", "deep.wav"}) {
    auto result = runVtrhost({"fade", "dimkit", "0", dir / name, "-o", dir / "out.wav"}, dir);
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find(name), std::string::npos) << result.err;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(FadeCommand, TwoInputFadesNeedB) {
  TempFolder dir;
  Pcm a;
  a.data = words({1, 2});
  writeWav(dir / "a.wav", a);
  for (const char* effect : {"Linear cross fade", "3", "Log. cross fade"}) {
    auto result = runVtrhost({"fade", "dimkit", effect, dir / "a.wav", "-o", dir / "out.wav"}, dir);
    EXPECT_NE(result.exitCode, 0) << effect;
    EXPECT_NE(result.err.find("B.wav"), std::string::npos) << result.err;
  }
  EXPECT_FALSE(fs::exists(dir / "out.wav"));
}

}  // namespace
