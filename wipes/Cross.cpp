// Cross Wipe In / Out and Diamond Wipe Out / In: every pixel shows picture B
// when it lies inside (or outside) a cross or diamond centred on the
// picture, whose size follows the progress.  No settings.
#include "Cross.h"

#include <cmath>

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

// Visits every pixel from the top row down and sets those the shape selects
// to picture B.  rowTest(centre, y) answers a test of x for row y.
template <class RowTest>
HGLOBAL renderShape(const Frame& frame, RowTest rowTest) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  if (frame.p == 0) return canvas.finish();
  if (!canvas.attachB()) return nullptr;
  const Centre c{Extended(canvas.width()) / 2, Extended(canvas.height()) / 2, canvas.width()};
  for (int32_t y = 0; y < canvas.height(); ++y) {
    auto showsB = rowTest(c, Extended(y));
    for (int32_t x = 0; x < canvas.width(); ++x)
      if (showsB(Extended(x))) canvas.out().copyPixel(x, y, canvas.b(), x, y);
  }
  return canvas.finish();
}

// A cross of A (closed bands through the centre) narrows; B shows where a
// pixel lies outside both bands.
HGLOBAL renderCrossIn(const Frame& frame) {
  const Extended q = 1 - Extended(frame.p);
  return renderShape(frame, [q](const Centre& c, Extended y) {
    bool outsideRows = y < c.cy - q * c.cy || y > q * c.cy + c.cy;
    return [c, q, outsideRows](Extended x) {
      return outsideRows && (x < c.cx - q * c.cx || x > q * c.cx + c.cx);
    };
  });
}

// A cross of B (open bands) grows from the centre lines.
HGLOBAL renderCrossOut(const Frame& frame) {
  const Extended p = frame.p;
  return renderShape(frame, [p](const Centre& c, Extended y) {
    bool insideRows = c.cy - c.cy * p < y && y < c.cy * p + c.cy;
    return [c, p, insideRows](Extended x) {
      return insideRows || (c.cx - c.cx * p < x && x < c.cx * p + c.cx);
    };
  });
}

// Columns left and right of the diamond of size s on row y, rounded halves
// to even and clamped to 0..W.
struct DiamondRow {
  Extended left, right;
  DiamondRow(const Centre& c, Extended s, Extended y) {
    Extended d = std::fabs(c.cy - y);
    left = Extended(numeric::clampTo<int64_t>(numeric::Round(d + (c.cx - (c.cx + c.cy) * s)), 0, c.width));
    right = Extended(numeric::clampTo<int64_t>(numeric::Round(((c.cx + c.cy) * s + c.cx) - d), 0, c.width));
  }
};

// A diamond of B grows from the centre; its bounds are outside it.
HGLOBAL renderDiamondOut(const Frame& frame) {
  const Extended s = frame.p;
  return renderShape(frame, [s](const Centre& c, Extended y) {
    DiamondRow row(c, s, y);
    return [row](Extended x) { return row.left < x && x < row.right; };
  });
}

// A diamond of A shrinks to the centre; its bounds already show B.
HGLOBAL renderDiamondIn(const Frame& frame) {
  const Extended s = 1 - Extended(frame.p);
  return renderShape(frame, [s](const Centre& c, Extended y) {
    DiamondRow row(c, s, y);
    return [row](Extended x) { return x <= row.left || x >= row.right; };
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
