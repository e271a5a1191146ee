#include "Graphics.h"

#include <algorithm>
#include <cstring>

namespace ui {
namespace {

// The system colours of this system's fixed scheme, by index.
uint32_t systemColor(uint32_t index) {
  switch (index) {
    case 5: return 0xFFFFFF;   // window
    case 8: return 0x000000;   // window text
    case 13: return 0x800000;  // highlight: navy
    case 15: return 0xC0C0C0;  // button face
    case 16: return 0x808080;  // button shadow
    case 17: return 0x808080;  // grey text
    case 20: return 0xFFFFFF;  // button highlight
    default: return 0x000000;
  }
}

uint32_t le32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

uint32_t quadToColor(const unsigned char* quad) {  // blue, green, red, reserved
  return uint32_t(quad[2]) | uint32_t(quad[1]) << 8 | uint32_t(quad[0]) << 16;
}

}  // namespace

uint32_t ColorToRGB(TColor color) {
  if ((uint32_t(color) & 0xFF000000u) == uint32_t(clSystemColor)) return systemColor(color & 0xFF);
  return uint32_t(color) & 0xFFFFFF;
}

bool IdentToColor(const std::string& name, TColor& color) {
  static const struct {
    const char* name;
    TColor color;
  } kColors[] = {
      {"clBlack", clBlack},
      {"clMaroon", clMaroon},
      {"clGreen", clGreen},
      {"clOlive", clOlive},
      {"clNavy", clNavy},
      {"clPurple", clPurple},
      {"clTeal", clTeal},
      {"clGray", clGray},
      {"clSilver", clSilver},
      {"clRed", clRed},
      {"clLime", clLime},
      {"clYellow", clYellow},
      {"clBlue", clBlue},
      {"clFuchsia", clFuchsia},
      {"clAqua", clAqua},
      {"clWhite", clWhite},
      {"clWindow", clWindow},
      {"clWindowText", clWindowText},
      {"clHighlight", clHighlight},
      {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow},
      {"clGrayText", clGrayText},
      {"clBtnHighlight", clBtnHighlight},
  };
  for (auto& c : kColors)
    if (name == c.name) {
      color = c.color;
      return true;
    }
  return false;
}

// ---- TCanvas ----

uint32_t TCanvas::Pixel(int32_t x, int32_t y) const { return target_.Pixel(x, y); }
void TCanvas::SetPixel(int32_t x, int32_t y, uint32_t value) { target_.SetPixel(x, y, value); }

void TCanvas::FillRect(const TRect& rect) {
  uint32_t value = ColorToRGB(Brush.Color);
  for (int32_t y = rect.Top; y < rect.Bottom; ++y)
    for (int32_t x = rect.Left; x < rect.Right; ++x) target_.SetPixel(x, y, value);
}

void TCanvas::FrameRect(const TRect& rect) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  uint32_t value = ColorToRGB(Brush.Color);
  for (int32_t x = rect.Left; x < rect.Right; ++x) {
    target_.SetPixel(x, rect.Top, value);
    target_.SetPixel(x, rect.Bottom - 1, value);
  }
  for (int32_t y = rect.Top; y < rect.Bottom; ++y) {
    target_.SetPixel(rect.Left, y, value);
    target_.SetPixel(rect.Right - 1, y, value);
  }
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  // Each border pixel once, also where the rectangle is one pixel thin, so
  // that a second call undoes the first.
  auto invert = [this](int32_t x, int32_t y) {
    if (((x + y) & 1) == 0 && target_.Contains(x, y))
      target_.SetPixel(x, y, target_.Pixel(x, y) ^ 0xFFFFFFu);
  };
  for (int32_t x = rect.Left; x < rect.Right; ++x) {
    invert(x, rect.Top);
    if (rect.Bottom - 1 != rect.Top) invert(x, rect.Bottom - 1);
  }
  for (int32_t y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
    invert(rect.Left, y);
    if (rect.Right - 1 != rect.Left) invert(rect.Right - 1, y);
  }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  int32_t dw = dest.Width(), dh = dest.Height();
  int32_t sw = sourceRect.Width(), sh = sourceRect.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  for (int32_t y = 0; y < dh; ++y) {
    int32_t sy = sourceRect.Top + int32_t(int64_t(y) * sh / dh);
    for (int32_t x = 0; x < dw; ++x) {
      int32_t tx = dest.Left + x, ty = dest.Top + y;
      if (!target_.Contains(tx, ty)) continue;
      uint32_t s = source.Pixel(sourceRect.Left + int32_t(int64_t(x) * sw / dw), sy);
      uint32_t d = target_.Pixel(tx, ty);
      switch (CopyMode) {
        case cmSrcCopy: d = s; break;
        case cmSrcAnd: d &= s; break;
        case cmSrcPaint: d |= s; break;
      }
      target_.SetPixel(tx, ty, d);
    }
  }
}

