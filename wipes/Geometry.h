// The small computations several wipes classify pixels by: the bearing of a
// point seen from a centre, the clockwise turn between two rays, and the
// band test that splits a picture into two interleaved sets of bands.
// Picture coordinates: x to the right, y downward, row 0 at the top.
#pragma once

#include <cstdint>

namespace Geometry {

// Direction from (cx, cy) to (x, y) in degrees clockwise from straight up,
// in [0, 360): up 0, right 90, down 180, left 270; the centre itself 90.
double Bearing(int32_t x, int32_t y, int32_t cx, int32_t cy);

// The clockwise turn from the ray towards (x1, y1) to the ray towards
// (x2, y2), both seen from (cx, cy), in [0, 360).
double AngleBetween(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cx, int32_t cy);

// Whether line c of an extent d divided into n bands belongs to the first
// band set (true) or the second (false).  The band containing line 0 is in
// the second set when n >= 2; n <= 1 puts every line in the first.
//
// Where the rounded period is 0 (a period of at most half a line: extents
// of one line, or four or more bands a line) the extent cannot hold the
// bands asked for; it is then treated as one band, as for n <= 1, and every
// line is in the first set.  (Stepping by a period of 0 would never end.)
bool bandTest(int32_t c, int32_t d, int32_t n);

}  // namespace Geometry
