// Clock Wipe: n needles turn about the middle of the frame, all at once.
// They start 360 / n degrees apart, one of them at twelve o'clock, and each
// sweeps its own sector of 360 / n degrees over the transition; picture B
// shows in the swept sectors.
#include "ClockW.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BearingRows.h"
#include "Clockwf.h"
#include "FlagSetting.h"
#include "Numeric.h"
#include "WipeEffect.h"

namespace ClockW {
namespace {

using numeric::Extended;
using wipes::Frame;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

// Above this many needles every pixel is tested on its own (the row walk
// would meet too many limits per row); only settings lines give so many.
constexpr int32_t kMostNeedlesByRuns = 64;

// The bearing of a pixel seen from the frame's real centre, in degrees
// clockwise from up, in [0, 360).  It follows the geometry helpers' Bearing
// except that dy and the length are both scaled by H / 2 and held as
// doubles: their quotient carries the rounding of the scaled values, which
// decides pixels lying exactly on a limit.
double clockBearing(double dx, double dy, int32_t height) {
  const double dyScaled = static_cast<double>(Extended(dy) * height / 2);
  const double length =
      static_cast<double>(std::sqrt(Extended(dx) * dx + Extended(dy) * dy) * height / 2);
  if (dyScaled == 0) return dx < 0 ? 270.0 : 90.0;
  const Extended s = Extended(dyScaled) / length;
  double phi = static_cast<double>(std::atan(std::sqrt(1 - s * s) / s));
  phi = static_cast<double>(phi / (2 * kPi) * 360);
  if (dx >= 0 && dyScaled < 0) return -phi;
  if (dx >= 0 && dyScaled > 0) return static_cast<double>(180 - Extended(phi));
  if (dx < 0 && dyScaled > 0) return static_cast<double>(Extended(phi) + 180);
  return static_cast<double>(Extended(phi) + 360);
}

// The sectors swept so far: needle k (1 .. n) from its start bearing through
// p * 360 / n degrees, clockwise from (k - 1) * 360 / n or counter-clockwise
// from k * 360 / n.  Both limits are inclusive, so at p = 1 they close up.
class Sectors {
 public:
  struct Limits {
    double start, end;
  };

  Sectors(int32_t needles, bool clockwise, double p)
      : needles_(needles), clockwise_(clockwise), sweep_(Extended(p) * 360 / needles) {
    if (needles_ <= kMostNeedlesByRuns)
      for (int64_t k = 1; k <= needles_; ++k) kept_.push_back(form(k));
  }

  int32_t count() const { return needles_; }
  Limits of(int64_t k) const { return kept_.empty() ? form(k) : kept_[k - 1]; }

  // Whether some needle's sector holds the bearing.  With p at most 1 only
  // the sectors next to the bearing's own share of the circle can: those
  // alone are looked at, so any number of needles costs the same.
  bool holds(double bearing) const {
    const int64_t own = numeric::Trunc(Extended(bearing) * needles_ / 360) + 1;
    const int64_t last = std::min<int64_t>(needles_, own + 2);
    for (int64_t k = std::max<int64_t>(1, own - 2); k <= last; ++k) {
      const Limits sector = of(k);
      if (sector.start <= bearing && bearing <= sector.end) return true;
    }
    return false;
  }

 private:
  // (k - 1) * 360 and k * 360 are integer products divided in floating
  // point; the sum or difference with the sweep is held as a double.
  Limits form(int64_t k) const {
    if (clockwise_) {
      const double start = static_cast<double>(Extended((k - 1) * 360) / needles_);
      return {start, static_cast<double>(sweep_ + Extended(start))};
    }
    const double end = static_cast<double>(Extended(k * 360) / needles_);
    return {static_cast<double>(Extended(end) - sweep_), end};
  }

  int32_t needles_;
  bool clockwise_;
  Extended sweep_;
  std::vector<Limits> kept_;  // formed once per frame for up to 64 needles
};

void showB(const wipes::WipeCanvas& canvas, int32_t y, int32_t first, int32_t last) {
  std::memcpy(canvas.out().at(first, y), canvas.b().at(first, y), 3 * size_t(last - first + 1));
}

enum class Walk { ByRuns, PixelByPixel };

HGLOBAL renderSectors(const Frame& frame, const Settings& settings, Walk walk) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  // The export's progress never exceeds 1; the sector search relies on it.
  const double p = std::min(frame.p, 1.0);
  // No needle has moved at p <= 0, and none exists below one needle.
  if (!(p > 0) || settings.needles <= 0) return canvas.finish();
  if (!canvas.attachB()) return nullptr;

  const int32_t width = canvas.width(), height = canvas.height();
  const Sectors sectors(settings.needles, settings.clockwise != 0, p);
  const Extended cx = Extended(width) / 2;
  auto showsB = [&](int32_t x, double dy) {
    return sectors.holds(clockBearing(static_cast<double>(x - cx), dy, height));
  };

  if (sectors.count() > kMostNeedlesByRuns) walk = Walk::PixelByPixel;
  std::vector<wipes::BearingLine> limits;
  if (walk == Walk::ByRuns) {
    for (int64_t k = 1; k <= sectors.count(); ++k) {
      limits.emplace_back(sectors.of(k).start);
      limits.emplace_back(sectors.of(k).end);
    }
  }
  wipes::BearingRow row(width);
  for (int32_t y = 0; y < height; ++y) {
    const double dy = static_cast<double>(y - Extended(height) / 2);
    if (walk == Walk::PixelByPixel || dy == 0) {
      for (int32_t x = 0; x < width; ++x)
        if (showsB(x, dy)) canvas.out().copyPixel(x, y, canvas.b(), x, y);
      continue;
    }
    row.clearEdges();
    row.addEdge(cx);  // the bearing jumps from 360 to 0 above the centre
    for (const wipes::BearingLine& limit : limits)
      if (limit.meetsRows()) row.addEdge(limit.columnAt(cx, dy));
    row.walk([&](int32_t x) { return showsB(x, dy); },
             [&](int32_t first, int32_t last) { showB(canvas, y, first, last); });
  }
  return canvas.finish();
}

struct Unit {
  using Settings = ClockW::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(9, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"NEEDLES=", offsetof(Settings, needles), plugin::SettingKind::Int32},
      {"REVERSE=", offsetof(Settings, clockwise), plugin::SettingKind::Boolean},
  };
  static void defaults(Settings& settings) {
    settings.clockwise = 0;
    settings.needles = 3;
  }
  static bool loadLine(Settings& settings, int32_t line, char* text) {
    return wipes::loadFlagLine(kSettings, &settings, line, text);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Clockwf::execute(settings, host);
  }
  // "Clock Wipe counterclockwise (3)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    char text[48];
    std::snprintf(text, sizeof text, " %s (%d)",
                  settings.clockwise ? "clockwise" : "counterclockwise", settings.needles);
    plugin::appendToName(state, text);
  }
  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return ClockW::render(frame, settings);
  }
};

}  // namespace

void resetOutOfRange(Settings& settings) {
  if (settings.needles < 1 || settings.needles > 10) {
    settings.needles = 4;
    settings.clockwise = 0;
  }
}

HGLOBAL render(const Frame& frame, const Settings& settings) {
  return renderSectors(frame, settings, Walk::ByRuns);
}

HGLOBAL renderPixelByPixel(const Frame& frame, const Settings& settings) {
  return renderSectors(frame, settings, Walk::PixelByPixel);
}

const plugin::EffectOps kClockWipeOps = wipes::kWipeOps<Unit>;

}  // namespace ClockW
