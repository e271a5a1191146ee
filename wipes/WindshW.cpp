// Windshield Wipe: one wiper turns about a point on the frame's border — a
// corner (through 90 degrees) or the middle of an edge (through 180) — and
// picture B shows where it has passed.
#include "WindshW.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>

#include "BearingRows.h"
#include "FlagSetting.h"
#include "Geometry.h"
#include "Numeric.h"
#include "Windshwf.h"
#include "WipeEffect.h"

namespace WindshW {
namespace {

using numeric::Extended;
using wipes::Frame;

struct Point {
  int32_t x, y;
};

// The pivot, the sweep and the ray the wiper starts along (R when it turns
// clockwise, R' when it turns counter-clockwise).
struct Wiper {
  Point pivot;
  int32_t sweep;
  Point start;
};

std::optional<Wiper> wiperFor(int32_t origin, bool clockwise, int32_t width, int32_t height) {
  const int32_t right = width - 1, bottom = height - 1;
  const auto hx = static_cast<int32_t>(numeric::Trunc(Extended(width - 1) / 2));
  const auto hy = static_cast<int32_t>(numeric::Trunc(Extended(height - 1) / 2));
  auto pick = [clockwise](Point pivot, int32_t sweep, Point r, Point rPrime) {
    return Wiper{pivot, sweep, clockwise ? r : rPrime};
  };
  switch (origin) {
    case kRightCenter: return pick({right, hy}, 180, {right, bottom}, {right, 0});
    case kTopRightCorner: return pick({right, 0}, 90, {right, bottom}, {0, 0});
    case kTopCenter: return pick({hx, 0}, 180, {right, 0}, {0, 0});
    case kTopLeftCorner: return pick({0, 0}, 90, {right, 0}, {0, bottom});
    case kLeftCenter: return pick({0, hy}, 180, {0, 0}, {0, bottom});
    // R' is the pivot itself, whose bearing is 90: the wiper starts right.
    case kBottomLeftCorner: return pick({0, bottom}, 90, {0, 0}, {0, bottom});
    case kBottomCenter: return pick({hx, bottom}, 180, {0, bottom}, {right, bottom});
    case kBottomRightCorner: return pick({right, bottom}, 90, {0, bottom}, {right, 0});
    default: return std::nullopt;
  }
}

// The wiper has passed a pixel when the turn from the start ray to it (or,
// counter-clockwise, from it to the start ray) is below p times the sweep.
// Strictly below: the final ray itself keeps picture A even at p = 1.
class WiperTest {
 public:
  WiperTest(const Wiper& wiper, bool clockwise, double p)
      : wiper_(wiper),
        clockwise_(clockwise),
        reach_(Extended(p) * wiper.sweep),
        startBearing_(
            Geometry::Bearing(wiper.start.x, wiper.start.y, wiper.pivot.x, wiper.pivot.y)) {}

  // The test with the start ray's bearing formed once per frame.
  bool passed(int32_t x, int32_t y) const {
    const double bearing = Geometry::Bearing(x, y, wiper_.pivot.x, wiper_.pivot.y);
    return clockwise_ ? passed(startBearing_, bearing) : passed(bearing, startBearing_);
  }
  // The same through AngleBetween itself, for the pixel-by-pixel reference.
  bool passedByAngleBetween(int32_t x, int32_t y) const {
    const Point& c = wiper_.pivot;
    const Point& r = wiper_.start;
    const double turn = clockwise_ ? Geometry::AngleBetween(r.x, r.y, x, y, c.x, c.y)
                                   : Geometry::AngleBetween(x, y, r.x, r.y, c.x, c.y);
    return reach_ > turn;
  }

  Extended reach() const { return reach_; }
  double startBearing() const { return startBearing_; }

 private:
  // AngleBetween's own arithmetic, from the two bearings.
  bool passed(double from, double to) const {
    const double turn = to >= from ? to - from : 360 - (from - to);
    return reach_ > turn;
  }

