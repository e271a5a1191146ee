// The dialogs of Clock Wipe and Windshield Wipe: a clockwise/counterclockwise
// picker and one drop-down list each.
#include <gtest/gtest.h>

#include <array>

#include "Clockwf.h"
#include "DialogRun.h"
#include "Windshwf.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::loadLines;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using Lines = std::vector<std::string>;

constexpr uint32_t kClockWipe = 9;
constexpr uint32_t kWindshieldWipe = 29;

std::array<int32_t, 4> bounds(const ui::TControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

Clockwf::TClockWipeDlg& clockForm() { return *Clockwf::ClockWipeDlg; }
Windshwf::TWindshieldWipeDlg& windshieldForm() { return *Windshwf::WindshieldWipeDlg; }

const char* const kPickerHint =
    "Select clockwise or counterclockwise (use mouse or 4 and 6 on numeric keyboard)";

TEST(ClockDialog, TheFormIsTheDesignedOne) {
  Clockwf::TClockWipeDlg f;
  EXPECT_EQ(f.Caption(), "Clock Wipe configuration");
  EXPECT_EQ(f.BorderStyle(), "bsDialog");
  EXPECT_EQ(f.ClientWidth(), 248);
  EXPECT_EQ(f.ClientHeight(), 151);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_EQ(f.FindComponentAs<ui::TGroupBox>("GroupBox3")->Caption(), "Wipe &Direction");
  EXPECT_EQ(f.ClockDirection1->Parent()->Name(), "GroupBox3");
  EXPECT_EQ(bounds(*f.ClockDirection1), (std::array{28, 20, 97, 50}));
  EXPECT_EQ(f.ClockDirection1->Hint(), kPickerHint);
  EXPECT_EQ(bounds(*f.FindComponent("GroupBox2")), (std::array{8, 96, 153, 49}));
  auto* label = f.FindComponentAs<ui::TLabel>("Label1");
  EXPECT_EQ(label->Caption(), "Needles:");
  EXPECT_EQ(label->FocusControl(), f.ComboBox1);
  EXPECT_EQ(f.ComboBox1->Parent()->Name(), "GroupBox2");
  EXPECT_EQ(bounds(*f.ComboBox1), (std::array{80, 19, 65, 21}));
  EXPECT_EQ(f.ComboBox1->Items(), (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  auto* ok = f.FindComponentAs<ui::TButton>("Button1");
  auto* cancel = f.FindComponentAs<ui::TButton>("Button2");
  EXPECT_EQ(bounds(*ok), (std::array{168, 16, 75, 25}));
  EXPECT_EQ(bounds(*cancel), (std::array{168, 48, 75, 25}));
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), ui::mrOk);
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_EQ(cancel->ModalResult(), ui::mrCancel);
}

TEST(WindshieldDialog, TheFormIsTheDesignedOne) {
  Windshwf::TWindshieldWipeDlg f;
  EXPECT_EQ(f.Caption(), "Windshield Wipe configuration");
  EXPECT_EQ(f.BorderStyle(), "bsDialog");
  EXPECT_EQ(f.ClientWidth(), 255);
  EXPECT_EQ(f.ClientHeight(), 164);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_EQ(f.FindComponentAs<ui::TGroupBox>("GroupBox3")->Caption(), "&Direction");
  EXPECT_EQ(f.ClockDirection1->Parent()->Name(), "GroupBox3");
  EXPECT_EQ(bounds(*f.ClockDirection1), (std::array{32, 22, 97, 50}));
  EXPECT_EQ(f.ClockDirection1->Hint(), kPickerHint);
  EXPECT_EQ(bounds(*f.FindComponent("GroupBox1")), (std::array{7, 95, 162, 66}));
  EXPECT_EQ(f.FindComponentAs<ui::TLabel>("Label9")->Caption(), "Wipe &center:");
  EXPECT_EQ(f.cbCenter->Parent()->Name(), "GroupBox1");
  EXPECT_EQ(bounds(*f.cbCenter), (std::array{8, 35, 145, 21}));
  EXPECT_EQ(f.cbCenter->Items(),
            (Lines{"Right center", "Top right corner", "Top center", "Top left corner",
                   "Left center", "Bottom left corner", "Bottom center", "Bottom right corner"}));
  EXPECT_EQ(bounds(*f.FindComponent("Button1")), (std::array{176, 16, 75, 25}));
  EXPECT_EQ(bounds(*f.FindComponent("Button2")), (std::array{176, 48, 75, 25}));
}

// Needles outside 1..10 become 4 turning counter-clockwise before the form
// appears; the reset stays when the user then cancels whatever he changed.
TEST(ClockDialog, NeedlesOutsideTheListAreResetEvenOnCancel) {
  for (const char* needles : {"NEEDLES=0", "NEEDLES=11", "NEEDLES=-3"}) {
    WipeInstance clock(kClockWipe);
    loadLines(clock, {needles, "REVERSE=1"});
    DialogOutcome outcome = showDialog(
        clock, {check([] {
                  EXPECT_EQ(clockForm().ComboBox1->ItemIndex(), 3);
                  EXPECT_FALSE(clockForm().ClockDirection1->Clockwise());
                }),
                type("ComboBox1", "8"), key("ClockDirection1", VK_NUMPAD0 + 6), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(clock), (Lines{"NEEDLES=4", "REVERSE=0"})) << needles;
    EXPECT_EQ(clock.name(), "Clock Wipe counterclockwise (4)");
    EXPECT_EQ(Clockwf::ClockWipeDlg, nullptr);
  }
}

// Within range nothing is reset: the form shows the stored values, and
// Cancel after changing every control leaves them.
TEST(ClockDialog, CancelKeepsStoredValues) {
  WipeInstance clock(kClockWipe);
  loadLines(clock, {"NEEDLES=10", "REVERSE=1"});
  DialogOutcome outcome =
      showDialog(clock, {check([] {
                           EXPECT_EQ(clockForm().ComboBox1->Text(), "10");
                           EXPECT_TRUE(clockForm().ClockDirection1->Clockwise());
                         }),
                         type("ComboBox1", "1"), key("ClockDirection1", VK_NUMPAD0 + 4), cancel()});
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(savedLines(clock), (Lines{"NEEDLES=10", "REVERSE=1"}));
}

// OK stores item index + 1 and the picker's direction, set with the
// keypad (4 counterclockwise, 6 clockwise) or a click on either button.
TEST(ClockDialog, OkStoresTheNeedlesAndTheDirection) {
  const struct {
    const char* item;
    std::vector<StepDriver::Step> turn;
    Lines lines;
  } cases[] = {
      {"1", {key("ClockDirection1", VK_NUMPAD0 + 6)}, {"NEEDLES=1", "REVERSE=1"}},
      {"10",
       {key("ClockDirection1", VK_NUMPAD0 + 6), key("ClockDirection1", VK_NUMPAD0 + 4)},
       {"NEEDLES=10", "REVERSE=0"}},
      // 97 wide: the right button from x 55, the left one up to x 42.
      {"5",
       {mouse("ClockDirection1", VTR_ACTION_MOUSE_DOWN, 60, 20),
        mouse("ClockDirection1", VTR_ACTION_MOUSE_UP, 60, 20)},
       {"NEEDLES=5", "REVERSE=1"}},
      {"7",
       {mouse("ClockDirection1", VTR_ACTION_MOUSE_DOWN, 60, 20),
        mouse("ClockDirection1", VTR_ACTION_MOUSE_UP, 60, 20),
        mouse("ClockDirection1", VTR_ACTION_MOUSE_DOWN, 40, 20),
        mouse("ClockDirection1", VTR_ACTION_MOUSE_UP, 40, 20)},
       {"NEEDLES=7", "REVERSE=0"}},
      // A release between the buttons changes nothing.
      {"2",
       {mouse("ClockDirection1", VTR_ACTION_MOUSE_DOWN, 48, 20),
        mouse("ClockDirection1", VTR_ACTION_MOUSE_UP, 48, 20)},
       {"NEEDLES=2", "REVERSE=0"}},
  };
  for (auto& c : cases) {
    WipeInstance clock(kClockWipe);
    std::vector<StepDriver::Step> steps{type("ComboBox1", c.item)};
    steps.insert(steps.end(), c.turn.begin(), c.turn.end());
    steps.push_back(ok());
    DialogOutcome outcome = showDialog(clock, steps);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(clock), c.lines) << c.item;
  }
}

// Item i is the pivot 101 + i; the stored pivot shows as its item.
TEST(WindshieldDialog, EveryItemStoresItsPivot) {
  const char* items[] = {"Right center",    "Top right corner",   "Top center",
                         "Top left corner", "Left center",        "Bottom left corner",
                         "Bottom center",   "Bottom right corner"};
  for (int i = 0; i < 8; ++i) {
    WipeInstance wiper(kWindshieldWipe);
    loadLines(wiper, {"ORIGIN=" + std::to_string(101 + (i + 3) % 8), "REVERSE=0"});
    DialogOutcome outcome = showDialog(
        wiper, {check([i] { EXPECT_EQ(windshieldForm().cbCenter->ItemIndex(), (i + 3) % 8); }),
                type("cbCenter", items[i]), key("ClockDirection1", VK_NUMPAD0 + 6), ok()});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(wiper), (Lines{"ORIGIN=" + std::to_string(101 + i), "REVERSE=1"}));
  }
}

