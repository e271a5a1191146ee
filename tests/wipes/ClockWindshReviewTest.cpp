// The row walks of Clock Wipe and Windshield Wipe against an independent
// per-pixel evaluation of the formulas (every needle looked at, no runs), on
// sizes and progress values a host uses: odd and even frames, long thin
// frames up to the largest height, and p = counter / (length - 1).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ClockW.h"
#include "Geometry.h"
#include "Numeric.h"
#include "Pictures.h"
#include "WindshW.h"

namespace {

using numeric::Extended;
using testsupport::GlobalHandle;
using testsupport::provenancePicture;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

double clockBearing(int32_t x, int32_t y, int32_t w, int32_t h) {
  const double dx = static_cast<double>(x - Extended(w) / 2);
  const double dy = static_cast<double>(y - Extended(h) / 2);
  const double dyS = static_cast<double>(Extended(dy) * h / 2);
  const double len =
      static_cast<double>(std::sqrt(Extended(dx) * dx + Extended(dy) * dy) * h / 2);
  if (dyS == 0) return dx < 0 ? 270.0 : 90.0;
  const Extended s = Extended(dyS) / len;
  double phi = static_cast<double>(std::atan(std::sqrt(1 - s * s) / s));
  phi = static_cast<double>(phi / (2 * kPi) * 360);
  if (dx >= 0 && dy < 0) return -phi;
  if (dx >= 0 && dy > 0) return static_cast<double>(180 - Extended(phi));
  if (dx < 0 && dy > 0) return static_cast<double>(Extended(phi) + 180);
  return static_cast<double>(Extended(phi) + 360);
}

bool clockShowsB(double b, int32_t n, bool clockwise, double p) {
  const Extended sweep = Extended(p) * 360 / n;
  for (int64_t k = 1; k <= n; ++k) {
    double start, end;
    if (clockwise) {
      start = static_cast<double>(Extended((k - 1) * 360) / n);
      end = static_cast<double>(sweep + start);
    } else {
      end = static_cast<double>(Extended(k * 360) / n);
      start = static_cast<double>(end - sweep);
    }
    if (start <= b && b <= end) return true;
  }
  return false;
}

// First differing pixel of `out` against the expected B/A mask, or "".
// Provenance keeps 11 bits of a coordinate: compared as far as it goes.
template <class ShowsB>
std::string firstDifference(HGLOBAL out, int32_t w, int32_t h, ShowsB showsB) {
  if (!out) return "null output";
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const testsupport::Origin want{showsB(x, y) ? 'B' : 'A', x & 0x7FF, y & 0x7FF};
      const testsupport::Origin got = testsupport::origin(testsupport::pixelOf(out, x, y));
      if (!(got == want))
        return "(" + std::to_string(x) + "," + std::to_string(y) + ") is " +
               testsupport::describe(got);
    }
  return "";
}

struct Size {
  int32_t w, h;
};
const Size kSizes[] = {{160, 120}, {161, 121}, {3, 4001}, {4000, 3}, {2, 30000}};

std::vector<double> progressOfRun(int32_t length) {
  std::vector<double> ps;
  for (int32_t i = 1; i < length; ++i) ps.push_back(double(i) / double(length - 1));
  return ps;
}

TEST(ClockWipeReview, RowWalkGivesThePerPixelFormula) {
  for (Size s : kSizes) {
    auto a = provenancePicture('A', s.w, s.h);
    auto b = provenancePicture('B', s.w, s.h);
    for (int32_t needles : {1, 2, 3, 7, 10})
      for (bool clockwise : {false, true})
        for (double p : progressOfRun(needles % 2 ? 7 : 9)) {
          GlobalHandle out(ClockW::render({a->data(), b->data(), p, 0, 0, 0},
                                          {uint8_t(clockwise), needles}));
          const std::string diff = firstDifference(out.get(), s.w, s.h, [&](int32_t x, int32_t y) {
            return clockShowsB(clockBearing(x, y, s.w, s.h), needles, clockwise, p);
          });
          ASSERT_EQ(diff, "") << s.w << "x" << s.h << " needles " << needles << " cw "
                              << clockwise << " p " << p;
        }
  }
}

TEST(WindshieldWipeReview, RowWalkGivesThePerPixelFormula) {
  for (Size s : kSizes) {
    auto a = provenancePicture('A', s.w, s.h);
    auto b = provenancePicture('B', s.w, s.h);
    const int32_t right = s.w - 1, bottom = s.h - 1;
    const int32_t hx = int32_t(numeric::Trunc(Extended(s.w - 1) / 2));
    const int32_t hy = int32_t(numeric::Trunc(Extended(s.h - 1) / 2));
    struct Row {
      int32_t cx, cy, phi, rx, ry, rpx, rpy;
    } const table[] = {
        {right, hy, 180, right, bottom, right, 0}, {right, 0, 90, right, bottom, 0, 0},
        {hx, 0, 180, right, 0, 0, 0},              {0, 0, 90, right, 0, 0, bottom},
        {0, hy, 180, 0, 0, 0, bottom},             {0, bottom, 90, 0, 0, 0, bottom},
        {hx, bottom, 180, 0, bottom, right, bottom}, {right, bottom, 90, 0, bottom, right, 0},
    };
    for (int32_t origin = 101; origin <= 108; ++origin)
      for (bool clockwise : {false, true})
        for (double p : progressOfRun(6)) {
          const Row& r = table[origin - 101];
          GlobalHandle out(WindshW::render({a->data(), b->data(), p, 0, 0, 0},
                                           {origin, uint8_t(clockwise)}));
          const std::string diff = firstDifference(out.get(), s.w, s.h, [&](int32_t x, int32_t y) {
            const double t = clockwise ? Geometry::AngleBetween(r.rx, r.ry, x, y, r.cx, r.cy)
                                       : Geometry::AngleBetween(x, y, r.rpx, r.rpy, r.cx, r.cy);
            return Extended(p) * r.phi > t;
          });
          ASSERT_EQ(diff, "") << s.w << "x" << s.h << " origin " << origin << " cw " << clockwise
                              << " p " << p;
        }
  }
}

}  // namespace