  Wiper wiper_;
  bool clockwise_;
  Extended reach_;
  double startBearing_;
};

void showB(const wipes::WipeCanvas& canvas, int32_t y, int32_t first, int32_t last) {
  std::memcpy(canvas.out().at(first, y), canvas.b().at(first, y), 3 * size_t(last - first + 1));
}

enum class Walk { ByRuns, PixelByPixel };

HGLOBAL renderWiper(const Frame& frame, const Settings& settings, Walk walk) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  const int32_t width = canvas.width(), height = canvas.height();
  const bool clockwise = settings.clockwise != 0;
  const std::optional<Wiper> wiper = wiperFor(settings.origin, clockwise, width, height);
  // Nothing has moved at p <= 0, and an unknown origin has no wiper.
  if (!(frame.p > 0) || !wiper) return canvas.finish();
  if (!canvas.attachB()) return nullptr;

  const WiperTest test(*wiper, clockwise, frame.p);
  const Extended cx = wiper->pivot.x;
  // The classification can change where a row meets the start ray or the
  // wiper (either way round), and at the pivot's column.
  const wipes::BearingLine edges[] = {
      wipes::BearingLine(Extended(test.startBearing())),
      wipes::BearingLine(test.startBearing() + test.reach()),
      wipes::BearingLine(test.startBearing() - test.reach()),
  };
  wipes::BearingRow row(width);
  for (int32_t y = 0; y < height; ++y) {
    if (walk == Walk::PixelByPixel) {
      for (int32_t x = 0; x < width; ++x)
        if (test.passedByAngleBetween(x, y)) canvas.out().copyPixel(x, y, canvas.b(), x, y);
      continue;
    }
    const int32_t dy = y - wiper->pivot.y;
    if (dy == 0) {  // the pivot's row: bearings 90 and 270, no arctangent
      for (int32_t x = 0; x < width; ++x)
        if (test.passed(x, y)) canvas.out().copyPixel(x, y, canvas.b(), x, y);
      continue;
    }
    row.clearEdges();
    row.addEdge(cx);
    for (const wipes::BearingLine& edge : edges)
      if (edge.meetsRows()) row.addEdge(edge.columnAt(cx, dy));
    row.walk([&](int32_t x) { return test.passed(x, y); },
             [&](int32_t first, int32_t last) { showB(canvas, y, first, last); });
  }
  return canvas.finish();
}

// The name text of each origin, as the system spells it.
const char* originName(int32_t origin) {
  static constexpr const char* kNames[] = {
      "Right center)", "Top rigth corner)",   "Top center)",    "Top left corner)",
      "Left center)",  "Bottom left corner)", "Bottom center)", "Bottom right corner)",
  };
  if (origin < kRightCenter || origin > kBottomRightCorner) return "";
  return kNames[origin - kRightCenter];
}

struct Unit {
  using Settings = WindshW::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(29, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"ORIGIN=", offsetof(Settings, origin), plugin::SettingKind::Int32},
      {"REVERSE=", offsetof(Settings, clockwise), plugin::SettingKind::Boolean},
  };
  static void defaults(Settings& settings) {
    settings.origin = kBottomCenter;
    settings.clockwise = 0;
  }
  static bool loadLine(Settings& settings, int32_t line, char* text) {
    return wipes::loadFlagLine(kSettings, &settings, line, text);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Windshwf::execute(settings, host);
  }
  // "Windshield Wipe counterclockwise (Bottom center)"; "closewise" is the
  // system's own word for the clockwise wiper.
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    plugin::appendToName(state, settings.clockwise ? " closewise (" : " counterclockwise (");
    plugin::appendToName(state, originName(settings.origin));
  }
  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return WindshW::render(frame, settings);
  }
};

}  // namespace

void resetOutOfRange(Settings& settings) {
  if (settings.origin < kRightCenter || settings.origin > kBottomRightCorner) {
    settings.origin = kBottomCenter;
    settings.clockwise = 0;
  }
}

HGLOBAL render(const Frame& frame, const Settings& settings) {
  return renderWiper(frame, settings, Walk::ByRuns);
}

HGLOBAL renderPixelByPixel(const Frame& frame, const Settings& settings) {
  return renderWiper(frame, settings, Walk::PixelByPixel);
}

const plugin::EffectOps kWindshieldWipeOps = wipes::kWipeOps<Unit>;

}  // namespace WindshW
