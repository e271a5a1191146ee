#include <gtest/gtest.h>

#include "Bandsp2f.h"
#include "Bandspf.h"
#include "Bandsw2f.h"
#include "Bandswf.h"
#include "DialogRun.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::loadLines;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using ui::TDir4CheckSet;
using Lines = std::vector<std::string>;

constexpr uint32_t kBandsWipe = 2, kBandsPush = 3, kBandsWipe2 = 6, kBandsPush2 = 7;
constexpr uint32_t kAllBands[] = {kBandsWipe, kBandsPush, kBandsWipe2, kBandsPush2};

// The form of the dialog being shown for effect `index`.
BandsDialog::TBandsDlg& shownForm(uint32_t index) {
  BandsDialog::TBandsDlg* form = nullptr;
  switch (index) {
    case kBandsWipe: form = Bandswf::BandsWipeDlg; break;
    case kBandsPush: form = Bandspf::BandsPushDlg; break;
    case kBandsWipe2: form = Bandsw2f::BandsWipe2Dlg; break;
    case kBandsPush2: form = Bandsp2f::BandsPush2Dlg; break;
  }
  if (!form) throw std::logic_error("no band dialog is shown");
  return *form;
}

TEST(BandsDialog, TheFormsDifferOnlyAsDesigned) {
  const TDir4CheckSet axis{ui::tdUp, ui::tdDown};
  const struct {
    std::unique_ptr<BandsDialog::TBandsDlg> form;
    const char* caption;
    int32_t width, height;
    const char* hint;
    bool axisMode;
  } cases[] = {
      {std::make_unique<Bandswf::TBandsWipeDlg>(), "Bands Wipe configuration", 280, 209,
       "Select Horizontal or Vertical (use numeric keyboard or mouse)", true},
      {std::make_unique<Bandspf::TBandsPushDlg>(), "Bands Push  configuration", 281, 205,
       "Select Horizontal or Vertical (use numeric keyboard or mouse)", true},
      {std::make_unique<Bandsw2f::TBandsWipe2Dlg>(), "Bands Wipe 2 Phase configuration", 280, 205,
       "Select direction of first wipe phase (use numeric keyboard or mouse)", false},
      {std::make_unique<Bandsp2f::TBandsPush2Dlg>(), "Bands Push 2 Phase configuration", 280, 207,
       "Select direction of first push phase (use numeric keyboard or mouse)", false},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.form->Caption(), c.caption);
    EXPECT_EQ(c.form->ClientWidth(), c.width);
    EXPECT_EQ(c.form->ClientHeight(), c.height);
    const ui::TDirection4Button& d = *c.form->Direction4Button1;
    EXPECT_EQ(d.Hint(), c.hint);
    EXPECT_EQ(d.Direction(), !c.axisMode);
    EXPECT_EQ(d.MultiSelect(), c.axisMode);
    EXPECT_FALSE(d.EightDirections());
    EXPECT_EQ(d.Checked(), c.axisMode ? axis : TDir4CheckSet{ui::tdUp});
    EXPECT_EQ(c.form->Edit1->Parent()->Name(), "GroupBox2");
    EXPECT_EQ(c.form->FindComponentAs<ui::TLabel>("Label1")->FocusControl(), c.form->Edit1);
  }
}

