// Alternate bands of the picture move in opposite directions.  For degree 0
// and 180 the bands are rows and move along x; otherwise they are columns
// and move along y.  The band test splits the lines into the phase-one set
// and the phase-two set (which holds line 0 when there are two bands or
// more).  Single-phase timing moves both sets in every frame; two-phase
// timing moves the phase-one set in the first half and the phase-two set,
// the opposite way, in the second.
#include "Bands.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "Geometry.h"
#include "Numeric.h"

namespace Bands {
namespace {

using numeric::Extended;
using numeric::Trunc;

// Consecutive lines of one band set, [begin, end).
struct Run {
  int32_t begin, end;
};
using BandSet = std::vector<Run>;

// The lines across the bands split into the two sets.  The band test is a
// function of the line alone, so it is asked once per line.
struct BandSets {
  BandSet phaseOne, phaseTwo;
  BandSets(int32_t lines, int32_t bands) {
    for (int32_t c = 0; c < lines; ++c) {
      BandSet& set = Geometry::bandTest(c, lines - 1, bands) ? phaseOne : phaseTwo;
      if (!set.empty() && set.back().end == c)
        ++set.back().end;
      else
        set.push_back({c, c + 1});
    }
  }
};

// Which sets move in this frame, and with what progress.
struct Timing {
  bool moveOne, fillOne, moveTwo;
  double q1, q2;
};

Timing timingAt(double p, bool twoPhase) {
  if (!twoPhase) return {true, false, true, p, p};
  if (p < 0.5) return {true, false, false, 2 * p, 0};
  return {false, true, true, 0, (p - 0.5) * 2};
}

// How one band set moves along the motion axis (length L): the wipes uncover
// B over a stretch of lines, the pushes shift the band and bring B in.
enum class Move {
  FromStart,     // wipe: 0 .. t(q)
  FromEndByU,    // wipe: u(q) .. L - 1
  FromEndByT,    // wipe: L - 1 - t(q) .. L - 1
  PushForward,   // push by s = t(q) toward the end
  PushBackward,  // push toward the start, B from b = u(q)
};

struct MovePair {
  Move phaseOne, phaseTwo;
};

// The right-hand columns start at u(q), the bottom rows at L - 1 - t(q): the
// two far sides round differently.
MovePair movesFor(Motion motion, int32_t degree) {
  const bool wipe = motion == Motion::Wipe;
  switch (degree) {
    case 0:
      return wipe ? MovePair{Move::FromStart, Move::FromEndByU}
                  : MovePair{Move::PushForward, Move::PushBackward};
    case 180:
      return wipe ? MovePair{Move::FromEndByU, Move::FromStart}
                  : MovePair{Move::PushBackward, Move::PushForward};
    case 90:
      return wipe ? MovePair{Move::FromEndByT, Move::FromStart}
                  : MovePair{Move::PushBackward, Move::PushForward};
    default:
      return wipe ? MovePair{Move::FromStart, Move::FromEndByT}
                  : MovePair{Move::PushForward, Move::PushBackward};
  }
}

// The output while the bands move.  Lines are rows (motion along x) or
// columns (motion along y); c is the coordinate along the motion.
class BandFrame {
 public:
  BandFrame(const wipes::WipeCanvas& canvas, bool rowsAreLines)
      : out_(canvas.out()),
        b_(canvas.b()),
        rowsAreLines_(rowsAreLines),
        last_(int64_t(rowsAreLines ? canvas.width() : canvas.height()) - 1) {}

  int64_t t(double q) const { return clampToAxis(Trunc(Extended(q) * Extended(last_))); }
  int64_t u(double q) const { return clampToAxis(Trunc((1 - Extended(q)) * Extended(last_))); }

  void apply(Move move, const BandSet& set, double q) const {
    switch (move) {
      case Move::FromStart: return uncoverB(set, 0, t(q));
      case Move::FromEndByU: return uncoverB(set, u(q), last_);
      case Move::FromEndByT: return uncoverB(set, last_ - t(q), last_);
      case Move::PushForward: return pushForward(set, t(q));
      case Move::PushBackward: return pushBackward(set, u(q));
    }
  }
  void fillWithB(const BandSet& set) const { uncoverB(set, 0, last_); }

 private:
  int64_t clampToAxis(int64_t c) const { return numeric::clampTo<int64_t>(c, 0, last_); }

  unsigned char* outAt(int64_t x, int64_t y) const { return out_.at(int32_t(x), int32_t(y)); }
  const unsigned char* bAt(int64_t x, int64_t y) const { return b_.at(int32_t(x), int32_t(y)); }

