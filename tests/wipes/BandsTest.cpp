#include <gtest/gtest.h>

#include <cstring>

#include "BandsP.h"
#include "BandsP2.h"
#include "BandsW.h"
#include "BandsW2.h"
#include "LineOrigins.h"
#include "Pictures.h"
#include "PlugHdr.h"

namespace {

using testsupport::columnOrigins;
using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::rowOrigins;
using testsupport::sourceMap;
using Rows = std::vector<std::string>;

enum class Effect { Wipe, Push, Wipe2, Push2 };

struct Settings {
  int32_t degree = 0, bands = 10, phases = 1;
};

wipes::Rendered renderWith(Effect effect, const wipes::Frame& frame, const Settings& s) {
  switch (effect) {
    case Effect::Wipe: return BandsW::render(frame, {s.degree, s.bands, s.phases});
    case Effect::Push: return BandsP::render(frame, {s.degree, s.bands});
    case Effect::Wipe2: return BandsW2::render(frame, {s.degree, s.bands, s.phases});
    case Effect::Push2: return BandsP2::render(frame, {s.degree, s.bands, s.phases});
  }
  return {};
}

struct BandsRun {
  std::unique_ptr<testsupport::GuardedBuffer> a, b;
  GlobalHandle out;
  bool drawn;
  BandsRun(Effect effect, const Settings& s, int32_t w, int32_t h, double p)
      : a(provenancePicture('A', w, h)), b(provenancePicture('B', w, h)) {
    wipes::Rendered r = renderWith(effect, {a->data(), b->data(), p, 0, 0, 0}, s);
    out.handle = r.output;
    drawn = r.drawn;
  }
  Rows map() const { return out.get() ? sourceMap(out.get()) : Rows{}; }
};

// With two bands on 4 lines, line 2 is the phase-one band and lines 0, 1
// and 3 are phase-two: the pictures below are 11 x 4 (rows as bands, for
// degrees 0 and 180) or 4 x 11 (columns as bands, for 90 and 270).
Rows rowsWithPhaseOneRow2(const std::string& phaseTwo, const std::string& phaseOne) {
  return {phaseTwo, phaseTwo, phaseOne, phaseTwo};
}
Rows columnsWithPhaseOneColumn2(int from1, int to1, int from2, int to2) {
  Rows rows(11, "aaaa");
  for (int y = 0; y < 11; ++y) {
    if (y >= from2 && y <= to2) rows[y][0] = rows[y][1] = rows[y][3] = 'B';
    if (y >= from1 && y <= to1) rows[y][2] = 'B';
  }
  return rows;
}

struct WipeCase {
  Effect effect;
  int32_t degree;
  double p;
  Rows rows;
};

class BandsWipeFrames : public ::testing::TestWithParam<WipeCase> {};

TEST_P(BandsWipeFrames, UncoverBFromTheBandsSides) {
  const WipeCase& c = GetParam();
  const bool rows = c.degree == 0 || c.degree == 180;
  Settings settings{c.degree, 2, c.effect == Effect::Wipe ? 1 : 2};
  BandsRun run(c.effect, settings, rows ? 11 : 4, rows ? 4 : 11, c.p);
  EXPECT_TRUE(run.drawn);
  EXPECT_EQ(run.map(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BandsWipeFrames,
    ::testing::Values(
        // t(0.25) = 2 and u(0.25) = 7: the right-hand side starts at u, the
        // bottom at 10 - t = 8.
        WipeCase{Effect::Wipe, 0, 0.25, rowsWithPhaseOneRow2("aaaaaaaBBBB", "BBBaaaaaaaa")},
        WipeCase{Effect::Wipe, 180, 0.25, rowsWithPhaseOneRow2("BBBaaaaaaaa", "aaaaaaaBBBB")},
        WipeCase{Effect::Wipe, 90, 0.25, columnsWithPhaseOneColumn2(8, 10, 0, 2)},
        WipeCase{Effect::Wipe, 270, 0.25, columnsWithPhaseOneColumn2(0, 2, 8, 10)},
        // 0.3 x 10 in extended precision truncates to 2, not 3.
        WipeCase{Effect::Wipe, 0, 3.0 / 10.0, rowsWithPhaseOneRow2("aaaaaaaBBBB", "BBBaaaaaaaa")},
        // Below one line of motion the left shows one column, the right two.
        WipeCase{Effect::Wipe, 0, 0.05, rowsWithPhaseOneRow2("aaaaaaaaaBB", "Baaaaaaaaaa")},
        WipeCase{Effect::Wipe, 90, 0.05, columnsWithPhaseOneColumn2(10, 10, 0, 0)},
        // Two phases: the phase-one bands move first with q1 = 2p ...
        WipeCase{Effect::Wipe2, 90, 0.25, columnsWithPhaseOneColumn2(5, 10, -1, -1)},
        // ... and are all B from the half on, when the others start (q2 = 0).
        WipeCase{Effect::Wipe2, 90, 0.5, columnsWithPhaseOneColumn2(0, 10, 0, 0)},
        WipeCase{Effect::Wipe2, 90, 0.75, columnsWithPhaseOneColumn2(0, 10, 0, 5)},
        WipeCase{Effect::Wipe2, 0, 0.75, rowsWithPhaseOneRow2("aaaaaBBBBBB", "BBBBBBBBBBB")}));

// Within one band line: (row origins for 0 and 180, column origins for 90
// and 270) of the phase-one line 2 and a phase-two line.
struct PushCase {
  Effect effect;
  int32_t degree;
  double p;
  std::string phaseOne, phaseTwo;
};

class BandsPushFrames : public ::testing::TestWithParam<PushCase> {};

TEST_P(BandsPushFrames, ShiftTheBandsInPlace) {
  const PushCase& c = GetParam();
  const bool rows = c.degree == 0 || c.degree == 180;
  Settings settings{c.degree, 2, c.effect == Effect::Push2 ? 2 : 1};
  BandsRun run(c.effect, settings, rows ? 5 : 4, rows ? 4 : 5, c.p);
  ASSERT_NE(run.out.get(), nullptr);
  auto line = [&](int32_t i) {
    return rows ? rowOrigins(run.out.get(), i) : columnOrigins(run.out.get(), i);
  };
  EXPECT_EQ(line(2), c.phaseOne);
  for (int32_t i : {0, 1, 3}) EXPECT_EQ(line(i), c.phaseTwo) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BandsPushFrames,
    ::testing::Values(PushCase{Effect::Push, 0, 0.5, "B2 B3 B4 A1 A2", "A2 A3 B0 B1 B2"},
                      PushCase{Effect::Push, 180, 0.5, "A2 A3 B0 B1 B2", "B2 B3 B4 A1 A2"},
                      PushCase{Effect::Push, 90, 0.5, "A2 A3 B0 B1 B2", "B2 B3 B4 A1 A2"},
                      PushCase{Effect::Push, 270, 0.5, "B2 B3 B4 A1 A2", "A2 A3 B0 B1 B2"},
                      PushCase{Effect::Push, 0, 0.3, "B3 B4 A1 A2 A3", "A2 A3 B0 B1 B2"},
                      // Two phases: first the phase-one bands alone (q1 = 0.5) ...
                      PushCase{Effect::Push2, 0, 0.25, "B2 B3 B4 A1 A2", "A0 A1 A2 A3 A4"},
                      PushCase{Effect::Push2, 270, 0.25, "B2 B3 B4 A1 A2", "A0 A1 A2 A3 A4"},
                      // ... then the others the opposite way (q2 = 0.5) over a B band.
                      PushCase{Effect::Push2, 0, 0.75, "B0 B1 B2 B3 B4", "A2 A3 B0 B1 B2"},
                      PushCase{Effect::Push2, 90, 0.75, "B0 B1 B2 B3 B4", "B2 B3 B4 A1 A2"}));

TEST(Bands, EveryEffectStartsOnAAndEndsOnB) {
  for (Effect effect : {Effect::Wipe, Effect::Push, Effect::Wipe2, Effect::Push2})
    for (int32_t degree : {0, 90, 180, 270})
      for (int32_t bands : {1, 2, 3, 10}) {
        Settings settings{degree, bands, effect == Effect::Wipe || effect == Effect::Push ? 1 : 2};
        BandsRun first(effect, settings, 13, 9, 0.0);
        EXPECT_EQ(first.map(), Rows(9, "aaaaaaaaaaaaa"));
        BandsRun last(effect, settings, 13, 9, 1.0);
        EXPECT_EQ(last.map(), Rows(9, "BBBBBBBBBBBBB"))
            << int(effect) << " " << degree << " " << bands;
      }
}

TEST(Bands, PushTwoPhaseWithOnePhaseRendersBandsPush) {
  for (int32_t degree : {0, 90, 180, 270})
    for (double p : {0.1, 0.3, 0.5, 0.8}) {
      BandsRun push(Effect::Push, {degree, 5, 0}, 17, 13, p);
      BandsRun push2(Effect::Push2, {degree, 5, 1}, 17, 13, p);
      ASSERT_NE(push.out.get(), nullptr);
      ASSERT_NE(push2.out.get(), nullptr);
      EXPECT_EQ(testsupport::originGrid(push.out.get()), testsupport::originGrid(push2.out.get()));
    }
}

TEST(Bands, BandsWipeWithTwoPhasesRendersTheTwoPhaseWipe) {
  for (double p : {0.2, 0.6}) {
    BandsRun wipe(Effect::Wipe, {270, 4, 2}, 16, 9, p);
    BandsRun wipe2(Effect::Wipe2, {270, 4, 2}, 16, 9, p);
    EXPECT_EQ(wipe.map(), wipe2.map());
  }
}

// With a single band, a band count of 0 or less, or more bands than the
// extent can hold (the band test's period rounds to 0), the whole picture
// is one phase-one band.
TEST(Bands, BandsTheExtentCannotHoldMakeOnePhaseOneBand) {
  const Rows wholeFromLeft(3, "BBBBBBaaaaa");
  for (int32_t bands : {1, 0, -5, 8, 12})
    EXPECT_EQ(BandsRun(Effect::Wipe, {0, bands, 1}, 11, 3, 0.5).map(), wholeFromLeft) << bands;
  // A picture one pixel high has an extent of 0 lines.
  EXPECT_EQ(BandsRun(Effect::Wipe, {0, 2, 1}, 11, 1, 0.5).map(), Rows{"BBBBBBaaaaa"});
  EXPECT_EQ(BandsRun(Effect::Wipe, {90, 2, 1}, 1, 11, 0.5).map(),
            (Rows{"a", "a", "a", "a", "a", "B", "B", "B", "B", "B", "B"}));
  // Two-phase timing still applies: the one band moves in the first half
  // and is B from then on.
  EXPECT_EQ(BandsRun(Effect::Wipe2, {0, 8, 2}, 11, 3, 0.25).map(), wholeFromLeft);
  EXPECT_EQ(BandsRun(Effect::Wipe2, {0, 8, 2}, 11, 3, 0.5).map(), Rows(3, "BBBBBBBBBBB"));
}

TEST(Bands, OtherDegreesDrawNothingAndOnlyThePushesCallThatDrawn) {
  for (Effect effect : {Effect::Wipe, Effect::Push, Effect::Wipe2, Effect::Push2})
    for (int32_t degree : {45, -90, 360}) {
      BandsRun run(effect, {degree, 2, 1}, 6, 4, 0.5);
      EXPECT_EQ(run.map(), Rows(4, "aaaaaa"));
      EXPECT_EQ(run.drawn, effect == Effect::Push || effect == Effect::Push2);
    }
}

TEST(Bands, RefusePictureBTheyCannotReadAtAsCoordinates) {
  auto a = provenancePicture('A', 6, 4);
  auto narrow = provenancePicture('B', 5, 4);
  auto grey = testsupport::makeDib(6, 4, 8, [](int32_t, int32_t) { return 0u; }, {0});
  for (Effect effect : {Effect::Wipe, Effect::Push, Effect::Wipe2, Effect::Push2})
    for (const void* b :
         {static_cast<const void*>(narrow->data()), static_cast<const void*>(grey.data()),
          static_cast<const void*>(nullptr)}) {
      wipes::Rendered r = renderWith(effect, {a->data(), b, 0.5, 0, 0, 0}, {90, 2, 1});
      EXPECT_EQ(r.output, nullptr);
    }
}

TEST(Bands, PictureAOfAnyDepthIsCopiedFirst) {
  auto a = testsupport::makeDib(6, 4, 8, [](int32_t, int32_t) { return 1u; }, {0, 0x0000FF});
  auto b = provenancePicture('B', 6, 4);
  wipes::Rendered r = BandsW::render({a.data(), b->data(), 0.5, 0, 0, 0}, {0, 1, 1});
  GlobalHandle out(r.output);
  ASSERT_NE(out.get(), nullptr);
  EXPECT_EQ(testsupport::pixelOf(out.get(), 5, 0), 0x0000FFu);
  EXPECT_EQ(sourceMap(out.get())[0].substr(0, 3), "BBB");
}

// ---- the dialogs' resets ----

TEST(Bands, DialogResetsOutOfRangeSettings) {
  struct Case {
    int32_t degree, bands;
    bool keptByWipe, keptByWipe2, keptByPush2;  // Bands Push checks as Bands Wipe
  };
  for (Case c : {Case{0, 10, true, true, true}, Case{90, 1, true, false, true},
                 Case{90, 9999, true, true, true}, Case{0, 10000, false, false, false},
                 Case{0, 0, false, false, false}, Case{180, 5, false, true, true},
                 Case{270, 2, false, true, true}, Case{45, 5, false, false, false}}) {
    SCOPED_TRACE(std::to_string(c.degree) + "/" + std::to_string(c.bands));
    auto expect = [&](int32_t degree, int32_t bands, bool kept) {
      EXPECT_EQ(degree, kept ? c.degree : 0);
      EXPECT_EQ(bands, kept ? c.bands : 10);
    };
    BandsW::Settings wipe{c.degree, c.bands, 7};
    BandsW::resetBeforeDialog(wipe);
    expect(wipe.degree, wipe.bands, c.keptByWipe);
    EXPECT_EQ(wipe.phases, 1);

    BandsP::Settings push{c.degree, c.bands};
    BandsP::resetBeforeDialog(push);
    expect(push.degree, push.bands, c.keptByWipe);

    BandsW2::Settings wipe2{c.degree, c.bands, 1};
    BandsW2::resetBeforeDialog(wipe2);
    expect(wipe2.degree, wipe2.bands, c.keptByWipe2);
    EXPECT_EQ(wipe2.phases, 2);

    BandsP2::Settings push2{c.degree, c.bands, 1};
    BandsP2::resetBeforeDialog(push2);
    expect(push2.degree, push2.bands, c.keptByPush2);
    EXPECT_EQ(push2.phases, 2);
  }
}

// ---- through the library's exports ----

struct Instance {
  uint32_t index;
  HGLOBAL handle;
  explicit Instance(uint32_t i) : index(i), handle(piLocalInit(i, 1)) {}
  ~Instance() { piLocalDone(index, handle); }
  std::string save(int32_t line, bool* answered = nullptr) const {
    char buffer[32] = "untouched";
    bool ok = piLocalSaveData(index, handle, line, buffer) != 0;
    if (answered) *answered = ok;
    return buffer;
  }
  bool load(int32_t line, const char* text) const {
    char buffer[32];
    std::strcpy(buffer, text);
    return piLocalLoadData(index, handle, line, buffer) != 0;
  }
};

TEST(BandsExports, SettingsLinesPerEffect) {
  struct Case {
    uint32_t index;
    std::vector<std::string> lines;  // what lines 0, 1, ... save by default
  };
  for (const Case& c :
       {Case{2, {"DEGREE=0", "BANDS=10", "PHASES=1"}}, Case{3, {"DEGREE=0", "BANDS=10"}},
        Case{6, {"DEGREE=0", "BANDS=10", "PHASES=2"}},
        Case{7, {"DEGREE=0", "BANDS=10", "PHASES=2"}}}) {
    SCOPED_TRACE(c.index);
    Instance instance(c.index);
    bool answered = false;
    for (size_t line = 0; line < c.lines.size(); ++line) {
      EXPECT_EQ(instance.save(int32_t(line), &answered), c.lines[line]);
      EXPECT_TRUE(answered);
    }
    EXPECT_EQ(instance.save(int32_t(c.lines.size()), &answered), "untouched");
    EXPECT_FALSE(answered);
    EXPECT_FALSE(instance.load(int32_t(c.lines.size()), "PHASES=3"));
    EXPECT_TRUE(instance.load(1, "bands=$c"));
    EXPECT_EQ(instance.save(1), "BANDS=12");
  }
}

TEST(BandsExports, LoadingLowerCasesTheLineWhateverItsNumber) {
  Instance instance(3);
  char line[] = "PHASES=2";
  EXPECT_EQ(piLocalLoadData(3, instance.handle, 2, line), 0);
  EXPECT_STREQ(line, "phases=2");
}

TEST(BandsExports, NamesShowAxisOrDegreeAndBands) {
  struct Case {
    uint32_t index;
    const char* degree;
    const char* bands;
    const char* name;
  };
  for (Case c : {Case{2, "DEGREE=0", "BANDS=10", "Bands Wipe (Hor.,10)"},
                 Case{2, "DEGREE=180", "BANDS=10", "Bands Wipe (Ver.,10)"},
                 Case{3, "DEGREE=90", "BANDS=3", "Bands Push (Ver.,3)"},
                 Case{6, "DEGREE=180", "BANDS=4", "Bands Wipe 2 Phase (180\xB0,4)"},
                 Case{7, "DEGREE=270", "BANDS=12", "Bands Push 2 Phase (270\xB0,12)"}}) {
    ASSERT_NE(piInit(c.index), 0);
    Instance instance(c.index);
    instance.load(0, c.degree);
    instance.load(1, c.bands);
    EXPECT_STREQ(piLocalName(c.index, instance.handle), c.name);
    piDone(c.index);
  }
  EXPECT_STREQ(piLocalName(7, nullptr), "Bands Push 2 Phase");
}

TEST(BandsExports, WipeWithADegreeItCannotDrawStoresTheCopyOfAAndAnswersFalse) {
  auto a = provenancePicture('A', 6, 4);
  auto b = provenancePicture('B', 6, 4);
  for (uint32_t index : {2u, 3u, 6u, 7u}) {
    Instance instance(index);
    instance.load(0, "DEGREE=45");
    piLocalLength(index, instance.handle, 2);
    piLocalSetData(index, instance.handle, a->data(), 1, b->data(), 1);
    piLocalProcessDataStart(index, instance.handle);
    EXPECT_NE(piLocalProcessData(index, instance.handle), 0) << "p = 0 is the copy";
    GlobalHandle first(piLocalGetData(index, instance.handle));
    const bool push = index == 3 || index == 7;
    EXPECT_EQ(piLocalProcessData(index, instance.handle) != 0, push) << index;
    GlobalHandle second(piLocalGetData(index, instance.handle));
    ASSERT_NE(second.get(), nullptr);
    EXPECT_EQ(sourceMap(second.get()), Rows(4, "aaaaaa"));
  }
}

}  // namespace
