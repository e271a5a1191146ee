// Free Wipe: B is wiped in behind a straight edge at any whole-degree angle.
// The edge turns about a centre that travels from the corner the wipe comes
// from to the opposite corner, and each pixel shows B or A by the turn t
// from a reference point straight above or below the centre to the pixel.
#include "FreeWipe.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>

#include "Freewf.h"
#include "Geometry.h"
#include "Numeric.h"
#include "WipeEffect.h"

namespace FreeWipe {
namespace {

using numeric::Extended;
using numeric::Trunc;
using wipes::Frame;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

// The edge of one frame: B shows where t = AngleBetween(R, P, C) lies in
// (lo, hi) for the middle degree ranges, or at or beyond either limit for
// the outer ones (which thereby count the edge line itself as B).
struct Edge {
  int32_t cx, cy;  // C, the centre the edge turns about
  int32_t ry;      // R = (cx, ry), ten pixels above or below C
  int64_t lo, hi;
  bool openRange;

  bool showsB(int32_t x, int32_t y) const {
    return turnShowsB(Geometry::AngleBetween(cx, ry, x, y, cx, cy));
  }
  bool turnShowsB(double t) const {
    if (openRange) return double(lo) < t && t < double(hi);
    return t <= double(lo) || t >= double(hi);
  }
  int32_t referenceBearing() const { return ry > cy ? 180 : 0; }
};

// The same decision with R's bearing computed once per frame: AngleBetween
// is the turn between two bearings, and one of them never changes.
class EdgeTest {
 public:
  explicit EdgeTest(const Edge& edge)
      : edge_(edge), g_(Geometry::Bearing(edge.cx, edge.ry, edge.cx, edge.cy)) {}
  bool showsB(int32_t x, int32_t y) const {
    const double h = Geometry::Bearing(x, y, edge_.cx, edge_.cy);
    return edge_.turnShowsB(h >= g_ ? h - g_ : 360 - (g_ - h));
  }

 private:
  const Edge& edge_;
  double g_;
};

// The degree selects where the centre starts and which side of the edge is
// B; a negative degree has no edge and replaces nothing.
std::optional<Edge> edgeFor(int32_t degree, int32_t width, int32_t height, double progress) {
  if (degree < 0) return std::nullopt;
  const Extended p = progress;
  const auto forward = [p](int32_t size) { return int32_t(Trunc(Extended(size - 1) * p)); };
  const auto backward = [p](int32_t size) { return int32_t(Trunc((1 - p) * Extended(size - 1))); };
  const int64_t d = degree;
  Edge e{};
  if (d <= 90) {  // from the bottom-left corner
    e.cx = forward(width), e.cy = backward(height), e.ry = e.cy + 10;
    e.lo = 180 - d, e.hi = 360 - d, e.openRange = false;
  } else if (d <= 180) {  // from the bottom-right corner
    e.cx = backward(width), e.cy = backward(height), e.ry = e.cy - 10;
    e.lo = 180 - d, e.hi = 360 - d, e.openRange = true;
  } else if (d < 270) {  // from the top-right corner
    e.cx = backward(width), e.cy = forward(height), e.ry = e.cy + 10;
    e.lo = 360 - d, e.hi = 540 - d, e.openRange = true;
  } else {  // from the top-left corner; 360 and above by the same rule
    e.cx = forward(width), e.cy = forward(height), e.ry = e.cy - 10;
    e.lo = 360 - d, e.hi = 540 - d, e.openRange = false;
  }
  return e;
}

// Deciding every pixel by its bearing costs two square roots and an
// arctangent each.  Along a row (other than the centre's) the bearing runs
// monotonically, and a pixel's side can change only where the row meets
// one of three rays from C: the reference ray (where t wraps from 360 to
// 0) and the two rays at the limits.  A pixel more than a column from every
// such meeting point lies at least about 1e-10 radians off each ray (for
// pictures up to 65535 pixels a side), far beyond the rounding of the
// bearing (about 1e-15), so its computed side is the true side, the same
// for the whole stretch.  The renderer therefore decides pixels near a
// meeting point one by one, and each stretch between them by one of its
// pixels: the frame is exactly the pixel-by-pixel frame.
class RowPlan {
 public:
  RowPlan(const Edge& edge, int32_t width) : edge_(edge), test_(edge), width_(width) {
    const int64_t limits[] = {0, edge.lo, edge.hi};
    for (int64_t turn : limits) {
      const Extended bearing = Extended(((edge.referenceBearing() + turn) % 360 + 360) % 360);
      rays_[rayCount_++] = {std::sin(bearing * kPi / 180), std::cos(bearing * kPi / 180)};
    }
  }

