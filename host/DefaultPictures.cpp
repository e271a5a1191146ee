#include "DefaultPictures.h"

#include <algorithm>
#include <cmath>

namespace host {
namespace {

// 5 x 7 glyphs, top row first, bit 4 the leftmost column.
constexpr uint8_t kGlyphA[7] = {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001};
constexpr uint8_t kGlyphB[7] = {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110};

uint32_t rgb(int red, int green, int blue) {
  auto clamp = [](int v) { return uint32_t(std::clamp(v, 0, 255)); };
  return DibLib::colorValue(clamp(red), clamp(green), clamp(blue));
}

// t runs 0..1 across (or down) the picture.
double fraction(int32_t at, int32_t size) { return size > 1 ? double(at) / (size - 1) : 0.0; }

// Red through orange to yellow from left to right, a dark grid of 8 x 6 cells.
uint32_t backgroundA(int32_t x, int32_t y, int32_t width, int32_t height) {
  int32_t cellWidth = std::max(width / 8, 2), cellHeight = std::max(height / 6, 2);
  if (x % cellWidth == 0 || y % cellHeight == 0) return rgb(60, 20, 10);
  double t = fraction(x, width);
  return rgb(230, int(30 + 190 * t), int(20 + 40 * fraction(y, height)));
}

// Deep blue to teal from top to bottom, lighter rings around the centre.
uint32_t backgroundB(int32_t x, int32_t y, int32_t width, int32_t height) {
  double t = fraction(y, height);
  double dx = x - width / 2.0, dy = y - height / 2.0;
  double ringSpacing = std::max(std::min(width, height) / 8.0, 2.0);
  bool ring = std::fmod(std::sqrt(dx * dx + dy * dy), ringSpacing) < ringSpacing / 4;
  int lift = ring ? 50 : 0;
  return rgb(20 + lift, int(40 + 160 * t) + lift, 200 + lift / 2);
}

// The glyph scaled to about 60 % of the picture's height, centred; answers
// whether (x, y) lies on one of its cells.
bool onGlyph(const uint8_t (&glyph)[7], int32_t x, int32_t y, int32_t width, int32_t height) {
  int32_t cell = std::max(std::min(width * 6 / 10 / 5, height * 6 / 10 / 7), 1);
  int32_t left = (width - 5 * cell) / 2, top = (height - 7 * cell) / 2;
  if (x < left || y < top) return false;
  int32_t column = (x - left) / cell, row = (y - top) / cell;
  return column < 5 && row < 7 && (glyph[row] >> (4 - column)) & 1;
}

}  // namespace

Picture defaultPicture(char which, int32_t width, int32_t height) {
  Picture picture = Picture::blank24(width, height);
  DibLib::Dib24View view = picture.view();
  bool isA = which == 'A';
  const uint32_t letter = isA ? rgb(255, 255, 255) : rgb(255, 230, 40);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      bool glyph = onGlyph(isA ? kGlyphA : kGlyphB, x, y, width, height);
      uint32_t color =
          glyph ? letter
                : (isA ? backgroundA(x, y, width, height) : backgroundB(x, y, width, height));
      view.set(x, y, color);
    }
  return picture;
}

}  // namespace host
