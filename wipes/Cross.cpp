// Cross Wipe In / Out and Diamond Wipe Out / In: every pixel shows picture B
// when it lies inside (or outside) a cross or diamond centred on the
// picture, whose size follows the progress.  No settings.
#include "Cross.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "Numeric.h"
#include "WipeEffect.h"

namespace Cross {
namespace {

using numeric::Extended;
using wipes::Frame;

// The picture's centre, from A's size.
struct Centre {
  Extended cx, cy;
  int64_t width;
};

// Which columns of one row show picture B (1) or keep picture A (0).
using RowMask = std::vector<unsigned char>;

// Copies picture B into the output wherever a row's mask says so, one run
// of neighbouring columns at a time.
void copyMaskedRow(const wipes::WipeCanvas& canvas, int32_t y, const RowMask& mask) {
  const int32_t width = canvas.width();
  for (int32_t x = 0; x < width;) {
    if (!mask[x]) {
      ++x;
      continue;
    }
    int32_t end = x;
    while (end < width && mask[end]) ++end;
    std::memcpy(canvas.out().at(x, y), canvas.b().at(x, y), size_t(3) * size_t(end - x));
    x = end;
  }
}

// Sets every pixel the shape selects to picture B, row by row from the top.
// maskFor(centre, y, mask) fills the mask of row y; the test of a pixel is
// the shape's own, only evaluated once per column or row where it allows.
template <class MaskFor>
HGLOBAL renderShape(const Frame& frame, MaskFor maskFor) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  if (frame.p == 0) return canvas.finish();
  if (!canvas.attachB()) return nullptr;
  const Centre c{Extended(canvas.width()) / 2, Extended(canvas.height()) / 2, canvas.width()};
  RowMask mask(size_t(canvas.width()), 0);
  for (int32_t y = 0; y < canvas.height(); ++y) {
    maskFor(c, Extended(y), mask);
    copyMaskedRow(canvas, y, mask);
  }
  return canvas.finish();
}

// The columns a test of x selects, evaluated once per frame.
template <class ColumnTest>
RowMask columnMask(const Centre& c, ColumnTest test) {
  RowMask mask(size_t(c.width), 0);
  for (int64_t x = 0; x < c.width; ++x) mask[size_t(x)] = test(Extended(x));
  return mask;
}

// A cross of A (closed bands through the centre) narrows; B shows where a
// pixel lies outside both bands.
HGLOBAL renderCrossIn(const Frame& frame) {
  const Extended q = 1 - Extended(frame.p);
  RowMask outsideColumns;
  return renderShape(frame, [&](const Centre& c, Extended y, RowMask& mask) {
    if (outsideColumns.empty())
      outsideColumns = columnMask(c, [&](Extended x) { return x < c.cx - q * c.cx || x > q * c.cx + c.cx; });
    bool outsideRows = y < c.cy - q * c.cy || y > q * c.cy + c.cy;
    if (outsideRows)
      mask = outsideColumns;
    else
      std::fill(mask.begin(), mask.end(), 0);
  });
}

// A cross of B (open bands) grows from the centre lines.
HGLOBAL renderCrossOut(const Frame& frame) {
  const Extended p = frame.p;
  RowMask insideColumns;
  return renderShape(frame, [&](const Centre& c, Extended y, RowMask& mask) {
    if (insideColumns.empty())
      insideColumns = columnMask(c, [&](Extended x) { return c.cx - c.cx * p < x && x < c.cx * p + c.cx; });
    bool insideRows = c.cy - c.cy * p < y && y < c.cy * p + c.cy;
    if (insideRows)
      std::fill(mask.begin(), mask.end(), 1);
    else
      mask = insideColumns;
  });
}

// Columns left and right of the diamond of size s on row y, rounded halves
// to even and clamped to 0..W.
struct DiamondRow {
  int64_t left, right;
  DiamondRow(const Centre& c, Extended s, Extended y) {
    Extended d = std::fabs(c.cy - y);
    left = numeric::clampTo<int64_t>(numeric::Round(d + (c.cx - (c.cx + c.cy) * s)), 0, c.width);
    right = numeric::clampTo<int64_t>(numeric::Round(((c.cx + c.cy) * s + c.cx) - d), 0, c.width);
  }
};

// Marks the columns of [from, to) (clamped to the row) as showing B.
void markColumns(RowMask& mask, int64_t from, int64_t to) {
  from = std::max<int64_t>(from, 0);
  to = std::min<int64_t>(to, int64_t(mask.size()));
  if (from < to) std::fill(mask.begin() + from, mask.begin() + to, 1);
}

// A diamond of B grows from the centre; its bounds are outside it
// (left < x < right, strictly).
HGLOBAL renderDiamondOut(const Frame& frame) {
  const Extended s = frame.p;
  return renderShape(frame, [s](const Centre& c, Extended y, RowMask& mask) {
    DiamondRow row(c, s, y);
    std::fill(mask.begin(), mask.end(), 0);
    markColumns(mask, row.left + 1, row.right);
  });
}

// A diamond of A shrinks to the centre; its bounds already show B
// (x <= left or x >= right).
HGLOBAL renderDiamondIn(const Frame& frame) {
  const Extended s = 1 - Extended(frame.p);
  return renderShape(frame, [s](const Centre& c, Extended y, RowMask& mask) {
    DiamondRow row(c, s, y);
    std::fill(mask.begin(), mask.end(), 0);
    markColumns(mask, 0, row.left + 1);
    markColumns(mask, row.right, c.width);
  });
}

template <uint32_t Index, HGLOBAL (*Render)(const Frame&)>
struct Unit {
  using Settings = plugin::NoSettings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(Index, plugin::kFixedWipeFlags, /*animated=*/true);
  static HGLOBAL render(const Frame& frame, const Settings&) { return Render(frame); }
};

}  // namespace

HGLOBAL render(Shape shape, const Frame& frame) {
  switch (shape) {
    case Shape::CrossIn: return renderCrossIn(frame);
    case Shape::CrossOut: return renderCrossOut(frame);
    case Shape::DiamondOut: return renderDiamondOut(frame);
    case Shape::DiamondIn: return renderDiamondIn(frame);
  }
  return nullptr;
}

const plugin::EffectOps kCrossWipeInOps = wipes::kWipeOps<Unit<13, renderCrossIn>>;
const plugin::EffectOps kCrossWipeOutOps = wipes::kWipeOps<Unit<14, renderCrossOut>>;
const plugin::EffectOps kDiamondWipeOutOps = wipes::kWipeOps<Unit<15, renderDiamondOut>>;
const plugin::EffectOps kDiamondWipeInOps = wipes::kWipeOps<Unit<16, renderDiamondIn>>;

}  // namespace Cross
