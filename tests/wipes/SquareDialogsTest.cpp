// The dialogs of Multiple rectangle Wipe (direction and grid size) and
// Square Wipe (anchor and wipe in/out).
#include <gtest/gtest.h>

#include <array>

#include "DialogRun.h"
#include "Squarewf.h"
#include "Squarswf.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::loadLines;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using ui::TDir4CheckSet;
using Lines = std::vector<std::string>;

constexpr uint32_t kMultipleRectangleWipe = 4;
constexpr uint32_t kSquareWipe = 11;

std::array<int32_t, 4> bounds(const ui::TControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

Squarswf::TSquaresWipeDlg& gridForm() { return *Squarswf::SquaresWipeDlg; }
Squarewf::TSquareWipeDlg& squareForm() { return *Squarewf::SquareWipeDlg; }

TEST(MultipleRectangleDialog, TheFormIsTheDesignedOne) {
  Squarswf::TSquaresWipeDlg f;
  EXPECT_EQ(f.Caption(), "Multiple Rectagles Wipe configuration");
  EXPECT_EQ(f.BorderStyle(), "bsDialog");
  EXPECT_EQ(f.ClientWidth(), 280);
  EXPECT_EQ(f.ClientHeight(), 215);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_EQ(bounds(*f.FindComponent("GroupBox1")), (std::array{8, 8, 185, 137}));
  ui::TDirection4Button& d = *f.Direction4Button1;
  EXPECT_EQ(d.Parent()->Name(), "GroupBox1");
  EXPECT_EQ(bounds(d), (std::array{42, 24, 100, 98}));
  EXPECT_EQ(d.Hint(), "Select wipe direction (use numeric keyboard or mouse)");
  EXPECT_EQ(d.Checked(), TDir4CheckSet{ui::tdUpperRight});
  EXPECT_TRUE(d.EightDirections());
  EXPECT_FALSE(d.MultiSelect());
  EXPECT_EQ(bounds(*f.FindComponent("GroupBox2")), (std::array{8, 152, 185, 49}));
  EXPECT_EQ(f.FindComponentAs<ui::TLabel>("Label1")->Caption(), "Rectangles:");
  EXPECT_EQ(f.ComboBox1->Parent()->Name(), "GroupBox2");
  EXPECT_EQ(bounds(*f.ComboBox1), (std::array{88, 18, 89, 21}));
  EXPECT_EQ(f.ComboBox1->Items(),
            (Lines{"1 (1x1)", "4 (2x2)", "9 (3x3)", "16 (4x4)", "25 (5x5)", "36 (6x6)", "49 (7x7)",
                   "64 (8x8)", "81 (9x9)", "100 (10x10)"}));
  EXPECT_EQ(bounds(*f.FindComponent("Button1")), (std::array{200, 16, 75, 25}));
  EXPECT_EQ(bounds(*f.FindComponent("Button2")), (std::array{200, 48, 75, 25}));
}

TEST(SquareDialog, TheFormIsTheDesignedOne) {
  Squarewf::TSquareWipeDlg f;
  EXPECT_EQ(f.Caption(), "Square Wipe configuration");
  EXPECT_EQ(f.BorderStyle(), "bsDialog");
  EXPECT_EQ(f.ClientWidth(), 256);
  EXPECT_EQ(f.ClientHeight(), 127);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_EQ(bounds(*f.FindComponent("GroupBox1")), (std::array{7, 7, 162, 114}));
  auto* label = f.FindComponentAs<ui::TLabel>("Label5");
  EXPECT_EQ(label->Caption(), "&Center of wipe:");
  EXPECT_EQ(label->FocusControl(), f.cbCenter);
  EXPECT_EQ(bounds(*f.cbCenter), (std::array{8, 37, 145, 21}));
  EXPECT_EQ(f.cbCenter->Items(), (Lines{"Image center", "Top left corner", "Top right corner",
                                        "Bottom left corner", "Bottom right corner"}));
  auto* bevel = f.FindComponentAs<ui::TBevel>("Bevel1");
  EXPECT_EQ(bevel->Shape(), "bsTopLine");
  EXPECT_EQ(bounds(*bevel), (std::array{8, 64, 145, 9}));
  EXPECT_EQ(f.RadioButton6->Caption(), "Wipe &in");
  EXPECT_EQ(f.RadioButton7->Caption(), "Wipe o&ut");
  EXPECT_EQ(bounds(*f.RadioButton6), (std::array{8, 72, 145, 17}));
  EXPECT_EQ(bounds(*f.RadioButton7), (std::array{8, 88, 145, 17}));
  EXPECT_FALSE(f.RadioButton6->Checked());
  EXPECT_TRUE(f.RadioButton7->Checked());
  for (auto* c : {(ui::TControl*)f.cbCenter, (ui::TControl*)f.RadioButton6, (ui::TControl*)bevel})
    EXPECT_EQ(c->Parent()->Name(), "GroupBox1");
  EXPECT_EQ(bounds(*f.FindComponent("Button1")), (std::array{176, 16, 75, 25}));
  EXPECT_EQ(bounds(*f.FindComponent("Button2")), (std::array{176, 48, 75, 25}));
}

// The degree and the grid size are reset independently before the form
// appears, and the reset stays when the user cancels.
TEST(MultipleRectangleDialog, OutOfRangeSettingsAreResetEvenOnCancel) {
  const struct {
    Lines loaded, kept;
  } cases[] = {
      {{"SQUARES=0", "DEGREE=90"}, {"SQUARES=4", "DEGREE=90"}},
      {{"SQUARES=11", "DEGREE=315"}, {"SQUARES=4", "DEGREE=315"}},
      {{"SQUARES=7", "DEGREE=30"}, {"SQUARES=7", "DEGREE=45"}},
      {{"SQUARES=2", "DEGREE=360"}, {"SQUARES=2", "DEGREE=45"}},
      {{"SQUARES=-1", "DEGREE=-45"}, {"SQUARES=4", "DEGREE=45"}},
      {{"SQUARES=10", "DEGREE=180"}, {"SQUARES=10", "DEGREE=180"}},
  };
  for (auto& c : cases) {
    WipeInstance grid(kMultipleRectangleWipe);
    loadLines(grid, c.loaded);
    DialogOutcome outcome = showDialog(
        grid, {type("ComboBox1", "1 (1x1)"), key("Direction4Button1", VK_NUMPAD0 + 2), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(grid), c.kept) << c.loaded[0] << " " << c.loaded[1];
    EXPECT_EQ(Squarswf::SquaresWipeDlg, nullptr);
  }
}

// The form shows the stored values; OK stores item index + 1 and the
// selected direction's degree.
TEST(MultipleRectangleDialog, OkStoresTheGridAndTheDirection) {
  const struct {
    int key;
    const char* item;
    Lines lines;
  } cases[] = {
      {1, "1 (1x1)", {"SQUARES=1", "DEGREE=225"}},  {2, "4 (2x2)", {"SQUARES=2", "DEGREE=270"}},
      {3, "9 (3x3)", {"SQUARES=3", "DEGREE=315"}},  {4, "25 (5x5)", {"SQUARES=5", "DEGREE=180"}},
      {6, "49 (7x7)", {"SQUARES=7", "DEGREE=0"}},   {7, "64 (8x8)", {"SQUARES=8", "DEGREE=135"}},
      {8, "81 (9x9)", {"SQUARES=9", "DEGREE=90"}},  {9, "100 (10x10)", {"SQUARES=10", "DEGREE=45"}},
      {5, "36 (6x6)", {"SQUARES=6", "DEGREE=270"}},  // no centre: the shown 270 stays
  };
  for (auto& c : cases) {
    WipeInstance grid(kMultipleRectangleWipe);
    loadLines(grid, {"SQUARES=3", "DEGREE=270"});
    DialogOutcome outcome = showDialog(
        grid, {check([] {
                 EXPECT_EQ(gridForm().ComboBox1->Text(), "9 (3x3)");
                 EXPECT_EQ(gridForm().Direction4Button1->Checked(), TDir4CheckSet{ui::tdDown});
               }),
               type("ComboBox1", c.item), key("Direction4Button1", VK_NUMPAD0 + c.key), ok()});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(grid), c.lines) << "numpad" << c.key;
  }
}

// The list is not in origin order: each item stores its own origin, and
// each stored origin shows as its own item.
TEST(SquareDialog, EveryItemStandsForItsOrigin) {
  const struct {
    const char* item;
    int32_t origin;
    const char* name;
  } cases[] = {
      {"Image center", 101, "Square Wipe Out (Center)"},
      {"Top left corner", 103, "Square Wipe Out (Top Left)"},
      {"Top right corner", 102, "Square Wipe Out (Top Right)"},
      {"Bottom left corner", 104, "Square Wipe Out (Bottom Left)"},
      {"Bottom right corner", 105, "Square Wipe Out (Bottom Right)"},
  };
  for (auto& c : cases) {
    WipeInstance square(kSquareWipe);
    DialogOutcome outcome = showDialog(square, {type("cbCenter", c.item), ok()});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(square), (Lines{"ORIGIN=" + std::to_string(c.origin), "REVERSE=0"}));
    EXPECT_EQ(square.name(), c.name);
    showDialog(square,
               {check([&] { EXPECT_EQ(squareForm().cbCenter->Text(), c.item); }), cancel()});
  }
}

