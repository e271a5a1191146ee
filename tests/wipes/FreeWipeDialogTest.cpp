#include <gtest/gtest.h>

#include "DialogRun.h"
#include "Freewf.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using Lines = std::vector<std::string>;

constexpr uint32_t kFreeWipe = 1;

Freewf::TFreeWipeDlg& form() { return *Freewf::FreeWipeDlg; }

// The names of the checked radio buttons.
std::vector<std::string> checkedButtons() {
  std::vector<std::string> names;
  for (auto* b : form().Presets())
    if (b->Checked()) names.push_back(b->Name());
  if (form().RadioButton9->Checked()) names.push_back("RadioButton9");
  return names;
}

TEST(FreeWipeDialog, TheFormIsTheDesignedOne) {
  Freewf::TFreeWipeDlg f;
  EXPECT_EQ(f.Caption(), "Free Wipe configuration");
  EXPECT_EQ(f.ClientWidth(), 264);
  EXPECT_EQ(f.ClientHeight(), 208);
  // As designed: 270 degrees, and 15 as the custom angle.
  EXPECT_TRUE(f.RadioButton7->Checked());
  EXPECT_EQ(f.Edit1->Text(), "15");
  EXPECT_EQ(f.RadioButton9->Caption(), "Use &custom wipe angle");
  // Every preset sits in the circle with a label giving its angle.
  const char* labels[] = {"Label4", "Label1", "Label2", "Label3",
                          "Label8", "Label7", "Label6", "Label5"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(f.Presets()[i]->Parent()->Name(), "GroupBox1");
    EXPECT_EQ(f.FindComponentAs<ui::TLabel>(labels[i])->Caption(), std::to_string(45 * i) + "\xB0");
  }
  EXPECT_EQ(f.FindComponentAs<ui::TLabel>("Label9")->FocusControl(), f.Edit1);
}

// Each of the eight degrees checks its preset and leaves the custom angle
// as designed; any other checks the custom button and shows the degree.
TEST(FreeWipeDialog, TheStoredDegreeShowsAsPresetOrCustomAngle) {
  const struct {
    int32_t degree;
    std::vector<std::string> checked;
    const char* edit;
  } cases[] = {
      {0, {"RadioButton1"}, "15"},    {45, {"RadioButton2"}, "15"},  {90, {"RadioButton3"}, "15"},
      {135, {"RadioButton4"}, "15"},  {180, {"RadioButton5"}, "15"}, {225, {"RadioButton6"}, "15"},
      {270, {"RadioButton7"}, "15"},  {315, {"RadioButton8"}, "15"}, {33, {"RadioButton9"}, "33"},
      {359, {"RadioButton9"}, "359"},
  };
  for (auto& c : cases) {
    WipeInstance wipe(kFreeWipe);
    ASSERT_TRUE(wipe.load(0, ("DEGREE=" + std::to_string(c.degree)).c_str()));
    DialogOutcome outcome = showDialog(wipe, {check([&] {
                                                EXPECT_EQ(checkedButtons(), c.checked) << c.degree;
                                                EXPECT_EQ(form().Edit1->Text(), c.edit);
                                              }),
                                              ok()});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(wipe), Lines{"DEGREE=" + std::to_string(c.degree)});
  }
}

// A degree outside 0..359 becomes 0 before the form appears, and stays 0
// when the user cancels whatever was changed.
TEST(FreeWipeDialog, AnOutOfRangeDegreeIsResetEvenOnCancel) {
  for (const char* line : {"DEGREE=400", "DEGREE=360", "DEGREE=-1"}) {
    WipeInstance wipe(kFreeWipe);
    ASSERT_TRUE(wipe.load(0, line));
    DialogOutcome outcome = showDialog(
        wipe, {check([] { EXPECT_EQ(checkedButtons(), std::vector<std::string>{"RadioButton1"}); }),
               click("RadioButton4"), type("Edit1", "77"), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(wipe), Lines{"DEGREE=0"}) << line;
  }
}

TEST(FreeWipeDialog, OkStoresTheChosenAngle) {
  const struct {
    const char* what;
    std::vector<StepDriver::Step> steps;
    const char* line;
  } cases[] = {
      {"a preset", {click("RadioButton3")}, "DEGREE=90"},
      // Entering the edit chooses the custom angle, which is not range-checked.
      {"a typed angle", {type("Edit1", "123")}, "DEGREE=123"},
      {"a large angle", {type("Edit1", "720")}, "DEGREE=720"},
      {"a negative angle", {type("Edit1", "-30")}, "DEGREE=-30"},
      {"no number", {type("Edit1", "abc")}, "DEGREE=0"},
      {"a blank", {type("Edit1", " 12")}, "DEGREE=0"},
      {"the label's accelerator", {focus("Label9")}, "DEGREE=15"},
      {"a preset after typing", {type("Edit1", "123"), click("RadioButton2")}, "DEGREE=45"},
  };
  for (auto& c : cases) {
    WipeInstance wipe(kFreeWipe);
    ASSERT_TRUE(wipe.load(0, "DEGREE=270"));
    auto steps = c.steps;
    steps.push_back(ok());
    DialogOutcome outcome = showDialog(wipe, steps);
    EXPECT_TRUE(outcome.ok) << c.what;
    EXPECT_TRUE(outcome.messages.empty()) << c.what;
    EXPECT_EQ(savedLines(wipe), Lines{c.line}) << c.what;
  }
}

TEST(FreeWipeDialog, EnteringTheCustomAngleChecksItsButton) {
  WipeInstance wipe(kFreeWipe);
  showDialog(
      wipe,
      {
          check([] { EXPECT_FALSE(form().RadioButton9->Checked()); }),
          focus("Edit1"),
          check([] { EXPECT_EQ(checkedButtons(), std::vector<std::string>{"RadioButton9"}); }),
          // Checking a preset while the edit has the focus wins.
          check([] { form().RadioButton5->SetChecked(true); }),
          focus("Button1"),
          check([] { EXPECT_EQ(checkedButtons(), std::vector<std::string>{"RadioButton5"}); }),
          cancel(),
      });
  EXPECT_EQ(savedLines(wipe), Lines{"DEGREE=0"});
}

}  // namespace
