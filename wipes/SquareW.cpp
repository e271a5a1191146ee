// Square Wipe: a rectangle with the frame's proportions grows from the
// centre or a corner and shows picture B (wipe out), or shrinks into the
// centre or a corner and keeps picture A (wipe in).
#include "SquareW.h"

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "FlagSetting.h"
#include "Numeric.h"
#include "Squarewf.h"
#include "WipeEffect.h"

namespace SquareW {
namespace {

using numeric::Extended;
using wipes::Frame;

// Where the rectangle sits along one axis.
enum class Anchor { Start, End, Centre };

// Whether coordinate c of an axis of n pixels lies where the frame shows B
// along that axis.  Wipe out: inside the growing B band; wipe in: outside
// the shrinking A band.  The bounds are reals, and the comparisons mix
// strict and inclusive ones: at p = 1 the out form of an end or centre
// anchor leaves coordinate 0 showing A, and the in form of the centre
// leaves n / 2 showing A when n is even.
bool showsBAlong(Anchor anchor, bool wipeIn, Extended p, int32_t n, int32_t c) {
  const Extended size = n, half = Extended(n) / 2, at = c;
  switch (anchor) {
    case Anchor::Start: return wipeIn ? at >= (1 - p) * size : at < size * p;
    case Anchor::End: return wipeIn ? at <= size - (1 - p) * size : at > size - size * p;
    case Anchor::Centre:
      if (wipeIn) return at < half - (1 - p) * half || at > (1 - p) * half + half;
      return half - p * half < at && at < p * half + half;
  }
  return false;
}

struct Anchors {
  Anchor x, y;
};

bool anchorsFor(int32_t origin, Anchors& anchors) {
  switch (origin) {
    case kCenter: anchors = {Anchor::Centre, Anchor::Centre}; return true;
    case kTopRight: anchors = {Anchor::End, Anchor::Start}; return true;
    case kTopLeft: anchors = {Anchor::Start, Anchor::Start}; return true;
    case kBottomLeft: anchors = {Anchor::Start, Anchor::End}; return true;
    case kBottomRight: anchors = {Anchor::End, Anchor::End}; return true;
    default: return false;
  }
}

HGLOBAL renderRectangle(const Frame& frame, const Settings& settings) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  Anchors anchors;
  // Nothing has moved at p <= 0, and an unknown origin draws nothing.
  if (!(frame.p > 0) || !anchorsFor(settings.origin, anchors)) return canvas.finish();
  if (!canvas.attachB()) return nullptr;

  const int32_t width = canvas.width(), height = canvas.height();
  const bool wipeIn = settings.wipeIn != 0;
  const Extended p = frame.p;
  // Each axis decides on its own: the out form shows B where both do, the
  // in form where either does.  Columns are tested once per frame and kept
  // as runs.
  std::vector<std::pair<int32_t, int32_t>> columnRuns;
  for (int32_t x = 0; x < width; ++x) {
    if (!showsBAlong(anchors.x, wipeIn, p, width, x)) continue;
    if (!columnRuns.empty() && columnRuns.back().second == x - 1)
      columnRuns.back().second = x;
    else
      columnRuns.emplace_back(x, x);
  }
  const size_t rowBytes = 3 * size_t(width);
  for (int32_t y = 0; y < height; ++y) {
    const bool rowShows = showsBAlong(anchors.y, wipeIn, p, height, y);
    if (wipeIn && rowShows) {
      std::memcpy(canvas.out().row(y), canvas.b().row(y), rowBytes);
    } else if (wipeIn || rowShows) {
      for (auto [first, last] : columnRuns)
        std::memcpy(canvas.out().at(first, y), canvas.b().at(first, y),
                    3 * size_t(last - first + 1));
    }
  }
  return canvas.finish();
}

struct Unit {
  using Settings = SquareW::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(11, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"ORIGIN=", offsetof(Settings, origin), plugin::SettingKind::Int32},
      {"REVERSE=", offsetof(Settings, wipeIn), plugin::SettingKind::Boolean},
  };
  static void defaults(Settings& settings) {
    settings.origin = kCenter;
    settings.wipeIn = 0;
  }
  static bool loadLine(Settings& settings, int32_t line, char* text) {
    return wipes::loadFlagLine(kSettings, &settings, line, text);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Squarewf::execute(settings, host);
  }
  // "Square Wipe Out (Center)"; an unknown origin ends at the parenthesis.
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    plugin::appendToName(state, settings.wipeIn ? " In (" : " Out (");
    switch (settings.origin) {
      case kCenter: plugin::appendToName(state, "Center)"); break;
      case kTopRight: plugin::appendToName(state, "Top Right)"); break;
      case kTopLeft: plugin::appendToName(state, "Top Left)"); break;
      case kBottomLeft: plugin::appendToName(state, "Bottom Left)"); break;
      case kBottomRight: plugin::appendToName(state, "Bottom Right)"); break;
      default: break;
    }
  }
  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return renderRectangle(frame, settings);
  }
};

// The drop-down list's order: "Image center", "Top left corner", "Top right
// corner", "Bottom left corner", "Bottom right corner".
constexpr int32_t kOriginOfItem[] = {kCenter, kTopLeft, kTopRight, kBottomLeft, kBottomRight};

}  // namespace

void resetOutOfRange(Settings& settings) {
  if (settings.origin < kCenter || settings.origin > kBottomRight) {
    settings.origin = kCenter;
    settings.wipeIn = 0;
  }
}

int32_t itemForOrigin(int32_t origin) {
  for (int32_t item = 0; item < int32_t(std::size(kOriginOfItem)); ++item)
    if (kOriginOfItem[item] == origin) return item;
  return -1;
}

int32_t originForItem(int32_t item) {
  if (item < 0 || item >= int32_t(std::size(kOriginOfItem))) return kCenter;
  return kOriginOfItem[item];
}

HGLOBAL render(const Frame& frame, const Settings& settings) {
  return renderRectangle(frame, settings);
}

const plugin::EffectOps kSquareWipeOps = wipes::kWipeOps<Unit>;

}  // namespace SquareW