// ---- TBitmap ----

TBitmap::TBitmap(int32_t width, int32_t height, uint32_t fill) { SetSize(width, height, fill); }

void TBitmap::SetSize(int32_t width, int32_t height, uint32_t fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(size_t(width_) * size_t(height_), fill);
}

uint32_t TBitmap::Pixel(int32_t x, int32_t y) const {
  return Contains(x, y) ? pixels_[size_t(y) * size_t(width_) + size_t(x)] : 0;
}

void TBitmap::SetPixel(int32_t x, int32_t y, uint32_t value) {
  if (Contains(x, y)) pixels_[size_t(y) * size_t(width_) + size_t(x)] = value & 0xFFFFFF;
}

bool TBitmap::LoadFromBmp(const unsigned char* b, size_t size) {
  if (!b || size < 54 || b[0] != 'B' || b[1] != 'M') return false;
  uint32_t pixelOffset = le32(b + 10);
  uint32_t headerSize = le32(b + 14);
  if (headerSize < 40 || headerSize > size - 14) return false;
  int32_t width = int32_t(le32(b + 18));
  int32_t rawHeight = int32_t(le32(b + 22));
  uint16_t bits = le16(b + 28);
  if (le16(b + 26) != 1 || le32(b + 30) != 0) return false;  // planes, compression
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return false;
  bool topDown = rawHeight < 0;
  int64_t height = topDown ? -int64_t(rawHeight) : rawHeight;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return false;
  uint32_t colours = 0;
  if (bits <= 8) {
    colours = le32(b + 46);
    if (colours == 0) colours = 1u << bits;
    if (colours > (1u << bits)) return false;
    if (size_t(14) + headerSize + size_t(colours) * 4 > size) return false;
  }
  const unsigned char* palette = b + 14 + headerSize;
  size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || (size - pixelOffset) / stride < size_t(height)) return false;

  std::vector<uint32_t> pixels(size_t(width) * size_t(height));
  for (int64_t row = 0; row < height; ++row) {
    const unsigned char* line = b + pixelOffset + size_t(row) * stride;
    int64_t y = topDown ? row : height - 1 - row;  // rows are stored bottom-up
    for (int32_t x = 0; x < width; ++x) {
      uint32_t value;
      if (bits == 24) {
        value = quadToColor(line + 3 * size_t(x));
      } else {
        uint32_t index = bits == 8   ? line[x]
                         : bits == 4 ? (line[x / 2] >> (x % 2 ? 0 : 4)) & 0xF
                                     : (line[x / 8] >> (7 - x % 8)) & 1;
        if (index >= colours) return false;
        value = quadToColor(palette + 4 * size_t(index));
      }
      pixels[size_t(y) * size_t(width) + size_t(x)] = value;
    }
  }
  width_ = width;
  height_ = int32_t(height);
  pixels_ = std::move(pixels);
  return true;
}

void TBitmap::LoadFromResourceID(HMODULE module, UINT id) {
  size_t size = 0;
  const unsigned char* bytes = vtrFindBitmap(module, id, &size);
  if (!bytes || !LoadFromBmp(bytes, size))
    throw EResNotFound("bitmap resource " + std::to_string(id) + " not found");
}

}  // namespace ui