// The check before the form appears, kept even when the user cancels after
// changing every control; phases are forced to the effect's own value.
TEST(BandsDialog, TheResetBeforeTheFormStaysOnCancel) {
  const struct {
    uint32_t index;
    Lines stored;
    const char* shown;
    TDir4CheckSet selected;
    Lines kept;
  } cases[] = {
      {kBandsWipe,
       {"DEGREE=180", "BANDS=5", "PHASES=2"},
       "10",
       {ui::tdLeft, ui::tdRight},
       {"DEGREE=0", "BANDS=10", "PHASES=1"}},
      {kBandsWipe,
       {"DEGREE=90", "BANDS=1", "PHASES=2"},
       "1",
       {ui::tdUp, ui::tdDown},
       {"DEGREE=90", "BANDS=1", "PHASES=1"}},
      {kBandsPush,
       {"DEGREE=90", "BANDS=10000"},
       "10",
       {ui::tdLeft, ui::tdRight},
       {"DEGREE=0", "BANDS=10"}},
      {kBandsPush,
       {"DEGREE=90", "BANDS=9999"},
       "9999",
       {ui::tdUp, ui::tdDown},
       {"DEGREE=90", "BANDS=9999"}},
      {kBandsWipe2,
       {"DEGREE=270", "BANDS=1", "PHASES=1"},
       "10",
       {ui::tdRight},
       {"DEGREE=0", "BANDS=10", "PHASES=2"}},
      {kBandsWipe2,
       {"DEGREE=45", "BANDS=12", "PHASES=1"},
       "10",
       {ui::tdRight},
       {"DEGREE=0", "BANDS=10", "PHASES=2"}},
      {kBandsWipe2,
       {"DEGREE=180", "BANDS=2", "PHASES=1"},
       "2",
       {ui::tdLeft},
       {"DEGREE=180", "BANDS=2", "PHASES=2"}},
      {kBandsPush2,
       {"DEGREE=270", "BANDS=1", "PHASES=1"},
       "1",
       {ui::tdDown},
       {"DEGREE=270", "BANDS=1", "PHASES=2"}},
      {kBandsPush2,
       {"DEGREE=90", "BANDS=0", "PHASES=7"},
       "10",
       {ui::tdRight},
       {"DEGREE=0", "BANDS=10", "PHASES=2"}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.stored[0] + " " + c.stored[1] + " for index " + std::to_string(c.index));
    WipeInstance bands(c.index);
    loadLines(bands, c.stored);
    DialogOutcome outcome = showDialog(
        bands, {check([&] {
                  auto& f = shownForm(c.index);
                  EXPECT_EQ(f.Edit1->Text(), c.shown);
                  EXPECT_EQ(f.Direction4Button1->Checked(), c.selected);
                }),
                key("Direction4Button1", VK_NUMPAD0 + 4), type("Edit1", "25"), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(bands), c.kept);
  }
}

// Axis mode: a click selects a whole axis, and only the straight ones.
TEST(BandsDialog, OkStoresTheAxisAndTheBands) {
  const struct {
    int key;
    const char* degree;
  } cases[] = {{4, "DEGREE=0"},  {6, "DEGREE=0"}, {8, "DEGREE=90"}, {2, "DEGREE=90"},
               {7, "DEGREE=90"}, {5, "DEGREE=90"}};  // no diagonals, no centre: unchanged
  for (uint32_t index : {kBandsWipe, kBandsPush})
    for (auto& c : cases) {
      WipeInstance bands(index);
      loadLines(bands, {"DEGREE=90", "BANDS=3"});
      DialogOutcome outcome = showDialog(
          bands, {key("Direction4Button1", VK_NUMPAD0 + c.key), type("Edit1", "2"), ok()});
      EXPECT_TRUE(outcome.ok);
      Lines expected{c.degree, "BANDS=2"};
      if (index == kBandsWipe) expected.push_back("PHASES=1");
      EXPECT_EQ(savedLines(bands), expected) << "index " << index << " numpad" << c.key;
    }
}

// Direction mode: one of four directions, the first phase's.
TEST(BandsDialog, OkStoresTheFirstPhaseDirectionAndTheBands) {
  const struct {
    int key;
    const char* degree;
  } cases[] = {{6, "DEGREE=0"},   {8, "DEGREE=90"}, {4, "DEGREE=180"}, {2, "DEGREE=270"},
               {9, "DEGREE=270"}, {5, "DEGREE=270"}};  // no diagonals, no centre: unchanged
  for (uint32_t index : {kBandsWipe2, kBandsPush2})
    for (auto& c : cases) {
      WipeInstance bands(index);
      loadLines(bands, {"DEGREE=270", "BANDS=3", "PHASES=1"});
      DialogOutcome outcome = showDialog(
          bands, {key("Direction4Button1", VK_NUMPAD0 + c.key), type("Edit1", "9999"), ok()});
      EXPECT_TRUE(outcome.ok);
      EXPECT_EQ(savedLines(bands), (Lines{c.degree, "BANDS=9999", "PHASES=2"}))
          << "index " << index << " numpad" << c.key;
    }
}

// A count outside 2..9999 (or no number) keeps the focus in the field and
// the dialog open, whichever way the user tries to leave it.
TEST(BandsDialog, TheBandCountIsCheckedWhenTheFocusLeaves) {
  const Message expected{"Input error", "The number of bands must be in the interval 2-9999", 0x30};
  for (uint32_t index : kAllBands) {
    SCOPED_TRACE(index);
    WipeInstance bands(index);
    auto stillOpen = check([index] {
      auto& f = shownForm(index);
      EXPECT_EQ(f.ActiveControl(), f.Edit1);
      EXPECT_EQ(f.ModalResult(), ui::mrNone);
      EXPECT_TRUE(f.Showing());
    });
    DialogOutcome outcome = showDialog(bands, {
                                                  type("Edit1", "1"),
                                                  ok(),
                                                  stillOpen,
                                                  type("Edit1", "10000"),
                                                  key("Edit1", VK_RETURN),
                                                  stillOpen,
                                                  type("Edit1", "abc"),
                                                  focus("Direction4Button1"),
                                                  stillOpen,
                                                  type("Edit1", "2"),
                                                  focus("Direction4Button1"),
                                                  key("Direction4Button1", VK_NUMPAD0 + 8),
                                                  ok(),
                                              });
    EXPECT_TRUE(outcome.ok);
    ASSERT_EQ(outcome.messages.size(), 3u);
    for (auto& m : outcome.messages) {
      EXPECT_EQ(m.caption, expected.caption);
      EXPECT_EQ(m.text, expected.text);
      EXPECT_EQ(m.type, expected.type);
    }
    EXPECT_EQ(savedLines(bands)[0], "DEGREE=90");
    EXPECT_EQ(savedLines(bands)[1], "BANDS=2");
  }
}

// A count shown from the settings is checked only once the user leaves the
// field: OK without touching it keeps a stored 1.  Text that is no number
// when OK is taken (the field never had the focus) writes nothing back.
TEST(BandsDialog, OkTakesTheFieldAsItStands) {
  WipeInstance wipe(kBandsWipe);
  loadLines(wipe, {"DEGREE=90", "BANDS=1"});
  EXPECT_TRUE(showDialog(wipe, {ok()}).ok);
  EXPECT_EQ(savedLines(wipe), (Lines{"DEGREE=90", "BANDS=1", "PHASES=1"}));

  WipeInstance push2(kBandsPush2);
  loadLines(push2, {"DEGREE=90", "BANDS=7", "PHASES=1"});
  DialogOutcome outcome =
      showDialog(push2, {key("Direction4Button1", VK_NUMPAD0 + 4),
                         check([] { shownForm(kBandsPush2).Edit1->SetText("seven"); }), ok()});
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(savedLines(push2), (Lines{"DEGREE=90", "BANDS=7", "PHASES=2"}));
}

}  // namespace
