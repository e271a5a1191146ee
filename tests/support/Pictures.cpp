#include "Pictures.h"

#include <cstdio>
#include <cstring>

namespace testsupport {
namespace {

void put16(std::vector<unsigned char>& b, size_t at, uint32_t v) {
  b[at] = v & 255;
  b[at + 1] = (v >> 8) & 255;
}
void put32(std::vector<unsigned char>& b, size_t at, uint32_t v) {
  put16(b, at, v & 0xFFFF);
  put16(b, at + 2, v >> 16);
}

}  // namespace

std::vector<unsigned char> makeDib(int32_t width, int32_t height, uint16_t bitCount,
                                   const std::function<uint32_t(int32_t, int32_t)>& pixel,
                                   const std::vector<uint32_t>& palette) {
  size_t rowBytes = ((size_t(width) * bitCount + 31) / 32) * 4;
  size_t tableBytes = palette.size() * 4;
  std::vector<unsigned char> b(40 + tableBytes + rowBytes * height, 0);
  put32(b, 0, 40);
  put32(b, 4, width);
  put32(b, 8, height);
  put16(b, 12, 1);
  put16(b, 14, bitCount);
  put32(b, 20, uint32_t(rowBytes * height));
  put32(b, 32, uint32_t(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) {  // colour value -> blue, green, red, 0
    uint32_t c = palette[i];
    b[40 + 4 * i] = (c >> 16) & 255;
    b[41 + 4 * i] = (c >> 8) & 255;
    b[42 + 4 * i] = c & 255;
  }
  for (int32_t y = 0; y < height; ++y) {
    unsigned char* row = b.data() + 40 + tableBytes + rowBytes * (height - 1 - y);
    for (int32_t x = 0; x < width; ++x) {
      uint32_t v = pixel(x, y);
      switch (bitCount) {
        case 1: row[x / 8] |= (v & 1) << (7 - x % 8); break;
        case 4: row[x / 2] |= (x % 2 == 0) ? (v & 15) << 4 : (v & 15); break;
        case 8: row[x] = v & 255; break;
        case 16: row[2 * x] = v & 255; row[2 * x + 1] = (v >> 8) & 255; break;
        case 24:
          row[3 * x] = (v >> 16) & 255;
          row[3 * x + 1] = (v >> 8) & 255;
          row[3 * x + 2] = v & 255;
          break;
        case 32: std::memcpy(row + 4 * x, &v, 4); break;
        default: break;
      }
    }
  }
  return b;
}

std::vector<unsigned char> makeDib24(int32_t width, int32_t height,
                                     const std::function<uint32_t(int32_t, int32_t)>& color) {
  return makeDib(width, height, 24, color);
}

uint32_t provenance(char source, int32_t x, int32_t y) {
  return 1u << 23 | (source == 'B' ? 1u << 22 : 0u) | (uint32_t(x) & 0x7FF) << 11 |
         (uint32_t(y) & 0x7FF);
}

Origin origin(uint32_t color) {
  if (color == 0) return {'K', 0, 0};
  if (!(color & (1u << 23))) return {'?', 0, 0};
  return {(color >> 22) & 1 ? 'B' : 'A', int32_t((color >> 11) & 0x7FF), int32_t(color & 0x7FF)};
}

std::string describe(const Origin& o) {
  if (o.source == 'K') return "black";
  char text[48];
  std::snprintf(text, sizeof text, "%c(%d,%d)", o.source, o.x, o.y);
  return text;
}

std::unique_ptr<GuardedBuffer> provenancePicture(char source, int32_t width, int32_t height) {
  return std::make_unique<GuardedBuffer>(
      makeDib24(width, height, [source](int32_t x, int32_t y) { return provenance(source, x, y); }));
}

std::pair<int32_t, int32_t> sizeOf(HGLOBAL dib) {
  auto* bytes = static_cast<unsigned char*>(GlobalLock(dib));
  if (!bytes) return {-1, -1};
  int32_t w, h;
  std::memcpy(&w, bytes + 4, 4);
  std::memcpy(&h, bytes + 8, 4);
  GlobalUnlock(dib);
  return {w, h};
}

uint32_t pixelOf(HGLOBAL dib, int32_t x, int32_t y) {
  auto* bytes = static_cast<unsigned char*>(GlobalLock(dib));
  int32_t w, h;
  uint32_t headerSize;
  std::memcpy(&headerSize, bytes, 4);
  std::memcpy(&w, bytes + 4, 4);
  std::memcpy(&h, bytes + 8, 4);
  size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
  const unsigned char* p = bytes + headerSize + stride * (h - 1 - y) + 3 * x;
  uint32_t c = p[0] * 65536u + p[1] * 256u + p[2];
  GlobalUnlock(dib);
  return c;
}

std::vector<std::string> sourceMap(HGLOBAL dib) {
  auto [w, h] = sizeOf(dib);
  std::vector<std::string> rows;
  for (int32_t y = 0; y < h; ++y) {
    std::string row;
    for (int32_t x = 0; x < w; ++x) {
      Origin o = origin(pixelOf(dib, x, y));
      if (o.source == 'K') row += 'K';
      else if (o.source == '?' || o.x != x || o.y != y) row += '?';
      else row += o.source == 'A' ? 'a' : 'B';
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace testsupport