  // Copies the set's columns of one row to another row.
  static void copyRuns(const BandSet& set, unsigned char* to, const unsigned char* from) {
    for (const Run& run : set)
      std::memcpy(to + 3 * size_t(run.begin), from + 3 * size_t(run.begin),
                  3 * size_t(run.end - run.begin));
  }

  // B at its own place over the coordinates from .. to of every line of the set.
  void uncoverB(const BandSet& set, int64_t from, int64_t to) const {
    if (rowsAreLines_) {
      for (const Run& run : set)
        for (int64_t y = run.begin; y < run.end; ++y)
          std::memcpy(outAt(from, y), bAt(from, y), 3 * size_t(to - from + 1));
    } else {
      for (int64_t y = from; y <= to; ++y) copyRuns(set, outAt(0, y), bAt(0, y));
    }
  }

  // O(c) = O(c - s) from the far end down, so nothing is read after it is
  // written; then B's last s + 1 pixels over 0 .. s, winning the seam.
  void pushForward(const BandSet& set, int64_t s) const {
    const int64_t length = last_ + 1;
    if (rowsAreLines_) {
      for (const Run& run : set)
        for (int64_t y = run.begin; y < run.end; ++y) {
          std::memmove(outAt(s, y), outAt(0, y), 3 * size_t(length - s));
          std::memcpy(outAt(0, y), bAt(last_ - s, y), 3 * size_t(s + 1));
        }
      return;
    }
    if (s > 0)
      for (int64_t c = last_; c >= s; --c) copyRuns(set, outAt(0, c), outAt(0, c - s));
    for (int64_t c = 0; c <= s; ++c) copyRuns(set, outAt(0, c), bAt(0, last_ - s + c));
  }

  // O(c) = O(c + L - 1 - b) from the start up; then B's first L - b pixels
  // over b .. L - 1, winning the seam.
  void pushBackward(const BandSet& set, int64_t b) const {
    const int64_t shift = last_ - b;
    if (rowsAreLines_) {
      for (const Run& run : set)
        for (int64_t y = run.begin; y < run.end; ++y) {
          std::memmove(outAt(0, y), outAt(shift, y), 3 * size_t(b + 1));
          std::memcpy(outAt(b, y), bAt(0, y), 3 * size_t(last_ + 1 - b));
        }
      return;
    }
    if (shift > 0)
      for (int64_t c = 0; c <= b; ++c) copyRuns(set, outAt(0, c), outAt(0, c + shift));
    for (int64_t c = last_; c >= b; --c) copyRuns(set, outAt(0, c), bAt(0, c - b));
  }

  const DibLib::Dib24View& out_;
  const DibLib::Dib24View& b_;
  bool rowsAreLines_;
  int64_t last_;  // L - 1
};

bool isAxis(int32_t degree) {
  return degree == 0 || degree == 90 || degree == 180 || degree == 270;
}

}  // namespace

wipes::Rendered render(Motion motion, const wipes::Frame& frame, int32_t degree, int32_t bands,
                       bool twoPhase) {
  wipes::WipeCanvas canvas(frame, wipes::Start::CopyOfA);
  if (!canvas) return {nullptr, false};
  if (!(frame.p > 0)) return {canvas.finish(), true};
  // No motion for other degrees: the pushes still answer true.
  if (!isAxis(degree)) return {canvas.finish(), motion == Motion::Push};
  if (canvas.width() == 0 || canvas.height() == 0) return {canvas.finish(), true};
  if (!canvas.attachB()) return {nullptr, false};

  const bool rowsAreLines = degree == 0 || degree == 180;
  const BandSets sets(rowsAreLines ? canvas.height() : canvas.width(), bands);
  const BandFrame bandFrame(canvas, rowsAreLines);
  const Timing timing = timingAt(frame.p < 1 ? frame.p : 1.0, twoPhase);
  const MovePair moves = movesFor(motion, degree);
  if (timing.moveOne) bandFrame.apply(moves.phaseOne, sets.phaseOne, timing.q1);
  if (timing.fillOne) bandFrame.fillWithB(sets.phaseOne);
  if (timing.moveTwo) bandFrame.apply(moves.phaseTwo, sets.phaseTwo, timing.q2);
  return {canvas.finish(), true};
}

void appendAxisAndBands(plugin::PresentationState& state, int32_t degree, int32_t bands) {
  char text[32];
  std::snprintf(text, sizeof text, " (%s,%d)", degree == 0 ? "Hor." : "Ver.", bands);
  plugin::appendToName(state, text);
}

void appendDegreeAndBands(plugin::PresentationState& state, int32_t degree, int32_t bands) {
  char text[40];
  std::snprintf(text, sizeof text, " (%d\xB0,%d)", degree, bands);
  plugin::appendToName(state, text);
}

}  // namespace Bands
