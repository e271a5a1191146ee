// Multiple rectangle Wipe: the frame is cut into a grid of n x n cells and
// picture B is wiped into every cell at once, in one of eight directions.
#include "SquaresW.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "Numeric.h"
#include "Squarswf.h"
#include "WipeEffect.h"

namespace SquaresW {
namespace {

using numeric::Extended;
using numeric::Trunc;
using wipes::Frame;

struct Cell {
  int32_t x0, y0, w, h;
  int32_t right() const { return x0 + w - 1; }   // last column
  int32_t bottom() const { return y0 + h - 1; }  // last row
};

// Shows B in columns first..last of row y, as far as they lie in the cell.
class CellPainter {
 public:
  CellPainter(const wipes::WipeCanvas& canvas, const Cell& cell) : canvas_(canvas), cell_(cell) {}

  void columns(int32_t y, int64_t first, int64_t last) const {
    first = std::max<int64_t>(first, cell_.x0);
    last = std::min<int64_t>(last, cell_.right());
    if (first > last) return;
    std::memcpy(canvas_.out().at(int32_t(first), y), canvas_.b().at(int32_t(first), y),
                3 * size_t(last - first + 1));
  }
  void rows(int64_t first, int64_t last) const {
    first = std::max<int64_t>(first, cell_.y0);
    last = std::min<int64_t>(last, cell_.bottom());
    for (int64_t y = first; y <= last; ++y) columns(int32_t(y), cell_.x0, cell_.right());
  }

 private:
  const wipes::WipeCanvas& canvas_;
  const Cell& cell_;
};

// Straight directions fill whole columns or rows of the cell.
void wipeStraight(const CellPainter& paint, const Cell& cell, int32_t degree, Extended p) {
  const Extended w1 = cell.w - 1, h1 = cell.h - 1;
  switch (degree) {
    case 0:
      for (int32_t y = cell.y0; y <= cell.bottom(); ++y)
        paint.columns(y, cell.x0, cell.x0 + Trunc(w1 * p));
      break;
    case 180:
      for (int32_t y = cell.y0; y <= cell.bottom(); ++y)
        paint.columns(y, cell.x0 + Trunc((1 - p) * w1), cell.right());
      break;
    case 90: paint.rows(cell.bottom() - Trunc(h1 * p), cell.bottom()); break;
    case 270: paint.rows(cell.y0, cell.y0 + Trunc(h1 * p)); break;
    default: break;
  }
}

// Diagonal fronts, by the distances of a pixel from the cell's edges:
// a = x - x0, b = right - x, c = y - y0, d = bottom - y, and the front s.
// The four are not mirror images: 315 runs one pixel ahead of 45, 135 one
// pixel behind it except in the last column, and 225 matches 45 except one
// pixel ahead in the last column and one short at the far end of its first
// row.  Each row of the cell is one or two runs of columns.
void wipeDiagonal(const CellPainter& paint, const Cell& cell, int32_t degree, Extended p) {
  const int64_t diagonal = int64_t(cell.w - 1) + (cell.h - 1);
  const int64_t s = std::min<int64_t>(Trunc(Extended(diagonal) * p), diagonal);
  const int32_t x0 = cell.x0, right = cell.right();
  for (int32_t y = cell.y0; y <= cell.bottom(); ++y) {
    const int64_t c = y - cell.y0, d = cell.bottom() - y;
    switch (degree) {
      case 45:  // a + d <= s: from the bottom-left corner
        paint.columns(y, x0, x0 + (s - d));
        break;
      case 135:  // last column d <= s, elsewhere b + d <= s - 1: from the bottom right
        paint.columns(y, right - (s - 1 - d), right - 1);
        if (d <= s) paint.columns(y, right, right);
        break;
      case 225:  // last column c <= s + 1, elsewhere b + c <= s and b <= s - 1: top right
        paint.columns(y, right - std::min(s - c, s - 1), right - 1);
        if (c <= s + 1) paint.columns(y, right, right);
        break;
      case 315:  // a + c <= s + 1 and a <= s: from the top-left corner
        paint.columns(y, x0, x0 + std::min(s + 1 - c, s));
        break;
      default: break;
    }
  }
}

bool isDirection(int32_t degree) { return degree >= 0 && degree <= 315 && degree % 45 == 0; }

HGLOBAL renderGrid(const Frame& frame, const Settings& settings) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  const int32_t width = canvas.width(), height = canvas.height();
  // Nothing is drawn at p = 0, for a direction outside the eight, or for a
  // squares value below 1 (which makes no grid: the copy of A).
  if (frame.p == 0 || std::isnan(frame.p) || !isDirection(settings.degree) ||
      settings.squares <= 0 || width == 0 || height == 0)
    return canvas.finish();
  if (!canvas.attachB()) return nullptr;

  // The export's progress never exceeds 1.
  const Extended p = std::min(frame.p, 1.0);
  // A picture with fewer columns (rows) than the squares value gets one
  // cell per column (row): cells of no width would make the walk stand
  // still.  Otherwise the cell size is W / n, H / n truncated.
  const int32_t cw = width / std::min(settings.squares, width);
  const int32_t ch = height / std::min(settings.squares, height);
  const bool diagonal = settings.degree % 90 != 0;
  // Cells row by row; the last cell of each row and column takes the
  // remainder of the division.
  for (int32_t y0 = 0; y0 <= height - ch; y0 += ch) {
    const int32_t h = y0 + 2 * ch > height ? height - y0 : ch;
    for (int32_t x0 = 0;;) {
      const Cell cell{x0, y0, x0 + 2 * cw > width ? width - x0 : cw, h};
      const CellPainter paint(canvas, cell);
      if (diagonal)
        wipeDiagonal(paint, cell, settings.degree, p);
      else
        wipeStraight(paint, cell, settings.degree, p);
      x0 += cw;
      if (x0 > width - cw) break;
    }
  }
  return canvas.finish();
}

struct Unit {
  using Settings = SquaresW::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(4, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"SQUARES=", offsetof(Settings, squares), plugin::SettingKind::Int32},
      {"DEGREE=", offsetof(Settings, degree), plugin::SettingKind::Int32},
  };
  static void defaults(Settings& settings) {
    settings.squares = 4;
    settings.degree = 45;
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Squarswf::execute(settings, host);
  }
  // "Multiple rectangle Wipe (16,45°)": the number of cells, then the degree.
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    char text[64];
    // The cell count in 64 bits: a loaded squares value may be large.
    std::snprintf(text, sizeof text, " (%lld,%d\xB0)",
                  static_cast<long long>(int64_t(settings.squares) * settings.squares),
                  settings.degree);
    plugin::appendToName(state, text);
  }
  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return renderGrid(frame, settings);
  }
};

}  // namespace

void resetOutOfRange(Settings& settings) {
  if (!isDirection(settings.degree)) settings.degree = 45;
  if (settings.squares < 1 || settings.squares > 10) settings.squares = 4;
}

HGLOBAL render(const Frame& frame, const Settings& settings) { return renderGrid(frame, settings); }

const plugin::EffectOps kMultipleRectangleWipeOps = wipes::kWipeOps<Unit>;

}  // namespace SquaresW