// The radio buttons show and store the wipe form; an accelerator or a
// click checks one and unchecks the other.
TEST(SquareDialog, TheRadioButtonsChooseInOrOut) {
  WipeInstance square(kSquareWipe);
  loadLines(square, {"ORIGIN=105", "REVERSE=1"});
  DialogOutcome toOut = showDialog(square, {check([] {
                                              EXPECT_TRUE(squareForm().RadioButton6->Checked());
                                              EXPECT_FALSE(squareForm().RadioButton7->Checked());
                                            }),
                                            click("RadioButton7"), ok()});
  EXPECT_TRUE(toOut.ok);
  EXPECT_EQ(savedLines(square), (Lines{"ORIGIN=105", "REVERSE=0"}));
  DialogOutcome toIn = showDialog(square, {check([] {
                                             EXPECT_FALSE(squareForm().RadioButton6->Checked());
                                             EXPECT_TRUE(squareForm().RadioButton7->Checked());
                                           }),
                                           click("RadioButton6"), ok()});
  EXPECT_TRUE(toIn.ok);
  EXPECT_EQ(square.name(), "Square Wipe In (Bottom Right)");
}

// An origin outside 101..105 becomes 101 with wipe out before the form
// appears; the reset stays on Cancel.  Within range nothing is reset.
TEST(SquareDialog, AnOriginOutsideTheListIsResetEvenOnCancel) {
  const struct {
    Lines loaded, kept;
  } cases[] = {
      {{"ORIGIN=100", "REVERSE=1"}, {"ORIGIN=101", "REVERSE=0"}},
      {{"ORIGIN=106", "REVERSE=1"}, {"ORIGIN=101", "REVERSE=0"}},
      {{"ORIGIN=104", "REVERSE=1"}, {"ORIGIN=104", "REVERSE=1"}},
  };
  for (auto& c : cases) {
    WipeInstance square(kSquareWipe);
    loadLines(square, c.loaded);
    DialogOutcome outcome =
        showDialog(square, {type("cbCenter", "Top right corner"), click("RadioButton7"), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(square), c.kept) << c.loaded[0];
    EXPECT_EQ(Squarewf::SquareWipeDlg, nullptr);
  }
  WipeInstance square(kSquareWipe);
  loadLines(square, {"ORIGIN=0", "REVERSE=1"});
  showDialog(square, {check([] {
                        EXPECT_EQ(squareForm().cbCenter->Text(), "Image center");
                        EXPECT_TRUE(squareForm().RadioButton7->Checked());
                      }),
                      cancel()});
}

}  // namespace
