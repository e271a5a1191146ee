// Slide In and Slide out, one effect behind two indices: Slide In moves
// picture B in over the standing picture A; Slide out moves picture A away
// and uncovers the standing picture B.  Eight directions, 45 degrees apart.
#include "Slide.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "Numeric.h"
#include "Slidef.h"
#include "WipeEffect.h"

namespace Slide {
namespace {

using numeric::Extended;
using numeric::Trunc;
using wipes::Frame;

bool isDirection(int32_t degree) { return degree >= 0 && degree <= 315 && degree % 45 == 0; }

// How far the pictures have moved, with Wm = W - 1 and Hm = H - 1.  The
// distance remaining comes in two forms that differ by one where Wm * p is
// fractional: (1 - p) * Wm, and Wm - Wm * p (Slide In's diagonals).
struct Travel {
  int32_t wm, hm;
  int32_t gx, gy;  // travelled: Wm * p, Hm * p
  int32_t rx, ry;  // remaining: (1 - p) * Wm, (1 - p) * Hm
  int32_t dx, dy;  // remaining: Wm - Wm * p, Hm - Hm * p

  Travel(int32_t width, int32_t height, double progress) : wm(width - 1), hm(height - 1) {
    const Extended p = progress, w = wm, h = hm;
    gx = int32_t(Trunc(w * p));
    gy = int32_t(Trunc(h * p));
    rx = int32_t(Trunc((1 - p) * w));
    ry = int32_t(Trunc((1 - p) * h));
    dx = int32_t(Trunc(w - w * p));
    dy = int32_t(Trunc(h - h * p));
  }

