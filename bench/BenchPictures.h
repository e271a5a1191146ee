// Full-HD pictures for the benchmarks, and the copy floor every wipe pays.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace bench {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

// A packed 24-bit DIB with a gradient, seeded so that A and B differ.
std::vector<unsigned char> picture24(int32_t width, int32_t height, uint32_t seed);
// A packed 8-bit DIB with a 256-entry grey-ramp palette.
std::vector<unsigned char> picture8(int32_t width, int32_t height);

}  // namespace bench
