// Helpers of the fade tests: flat-coloured pictures, sound buffers of 8- or
// 16-bit samples, and an instance driven through the exports as a host
// drives it.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "DibLib.h"
#include "FadeCore.h"
#include "Pictures.h"
#include "PlugHdr.h"

namespace fadetest {

inline uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return DibLib::colorValue(r, g, b); }

// A 7 x 2 picture of one colour: rows of 21 bytes and 3 of padding, so that
// whole-row passes meet both their blocks of 16 bytes and a remainder.
inline std::vector<unsigned char> flat(uint32_t color, int32_t w = 7, int32_t h = 2) {
  return testsupport::makeDib24(w, h, [color](int32_t, int32_t) { return color; });
}

// The colour every pixel of the output has, or 0xFFFFFFFF when they differ
// (or there is no output).
inline uint32_t uniformColor(HGLOBAL dib) {
  if (!dib) return 0xFFFFFFFF;
  auto [w, h] = testsupport::sizeOf(dib);
  uint32_t first = testsupport::pixelOf(dib, 0, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      if (testsupport::pixelOf(dib, x, y) != first) return 0xFFFFFFFF;
  return first;
}

inline std::vector<unsigned char> blockBytes(HGLOBAL block) {
  DibLib::GlobalLockGuard lock(block);
  if (!lock) return {};
  const auto* p = lock.as<unsigned char>();
  return std::vector<unsigned char>(p, p + GlobalSize(block));
}

inline std::vector<unsigned char> bytes16(const std::vector<int16_t>& samples) {
  std::vector<unsigned char> bytes;
  for (int16_t s : samples) {
    bytes.push_back(uint16_t(s) & 0xFF);
    bytes.push_back(uint16_t(s) >> 8);
  }
  return bytes;
}

inline std::vector<int16_t> samples16(const std::vector<unsigned char>& bytes) {
  std::vector<int16_t> samples;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    samples.push_back(int16_t(uint16_t(bytes[i] | bytes[i + 1] << 8)));
  return samples;
}

inline FadeCore::SampleFormat format(uint16_t channels, uint16_t bits) {
  return {1, channels, 48000, 0, uint16_t(channels * bits / 8), bits};
}

// An instance of one fade index, created through the exports.
class Run {
 public:
  Run(uint32_t index, uint32_t hostFlags) : index_(index) {
    piInit(index);
    handle_ = piLocalInit(index, hostFlags);
  }
  ~Run() {
    piLocalDone(index_, handle_);
    piDone(index_);
  }
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  HGLOBAL handle() const { return handle_; }
  void sound(const FadeCore::SampleFormat& f) { piLocalSetFormat(index_, handle_, &f); }
  LongBool length(int32_t n) { return piLocalLength(index_, handle_, n); }
  void data(const void* a, int32_t countA, const void* b = nullptr, int32_t countB = 0) {
    piLocalSetData(index_, handle_, a, countA, b, countB);
  }
  void start() { piLocalProcessDataStart(index_, handle_); }
  void end() { piLocalProcessDataEnd(index_, handle_); }
  // One frame: the answer of ProcessData and the output, owned by the test.
  LongBool frame(testsupport::GlobalHandle& output) {
    LongBool answer = piLocalProcessData(index_, handle_);
    output.handle = piLocalGetData(index_, handle_);
    return answer;
  }
  // The record's run block, as the instance keeps it between calls.
  plugin::RunBlock runBlock() const {
    DibLib::GlobalLockGuard lock(handle_);
    return lock.as<FadeCore::FadeRecord>()->run;
  }
  FadeCore::FadeRecord record() const {
    DibLib::GlobalLockGuard lock(handle_);
    return *lock.as<FadeCore::FadeRecord>();
  }

 private:
  uint32_t index_;
  HGLOBAL handle_ = nullptr;
};

}  // namespace fadetest