  // Every source position of the tables lies in the picture for p in
  // (0, 1]: the distance travelled and the distance remaining never add up
  // to more than the extent.  Checked once, so that no rounding can ever
  // make a frame read outside a picture.
  bool sourcesInside() const {
    return gx >= 0 && gx <= wm && gy >= 0 && gy <= hm && rx >= 0 && ry >= 0 && dx >= 0 && dy >= 0 &&
           gx + rx <= wm + 1 && gy + ry <= hm + 1 && gx + dx <= wm && gy + dy <= hm;
  }
};

// Copies `count` pixels of row `fromY` of a picture, from column `fromX`,
// to (x, y) of the output.  memmove: Slide out copies within the output.
void copyPixels(const wipes::WipeCanvas& canvas, int32_t x, int32_t y,
                const DibLib::Dib24View& from, int32_t fromX, int32_t fromY, int32_t count) {
  if (count > 0) std::memmove(canvas.out().at(x, y), from.at(fromX, fromY), 3 * size_t(count));
}

// Slide In: a rectangle of the output is filled from picture B; the rest
// keeps picture A.
void slideIn(const wipes::WipeCanvas& canvas, const Travel& t, int32_t degree) {
  const DibLib::Dib24View& b = canvas.b();
  const int32_t width = t.wm + 1, height = t.hm + 1;
  switch (degree) {
    case 0:  // columns 0..Gx show B's last Gx + 1 columns
      for (int32_t y = 0; y < height; ++y) copyPixels(canvas, 0, y, b, t.wm - t.gx, y, t.gx + 1);
      break;
    case 180:  // columns Rx..Wm show B's first columns
      for (int32_t y = 0; y < height; ++y) copyPixels(canvas, t.rx, y, b, 0, y, t.wm - t.rx + 1);
      break;
    case 90:  // rows Ry..Hm show B's first rows
      for (int32_t y = t.ry; y <= t.hm; ++y) copyPixels(canvas, 0, y, b, 0, y - t.ry, width);
      break;
    case 270:  // rows 0..Gy show B's last rows
      for (int32_t y = 0; y <= t.gy; ++y) copyPixels(canvas, 0, y, b, 0, y + t.hm - t.gy, width);
      break;
    case 45:
      for (int32_t y = t.hm - t.gy; y <= t.hm; ++y)
        copyPixels(canvas, 0, y, b, t.wm - t.gx, y - t.dy, t.gx + 1);
      break;
    case 135:
      for (int32_t y = t.hm - t.gy; y <= t.hm; ++y)
        copyPixels(canvas, t.wm - t.gx, y, b, t.wm - t.gx - t.dx, y - t.dy, t.gx + 1);
      break;
    case 225:
      for (int32_t y = 0; y <= t.gy; ++y)
        copyPixels(canvas, t.wm - t.gx, y, b, t.wm - t.gx - t.dx, y + t.dy, t.gx + 1);
      break;
    case 315:
      for (int32_t y = 0; y <= t.gy; ++y)
        copyPixels(canvas, 0, y, b, t.wm - t.gx, y + t.dy, t.gx + 1);
      break;
    default: break;
  }
}

// Slide out, straight: the moved part of A is shifted within the output
// first, then B is copied into the uncovered columns or rows, overwriting
// the last moved column or row where the two ranges meet.  Row by row the
// shift is a memmove; whole rows are moved in an order that reads each
// source row before it is overwritten.
void slideOutStraight(const wipes::WipeCanvas& canvas, const Travel& t, int32_t degree) {
  const DibLib::Dib24View &out = canvas.out(), &b = canvas.b();
  const int32_t width = t.wm + 1, height = t.hm + 1;
  switch (degree) {
    case 0:  // columns Wm down to Gx from column x - Gx, then B into 0..Gx
      for (int32_t y = 0; y < height; ++y) {
        copyPixels(canvas, t.gx, y, out, 0, y, t.wm - t.gx + 1);
        copyPixels(canvas, 0, y, b, 0, y, t.gx + 1);
      }
      break;
    case 180:  // columns 0 up to Rx from column x + Wm - Rx, then B into Rx..Wm
      for (int32_t y = 0; y < height; ++y) {
        copyPixels(canvas, 0, y, out, t.wm - t.rx, y, t.rx + 1);
        copyPixels(canvas, t.rx, y, b, t.rx, y, t.wm - t.rx + 1);
      }
      break;
    case 90:  // rows 0 up to Ry from row y + Hm - Ry, then B into Hm - Gy..Hm
      for (int32_t y = 0; y <= t.ry; ++y) copyPixels(canvas, 0, y, out, 0, y + t.hm - t.ry, width);
      for (int32_t y = t.hm - t.gy; y <= t.hm; ++y) copyPixels(canvas, 0, y, b, 0, y, width);
      break;
    case 270:  // rows Hm down to Gy from row y - Gy, then B into 0..Gy
      for (int32_t y = t.hm; y >= t.gy; --y) copyPixels(canvas, 0, y, out, 0, y - t.gy, width);
      for (int32_t y = 0; y <= t.gy; ++y) copyPixels(canvas, 0, y, b, 0, y, width);
      break;
    default: break;
  }
}

// Slide out, diagonal: one pass writes every pixel, the moved A pixel or
// B's.  Rows run top to bottom for 45 and 135 and bottom to top for 225 and
// 315, so the source row (Gy away, not yet written) is still A's; within a
// row the moved part reads columns not yet written, which a memmove
// reproduces, and B's part is written after it.
void slideOutDiagonal(const wipes::WipeCanvas& canvas, const Travel& t, int32_t degree) {
  const DibLib::Dib24View &out = canvas.out(), &b = canvas.b();
  const int32_t width = t.wm + 1;
  // 45 and 315 keep A right of column Gx; 135 and 225 left of column Rx.
  const bool movedRight = degree == 45 || degree == 315;
  // 45 and 135 keep A above row Ry; 225 and 315 below row Gy.
  const bool movedUp = degree == 45 || degree == 135;
  auto passRow = [&](int32_t y) {
    const bool rowMoved = movedUp ? y < t.ry : y > t.gy;
    if (!rowMoved) return copyPixels(canvas, 0, y, b, 0, y, width);
    const int32_t fromY = movedUp ? y + t.gy : y - t.gy;
    if (movedRight) {  // columns Gx + 1..Wm from x - Gx, B in 0..Gx
      copyPixels(canvas, t.gx + 1, y, out, 1, fromY, t.wm - t.gx);
      copyPixels(canvas, 0, y, b, 0, y, t.gx + 1);
    } else {  // columns 0..Rx - 1 from x + Gx, B in Rx..Wm
      copyPixels(canvas, 0, y, out, t.gx, fromY, t.rx);
      copyPixels(canvas, t.rx, y, b, t.rx, y, t.wm - t.rx + 1);
    }
  };
  if (movedUp) {
    for (int32_t y = 0; y <= t.hm; ++y) passRow(y);
  } else {
    for (int32_t y = t.hm; y >= 0; --y) passRow(y);
  }
}

HGLOBAL renderSlide(const Frame& frame, const Settings& settings) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  // Nothing moves at p <= 0 or in a direction outside the eight.
  if (!(frame.p > 0) || !isDirection(settings.degree) || canvas.width() == 0 ||
      canvas.height() == 0)
    return canvas.finish();
  if (!canvas.attachB()) return nullptr;
  // The export's progress never exceeds 1.
  const Travel travel(canvas.width(), canvas.height(), std::min(frame.p, 1.0));
  if (!travel.sourcesInside()) return nullptr;
  const bool slideOut = frame.variant != 0;
  if (!slideOut)
    slideIn(canvas, travel, settings.degree);
  else if (settings.degree % 90 == 0)
    slideOutStraight(canvas, travel, settings.degree);
  else
    slideOutDiagonal(canvas, travel, settings.degree);
  return canvas.finish();
}

struct Unit {
  using Settings = Slide::Settings;
  static constexpr plugin::SettingDef kSettings[] = {
      {"DEGREE=", offsetof(Settings, degree), plugin::SettingKind::Int32},
  };
  // Index 12 (variant 0) is "Slide In", index 40 (variant 1) "Slide out";
  // both show the icons 1201..1209.
  static constexpr plugin::Identity identity(int32_t variant) {
    plugin::Identity identity = plugin::sweepIdentity(12, plugin::kConfigurableWipeFlags, false);
    if (variant != 0) identity.nameId = 4001;
    return identity;
  }
  // Line 1 answers true without writing or loading anything: hosts that
  // stop at the first false keep asking for it.
  static bool saveLine(const Settings& settings, int32_t line, char* buffer) {
    if (line == 1) return true;
    return plugin::saveSettingLine(kSettings, &settings, line, buffer);
  }
  static bool loadLine(Settings& settings, int32_t line, char* text) {
    if (line == 1) return true;
    return plugin::loadSettingLine(kSettings, &settings, line, text);
  }
  // The variant is the direction flag: the caption names Slide In or Slide out.
  static bool dialog(int32_t variant, Settings& settings, HWND host) {
    return Slidef::execute(variant, settings, host);
  }
  // "Slide out (270°)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    char text[24];
    std::snprintf(text, sizeof text, " (%d\xB0)", settings.degree);
    plugin::appendToName(state, text);
  }
  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return renderSlide(frame, settings);
  }
};

}  // namespace

void resetOutOfRange(Settings& settings) {
  if (!isDirection(settings.degree)) settings.degree = 0;
}

HGLOBAL render(const Frame& frame, const Settings& settings) {
  return renderSlide(frame, settings);
}

const plugin::EffectOps kSlideOps = wipes::kWipeOps<Unit>;

}  // namespace Slide
