// Colours, rectangles, in-memory bitmaps and the canvas that draws on them:
// what the custom controls paint with.  Every drawing lands in a bitmap of
// colour values, so that painting can be checked pixel by pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Classes.h"
#include "vtrsys.h"

namespace ui {

// A colour: a colour value (red bits 0-7, green 8-15, blue 16-23) or a
// system colour (0xFF000000 + the system colour index).
using TColor = int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clSystemColor = TColor(0xFF000000u);
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;

// The colour value a colour stands for; system colours use this system's
// fixed scheme (window white, button face silver, ...).
uint32_t ColorToRGB(TColor color);
// A colour by its name ("clNavy", "clBtnFace"); false for an unknown name.
bool IdentToColor(const std::string& name, TColor& color);

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Right and bottom are exclusive.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  bool operator==(const TRect&) const = default;
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {left, top, right, bottom};
}

// How CopyRect combines source and destination: the raster operations of
// the same names.
enum class TCopyMode : uint32_t {
  cmSrcCopy = 0x00CC0020,   // destination = source
  cmSrcAnd = 0x008800C6,    // destination = destination AND source
  cmSrcPaint = 0x00EE0086,  // destination = destination OR source
};
using enum TCopyMode;

class TBitmap;

struct TBrush {
  TColor Color = clWhite;
};

// Draws on the pixels of a bitmap; everything is clipped to it.
class TCanvas {
 public:
  explicit TCanvas(TBitmap& target) : target_(target) {}

  TBrush Brush;
  TCopyMode CopyMode = cmSrcCopy;

  uint32_t Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, uint32_t value);

  void FillRect(const TRect& rect);
  // A one-pixel border just inside the rectangle, in the brush colour.
  void FrameRect(const TRect& rect);
  // The dotted focus rectangle: every other pixel of the one-pixel border
  // just inside the rectangle is inverted, those where x + y is even.
  // Drawing it twice restores the pixels.
  void DrawFocusRect(const TRect& rect);
  // Copies a rectangle of another canvas's bitmap with the copy mode,
  // stretching (nearest pixel) when the sizes differ.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

 private:
  TBitmap& target_;
};

// An in-memory picture of colour values, top row first.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int32_t width, int32_t height, uint32_t fill = 0);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Resizes; the pixels become `fill`.
  void SetSize(int32_t width, int32_t height, uint32_t fill = 0);

  uint32_t Pixel(int32_t x, int32_t y) const;  // 0 outside the picture
  void SetPixel(int32_t x, int32_t y, uint32_t value);
  bool Contains(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  TCanvas& Canvas() { return canvas_; }
  const TCanvas& Canvas() const { return canvas_; }

  // Reads a BMP file image (uncompressed, 1, 4, 8 or 24 bits, bottom-up or
  // top-down); false, leaving the picture as it was, for anything else.
  bool LoadFromBmp(const unsigned char* bytes, size_t size);
  // Reads bitmap resource `id` of a module; throws EResNotFound when the
  // module has no such bitmap or it cannot be read.
  void LoadFromResourceID(HMODULE module, UINT id);

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
  TCanvas canvas_{*this};
};

}  // namespace ui