TEST(WindshieldDialog, APivotOutsideTheListIsResetEvenOnCancel) {
  for (const char* origin : {"ORIGIN=100", "ORIGIN=109", "ORIGIN=0"}) {
    WipeInstance wiper(kWindshieldWipe);
    loadLines(wiper, {origin, "REVERSE=1"});
    DialogOutcome outcome = showDialog(
        wiper, {check([] {
                  EXPECT_EQ(windshieldForm().cbCenter->Text(), "Bottom center");
                  EXPECT_FALSE(windshieldForm().ClockDirection1->Clockwise());
                }),
                type("cbCenter", "Top center"), key("ClockDirection1", VK_NUMPAD0 + 6), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(wiper), (Lines{"ORIGIN=107", "REVERSE=0"})) << origin;
    EXPECT_EQ(wiper.name(), "Windshield Wipe counterclockwise (Bottom center)");
    EXPECT_EQ(Windshwf::WindshieldWipeDlg, nullptr);
  }
  // In range, the clockwise flag survives the opening.
  WipeInstance wiper(kWindshieldWipe);
  loadLines(wiper, {"ORIGIN=108", "REVERSE=1"});
  EXPECT_FALSE(showDialog(wiper, {type("cbCenter", "Top center"), cancel()}).ok);
  EXPECT_EQ(savedLines(wiper), (Lines{"ORIGIN=108", "REVERSE=1"}));
}

}  // namespace
