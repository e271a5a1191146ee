// A YUV4MPEG2 stream of 24-bit frames, as video tools read it: full-range
// BT.601 YCbCr, either 4:4:4 (C444) or 4:2:0 with centred chroma (420jpeg).
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace host {

enum class Chroma { k444, k420 };

class Y4mWriter {
 public:
  Y4mWriter(std::FILE* out, Chroma chroma, int32_t framesPerSecond = 25);

  // Writes one 24-bit packed DIB; the first one fixes the stream's size.
  // Throws HostError for a frame of another size or a failed write.
  void write(const void* dib);

 private:
  void writeHeader(int32_t width, int32_t height);
  void put(const std::vector<uint8_t>& plane);

  std::FILE* out_;
  Chroma chroma_;
  int32_t framesPerSecond_;
  int32_t width_ = 0, height_ = 0;
};

// Full-range BT.601 of one pixel, rounded and clamped to 0..255.
struct YCbCr {
  uint8_t y, cb, cr;
};
YCbCr toYCbCr(int red, int green, int blue);

}  // namespace host
