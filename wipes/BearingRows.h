// Row walks for the wipes that decide every pixel by its bearing from a
// centre (Clock Wipe, Windshield Wipe).
//
// Along one row the bearing changes monotonically on either side of the
// centre column, so a test "bearing within these limits" can only change
// where the row meets the line through the centre at one of the limits, or
// at the centre column.  The row is cut into runs at those edges and each
// run is tested once, at its first column, with the exact formula.  A
// column lying within kTieMargin of an edge is a run of its own, so a pixel
// on a limit (a tie, decided by the last bits of the arctangent) is always
// tested itself.  Every other column is far enough from every limit (at
// least 1/64 pixel, which is still hundreds of times the rounding of the
// bearing at the largest picture) that it answers what its whole run
// answers: the result is the pixel-by-pixel result.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Numeric.h"

namespace wipes {

// The line through the centre along a bearing, ready to meet rows: a row at
// dy below the centre meets it at dx = -dy * tan(bearing).
class BearingLine {
 public:
  explicit BearingLine(numeric::Extended degrees) {
    constexpr numeric::Extended kPi = 3.141592653589793238462643383279502884L;
    numeric::Extended angle = degrees * kPi / 180;
    numeric::Extended c = std::cos(angle);
    valid_ = c != 0;
    slope_ = valid_ ? std::sin(angle) / c : 0;
  }
  // A horizontal line meets no row but the centre's, which callers test
  // pixel by pixel.
  bool meetsRows() const { return valid_; }
  numeric::Extended columnAt(numeric::Extended cx, numeric::Extended dy) const {
    return cx - dy * slope_;
  }

 private:
  numeric::Extended slope_ = 0;
  bool valid_ = false;
};

class BearingRow {
 public:
  static constexpr numeric::Extended kTieMargin = 1.0L / 64;

  explicit BearingRow(int32_t width) : width_(width) {}

  void clearEdges() { runStarts_.clear(); }

  // A real column where the test may change.
  void addEdge(numeric::Extended x) {
    if (!(x > -1 && x < numeric::Extended(width_))) return;  // also NaN
    const numeric::Extended nearest = std::floor(x + 0.5L);
    if (std::fabs(x - nearest) <= kTieMargin) {
      // The column on the edge is a run of its own.
      const int64_t column = numeric::Trunc(nearest);
      runStarts_.push_back(column);
      runStarts_.push_back(column + 1);
    } else {
      runStarts_.push_back(numeric::Trunc(std::ceil(x)));
    }
  }

  // Calls show(first, last) for the runs of columns where test(x) holds.
  template <class Test, class Show>
  void walk(Test test, Show show) {
    runStarts_.push_back(width_);  // the end of the last run
    std::sort(runStarts_.begin(), runStarts_.end());
    int64_t first = 0;
    for (int64_t next : runStarts_) {
      if (next <= first) continue;
      if (next > width_) break;
      if (test(int32_t(first))) show(int32_t(first), int32_t(next - 1));
      first = next;
    }
  }

 private:
  int32_t width_;
  std::vector<int64_t> runStarts_;
};

}  // namespace wipes