  // Visits row y as runs [begin, end) that all show B or all show A.
  template <class Visit>
  void forEachRun(int32_t y, Visit visit) const {
    if (y == edge_.cy) return decideEach(y, 0, width_, visit);  // bearings 90 and 270 exactly
    Zone zones[kMaxRays];
    int count = 0;
    for (int i = 0; i < rayCount_; ++i)
      if (auto zone = nearMeeting(rays_[i], y)) zones[count++] = *zone;
    for (int i = 1; i < count; ++i)  // at most three: insertion by hand
      for (int j = i; j > 0 && zones[j].begin < zones[j - 1].begin; --j)
        std::swap(zones[j], zones[j - 1]);
    int32_t x = 0;
    for (int i = 0; i < count && x < width_; ++i) {
      if (zones[i].end <= x) continue;
      if (zones[i].begin > x) {
        visit(x, zones[i].begin, test_.showsB(x, y));
        x = zones[i].begin;
      }
      decideEach(y, x, zones[i].end, visit);
      x = zones[i].end;
    }
    if (x < width_) visit(x, width_, test_.showsB(x, y));
  }

 private:
  static constexpr int kMaxRays = 3;
  static constexpr Extended kMargin = 1;  // columns decided one by one on each side
  struct Ray {
    Extended sin, cos;  // direction (sin, -cos) in picture coordinates
  };
  struct Zone {
    int32_t begin, end;
  };

  // The columns within the margin of the point where the ray meets row y.
  std::optional<Zone> nearMeeting(const Ray& ray, int32_t y) const {
    if (std::fabs(ray.cos) < 1e-9L) return std::nullopt;  // runs along the centre's row
    const Extended reach = Extended(y - edge_.cy) / -ray.cos;
    if (reach <= 0) return std::nullopt;  // points away from this row
    const Extended meet = Extended(edge_.cx) + reach * ray.sin;
    if (meet < -kMargin - 1 || meet > Extended(width_) + kMargin) return std::nullopt;
    const auto begin = int32_t(Trunc(std::max<Extended>(0, std::floor(meet) - kMargin)));
    const auto end = int32_t(Trunc(std::min<Extended>(width_, std::ceil(meet) + kMargin + 1)));
    if (begin >= end) return std::nullopt;
    return Zone{begin, end};
  }

  template <class Visit>
  void decideEach(int32_t y, int32_t begin, int32_t end, Visit visit) const {
    for (int32_t x = begin; x < end; ++x) visit(x, x + 1, test_.showsB(x, y));
  }

  const Edge& edge_;
  EdgeTest test_;
  int32_t width_;
  Ray rays_[kMaxRays];
  int rayCount_ = 0;
};

void wipeBehindEdge(const wipes::WipeCanvas& canvas, const Edge& edge) {
  const RowPlan plan(edge, canvas.width());
  for (int32_t y = 0; y < canvas.height(); ++y) {
    unsigned char* out = canvas.out().row(y);
    const unsigned char* b = canvas.b().row(y);
    plan.forEachRun(y, [&](int32_t begin, int32_t end, bool showsB) {
      if (showsB)
        std::memcpy(out + 3 * size_t(begin), b + 3 * size_t(begin), 3 * size_t(end - begin));
    });
  }
}

struct Unit {
  using Settings = FreeWipe::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(1, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"DEGREE=", offsetof(Settings, degree), plugin::SettingKind::Int32},
  };

  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return FreeWipe::render(frame, settings);
  }

  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Freewf::execute(settings, host);
  }

  // The degree line is written whatever the line number; only line 0
  // answers true.
  static bool saveLine(const Settings& settings, int32_t line, char* buffer) {
    plugin::saveSettingLine(kSettings, &settings, 0, buffer);
    return line == 0;
  }

  // "Free Wipe (15°)", the degree sign being byte 0xB0.
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    char text[24];
    std::snprintf(text, sizeof text, " (%d\xB0)", settings.degree);
    plugin::appendToName(state, text);
  }
};

}  // namespace

HGLOBAL render(const Frame& frame, const Settings& settings) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return nullptr;
  if (!(frame.p > 0) || canvas.width() == 0 || canvas.height() == 0) return canvas.finish();
  const auto edge =
      edgeFor(settings.degree, canvas.width(), canvas.height(), std::min(frame.p, 1.0));
  if (!edge) return canvas.finish();
  if (!canvas.attachB()) return nullptr;
  wipeBehindEdge(canvas, *edge);
  return canvas.finish();
}

bool showsB(const Settings& settings, int32_t width, int32_t height, double p, int32_t x,
            int32_t y) {
  const auto edge = edgeFor(settings.degree, width, height, p);
  return edge && edge->showsB(x, y);
}

void resetBeforeDialog(Settings& settings) {
  if (settings.degree < 0 || settings.degree >= 360) settings.degree = 0;
}

const plugin::EffectOps kFreeWipeOps = wipes::kWipeOps<Unit>;

}  // namespace FreeWipe
