// Push+: picture B pushes picture A out of the frame in one of eight
// directions.  Along an axis both pictures move rigidly side by side and
// meet in one shared column or row, which B wins, so A's edge line nearest
// B is never shown.  Along a diagonal A leaves towards one corner while B
// comes in from the opposite one; the two corners neither covers stay black.
#include "Push.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "Numeric.h"
#include "WipeEffect.h"
#include "pushf.h"

namespace Push {
namespace {

using DibLib::Dib24View;
using numeric::Extended;
using numeric::Trunc;
using wipes::Frame;

// The output and both inputs of one frame, all W x H and 24-bit.
struct Scene {
  const Dib24View& out;
  const Dib24View& a;
  const Dib24View& b;
  int64_t w, h;

  // Copies `count` pixels of row y of `from`, starting at column fromX, to
  // row y of the output at column x.
  void copyColumns(int64_t x, int64_t y, const Dib24View& from, int64_t fromX,
                   int64_t count) const {
    std::memcpy(out.at(int32_t(x), int32_t(y)), from.at(int32_t(fromX), int32_t(y)),
                size_t(3 * count));
  }
  void copyRow(int64_t y, const Dib24View& from, int64_t fromY) const {
    std::memcpy(out.row(int32_t(y)), from.row(int32_t(fromY)), size_t(3 * w));
  }
};

// Degree 0: A moves right by k columns and B follows it in; the shared
// column k is drawn by B's pass.
void pushRight(const Scene& s, Extended p) {
  const int64_t k = Trunc(Extended(s.w - 1) * p);
  for (int64_t y = 0; y < s.h; ++y) {
    s.copyColumns(k, y, s.a, 0, s.w - k);          // columns k..W-1: A's 0..W-1-k
    s.copyColumns(0, y, s.b, s.w - 1 - k, k + 1);  // columns 0..k: B's W-1-k..W-1
  }
}

// Degree 180: A leaves to the left, B comes in from the right.
void pushLeft(const Scene& s, Extended p) {
  const int64_t k = Trunc((1 - p) * Extended(s.w - 1));
  for (int64_t y = 0; y < s.h; ++y) {
    s.copyColumns(0, y, s.a, s.w - 1 - k, k + 1);  // columns 0..k: A's W-1-k..W-1
    s.copyColumns(k, y, s.b, 0, s.w - k);          // columns k..W-1: B's 0..W-1-k
  }
}

// Degree 90: A leaves upwards, B comes in from the bottom.
void pushUp(const Scene& s, Extended p) {
  const int64_t k = Trunc((1 - p) * Extended(s.h - 1));
  for (int64_t y = 0; y <= k; ++y) s.copyRow(y, s.a, s.h - 1 - k + y);
  for (int64_t y = k; y < s.h; ++y) s.copyRow(y, s.b, y - k);
}

// Degree 270: A leaves downwards, B comes in from the top.
void pushDown(const Scene& s, Extended p) {
  const int64_t k = Trunc(Extended(s.h - 1) * p);
  for (int64_t y = k; y < s.h; ++y) s.copyRow(y, s.a, y - k);
  for (int64_t y = 0; y <= k; ++y) s.copyRow(y, s.b, s.h - 1 - k + y);
}

// Draws every pixel of `from` moved by (dx, dy) that lands inside the frame.
void placeShifted(const Scene& s, const Dib24View& from, int64_t dx, int64_t dy) {
  const int64_t x0 = std::max<int64_t>(0, -dx), x1 = std::min(s.w, s.w - dx);
  const int64_t y0 = std::max<int64_t>(0, -dy), y1 = std::min(s.h, s.h - dy);
  if (x0 >= x1) return;
  for (int64_t y = y0; y < y1; ++y)
    std::memcpy(s.out.at(int32_t(x0 + dx), int32_t(y + dy)), from.at(int32_t(x0), int32_t(y)),
                size_t(3 * (x1 - x0)));
}

// A diagonal with step (sx, sy): A moves by p of the frame along the step,
// then B, starting one frame against the step, covers it where they overlap.
void pushDiagonal(const Scene& s, Extended p, int sx, int sy) {
  placeShifted(s, s.a, Trunc(Extended(s.w) * p * sx), Trunc(Extended(s.h) * p * sy));
  placeShifted(s, s.b, Trunc(Extended(s.w) * (1 - p) * -sx), Trunc(Extended(s.h) * (1 - p) * -sy));
}

// Any degree but the eight directions leaves the frame black.
void drawPush(const Scene& s, int32_t degree, Extended p) {
  switch (degree) {
    case 0: return pushRight(s, p);
    case 45: return pushDiagonal(s, p, 1, -1);
    case 90: return pushUp(s, p);
    case 135: return pushDiagonal(s, p, -1, -1);
    case 180: return pushLeft(s, p);
    case 225: return pushDiagonal(s, p, -1, 1);
    case 270: return pushDown(s, p);
    case 315: return pushDiagonal(s, p, 1, 1);
    default: return;
  }
}

struct Unit {
  using Settings = Push::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(0, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr plugin::SettingDef kSettings[] = {
      {"DEGREE=", offsetof(Settings, degree), plugin::SettingKind::Int32},
  };

  static HGLOBAL render(const Frame& frame, const Settings& settings) {
    return Push::render(frame, settings);
  }

  static bool dialog(int32_t, Settings& settings, HWND host) {
    return pushf::execute(settings, host);
  }

  // The degree line is written whatever the line number; only line 0 is a
  // line the host should keep.
  static bool saveLine(const Settings& settings, int32_t line, char* buffer) {
    plugin::saveSettingLine(kSettings, &settings, 0, buffer);
    return line == 0;
  }

  // Any other line number leaves the host's line as it is.
  static bool loadLine(Settings& settings, int32_t line, char* text) {
    return line == 0 && plugin::loadSettingLine(kSettings, &settings, 0, text);
  }

  // "Push+ (45°)", the degree sign being byte 0xB0.  A formatting fault
  // leaves an empty name rather than none.
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    char text[24];
    if (std::snprintf(text, sizeof text, " (%d\xB0)", settings.degree) < 0) {
      state.name[0] = '\0';
      return;
    }
    plugin::appendToName(state, text);
  }
};

}  // namespace

HGLOBAL render(const Frame& frame, const Settings& settings) {
  if (!(frame.p > 0)) {
    wipes::WipeCanvas copy(frame, wipes::Start::CopyOfA);
    return copy ? copy.finish() : nullptr;
  }
  // Both pictures are read as 24-bit pictures of A's size from here on.
  wipes::WipeCanvas canvas(frame, wipes::Start::Black);
  if (!canvas || !canvas.attachB()) return nullptr;
  const Scene scene{canvas.out(), canvas.a(), canvas.b(), canvas.width(), canvas.height()};
  if (scene.w > 0 && scene.h > 0)
    drawPush(scene, settings.degree, std::min(Extended(frame.p), Extended(1)));
  return canvas.finish();
}

const plugin::EffectOps kPushPlusOps = wipes::kWipeOps<Unit>;

}  // namespace Push
