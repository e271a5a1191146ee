#include "Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using Geometry::AngleBetween;
using Geometry::bandTest;
using Geometry::Bearing;

TEST(Bearing, CompassPointsAndDiagonals) {
  const int cx = 20, cy = 30;
  struct Case {
    int x, y;
    double degrees;
  } cases[] = {{cx, cy - 5, 0},      {cx + 5, cy, 90},      {cx, cy + 5, 180}, {cx - 5, cy, 270},
               {cx + 5, cy - 5, 45}, {cx - 5, cy + 5, 225}, {cx, cy, 90},      {cx + 5, cy + 5, 135},
               {cx - 5, cy - 5, 315}};
  for (const Case& c : cases)
    EXPECT_NEAR(Bearing(c.x, c.y, cx, cy), c.degrees, 1e-9) << c.x << "," << c.y;
}

TEST(AngleBetween, TurnsClockwise) {
  EXPECT_NEAR(AngleBetween(0, -5, 5, 0, 0, 0), 90, 1e-9);
  EXPECT_NEAR(AngleBetween(5, 0, 0, -5, 0, 0), 270, 1e-9);
  EXPECT_EQ(AngleBetween(3, 4, 3, 4, 0, 0), 0);
}

// The sets of lines 0..99 as runs of F and T.
std::string bands(int32_t d, int32_t n) {
  std::string lines;
  for (int32_t c = 0; c <= d; ++c) lines += bandTest(c, d, n) ? 'T' : 'F';
  return lines;
}

std::string runs(std::initializer_list<std::pair<char, int>> parts) {
  std::string lines;
  for (auto [set, count] : parts) lines += std::string(count, set);
  return lines;
}

TEST(BandTest, TenBandsOverOneHundredLines) {
  EXPECT_EQ(bands(99, 10), runs({{'F', 10}, {'T', 10}, {'F', 10}, {'T', 10}, {'F', 10},
                                 {'T', 10}, {'F', 10}, {'T', 10}, {'F', 10}, {'T', 10}}));
}

TEST(BandTest, FiveBandsOverOneHundredLines) {
  EXPECT_EQ(bands(99, 5), runs({{'F', 21}, {'T', 19}, {'F', 20}, {'T', 20}, {'F', 20}}));
}

TEST(BandTest, OneBandOrFewerIsAllFirstSet) {
  for (int32_t n : {1, 0, -3}) EXPECT_EQ(bands(9, n), std::string(10, 'T'));
}

TEST(BandTest, PeriodsBelowOneLineAreOneBand) {
  // Rounded periods of 0 (an extent of one line, four or more bands a line)
  // would step forever; such an extent is one band of the first set.
  EXPECT_EQ(bands(0, 2), "T");
  EXPECT_EQ(bands(3, 9998), "TTTT");
  EXPECT_EQ(bands(3, 9999), "FTTT");  // odd: the first band (0..g) still comes first
  EXPECT_TRUE(bandTest(1079, 1079, 9999));
}

TEST(BandTest, LongExtentsMatchStepByStepReduction) {
  // The jump ahead must land where the plain subtraction loop lands.
  const int32_t d = 1919;
  for (int32_t n : {2, 6, 10, 64}) {
    long double p = (long double)d / ((long double)n / 2);
    long long s = (long long)std::nearbyintl(p);
    for (int32_t c = 0; c <= d; c += 37) {
      long long r = c;
      while (r >= p) r -= s;
      EXPECT_EQ(bandTest(c, d, n), r >= (long double)d / n) << n << " " << c;
    }
  }
}

}  // namespace
