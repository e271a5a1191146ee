#include "BenchPictures.h"

#include <cstring>

namespace bench {
namespace {

std::vector<unsigned char> header(int32_t width, int32_t height, uint16_t bits, uint32_t colors,
                                  size_t rowBytes) {
  std::vector<unsigned char> b(40 + 4 * colors + rowBytes * height, 0);
  uint32_t size = 40, imageBytes = uint32_t(rowBytes * height);
  uint16_t planes = 1;
  std::memcpy(&b[0], &size, 4);
  std::memcpy(&b[4], &width, 4);
  std::memcpy(&b[8], &height, 4);
  std::memcpy(&b[12], &planes, 2);
  std::memcpy(&b[14], &bits, 2);
  std::memcpy(&b[20], &imageBytes, 4);
  std::memcpy(&b[32], &colors, 4);
  return b;
}

}  // namespace

std::vector<unsigned char> picture24(int32_t width, int32_t height, uint32_t seed) {
  size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
  auto b = header(width, height, 24, 0, stride);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      unsigned char* p = &b[40 + y * stride + 3 * x];
      p[0] = static_cast<unsigned char>(x + seed);
      p[1] = static_cast<unsigned char>(y * 3 + seed);
      p[2] = static_cast<unsigned char>((x ^ y) + seed);
    }
  return b;
}

std::vector<unsigned char> picture8(int32_t width, int32_t height) {
  size_t stride = (size_t(width) + 3) & ~size_t(3);
  auto b = header(width, height, 8, 256, stride);
  for (int i = 0; i < 256; ++i) b[40 + 4 * i] = b[41 + 4 * i] = b[42 + 4 * i] = i;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) b[40 + 1024 + y * stride + x] = static_cast<unsigned char>(x + y);
  return b;
}

}  // namespace bench
