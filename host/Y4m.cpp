#include "Y4m.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "DibLib.h"
#include "PluginLibrary.h"

namespace host {
namespace {

uint8_t clampByte(double value) { return uint8_t(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

YCbCr toYCbCr(int red, int green, int blue) {
  double y = 0.299 * red + 0.587 * green + 0.114 * blue;
  double cb = 128 - 0.168736 * red - 0.331264 * green + 0.5 * blue;
  double cr = 128 + 0.5 * red - 0.418688 * green - 0.081312 * blue;
  return {clampByte(y), clampByte(cb), clampByte(cr)};
}

Y4mWriter::Y4mWriter(std::FILE* out, Chroma chroma, int32_t framesPerSecond)
    : out_(out), chroma_(chroma), framesPerSecond_(framesPerSecond) {}

void Y4mWriter::writeHeader(int32_t width, int32_t height) {
  std::string header = "YUV4MPEG2 W" + std::to_string(width) + " H" + std::to_string(height) +
                       " F" + std::to_string(framesPerSecond_) + ":1 Ip A1:1 " +
                       (chroma_ == Chroma::k444 ? "C444" : "C420jpeg") + " XCOLORRANGE=FULL\n";
  if (std::fwrite(header.data(), 1, header.size(), out_) != header.size())
    throw HostError("cannot write the Y4M stream");
  width_ = width;
  height_ = height;
}

void Y4mWriter::put(const std::vector<uint8_t>& plane) {
  if (std::fwrite(plane.data(), 1, plane.size(), out_) != plane.size())
    throw HostError("cannot write the Y4M stream");
}

void Y4mWriter::write(const void* dib) {
  DibLib::Dib24View view(dib);
  const int32_t width = view.width(), height = view.height();
  if (width_ == 0) writeHeader(width, height);
  if (width != width_ || height != height_)
    throw HostError("a frame of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels in a Y4M stream of " + std::to_string(width_) + " x " +
                    std::to_string(height_));

  const size_t pixels = size_t(width) * height;
  std::vector<uint8_t> luma(pixels), cb(pixels), cr(pixels);
  for (int32_t y = 0; y < height; ++y) {
    const unsigned char* p = view.row(y);  // blue, green, red
    for (int32_t x = 0; x < width; ++x, p += 3) {
      YCbCr c = toYCbCr(p[2], p[1], p[0]);
      size_t at = size_t(y) * width + x;
      luma[at] = c.y;
      cb[at] = c.cb;
      cr[at] = c.cr;
    }
  }
  if (std::fputs("FRAME\n", out_) == EOF) throw HostError("cannot write the Y4M stream");
  put(luma);
  if (chroma_ == Chroma::k444) {
    put(cb);
    put(cr);
  } else {
    // Each chroma sample is the mean of its 2 x 2 block (fewer at an odd edge).
    const int32_t halfWidth = (width + 1) / 2, halfHeight = (height + 1) / 2;
    auto halve = [&](const std::vector<uint8_t>& full) {
      std::vector<uint8_t> half(size_t(halfWidth) * halfHeight);
      for (int32_t y = 0; y < halfHeight; ++y)
        for (int32_t x = 0; x < halfWidth; ++x) {
          int sum = 0, count = 0;
          for (int32_t dy = 0; dy < 2 && 2 * y + dy < height; ++dy)
            for (int32_t dx = 0; dx < 2 && 2 * x + dx < width; ++dx, ++count)
              sum += full[size_t(2 * y + dy) * width + 2 * x + dx];
          half[size_t(y) * halfWidth + x] = uint8_t((sum + count / 2) / count);
        }
      return half;
    };
    put(halve(cb));
    put(halve(cr));
  }
}

}  // namespace host
