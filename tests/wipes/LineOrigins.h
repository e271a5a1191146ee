// Where the pixels of one output line came from, for effects that move
// pictures along rows or columns (provenance pictures in, letters out).
#pragma once

#include <string>

#include "Pictures.h"

namespace testsupport {

// "B2 B3 B4 A1 A2": picture and column of each pixel of row y; a pixel from
// another row reads "?", black "K".
inline std::string rowOrigins(HGLOBAL dib, int32_t y) {
  std::string text;
  for (int32_t x = 0; x < sizeOf(dib).first; ++x) {
    Origin o = origin(pixelOf(dib, x, y));
    if (!text.empty()) text += ' ';
    if (o.source == 'K')
      text += 'K';
    else if (o.source == '?' || o.y != y)
      text += '?';
    else
      text += o.source + std::to_string(o.x);
  }
  return text;
}

// The same down column x: picture and row of each pixel.
inline std::string columnOrigins(HGLOBAL dib, int32_t x) {
  std::string text;
  for (int32_t y = 0; y < sizeOf(dib).second; ++y) {
    Origin o = origin(pixelOf(dib, x, y));
    if (!text.empty()) text += ' ';
    if (o.source == 'K')
      text += 'K';
    else if (o.source == '?' || o.x != x)
      text += '?';
    else
      text += o.source + std::to_string(o.y);
  }
  return text;
}

// Every pixel as "A0,1", "B2,2" or "K", a row of the picture per string.
inline std::vector<std::string> originGrid(HGLOBAL dib) {
  auto [w, h] = sizeOf(dib);
  std::vector<std::string> rows;
  for (int32_t y = 0; y < h; ++y) {
    std::string row;
    for (int32_t x = 0; x < w; ++x) {
      Origin o = origin(pixelOf(dib, x, y));
      if (!row.empty()) row += ' ';
      if (o.source == 'K')
        row += 'K';
      else
        row += o.source + std::to_string(o.x) + ',' + std::to_string(o.y);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace testsupport
