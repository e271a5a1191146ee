#include <gtest/gtest.h>

#include "DialogRun.h"
#include "pushf.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using ui::TDir4CheckSet;
using Lines = std::vector<std::string>;

constexpr uint32_t kPushPlus = 0;

ui::TDirection4Button& selector() { return *pushf::PushDlg->Direction4Button1; }

TEST(PushDialog, TheFormIsTheDesignedOne) {
  pushf::TPushDlg form;
  EXPECT_EQ(form.Caption(), "Push configuration");
  EXPECT_EQ(form.ClientWidth(), 235);
  EXPECT_EQ(form.ClientHeight(), 144);
  EXPECT_TRUE(form.ShowHint());
  ui::TDirection4Button& d = *form.Direction4Button1;
  EXPECT_EQ(d.Parent()->Name(), "GroupBox1");
  EXPECT_EQ((std::array{d.Left(), d.Top(), d.Width(), d.Height()}), (std::array{19, 20, 100, 98}));
  EXPECT_EQ(d.Hint(), "Select direction (use numeric keyboard or mouse)");
  EXPECT_TRUE(d.EightDirections());
  EXPECT_TRUE(d.Direction());
  EXPECT_FALSE(d.MultiSelect());
  auto* ok = form.FindComponentAs<ui::TButton>("Button1");
  auto* cancel = form.FindComponentAs<ui::TButton>("Button2");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), ui::mrOk);
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_EQ(cancel->ModalResult(), ui::mrCancel);
}

// The selector shows the stored degree; the keypad picks as on its layout.
TEST(PushDialog, TheKeypadChoosesTheDegree) {
  const struct {
    int key;
    int32_t degree;
  } cases[] = {
      {1, 225}, {2, 270}, {3, 315}, {4, 180}, {6, 0},
      {7, 135}, {8, 90},  {9, 45},  {5, 315}};  // no centre position: the stored 315 stays selected
  for (auto& c : cases) {
    WipeInstance push(kPushPlus);
    ASSERT_TRUE(push.load(0, "DEGREE=315"));
    DialogOutcome outcome = showDialog(
        push, {check([] { EXPECT_EQ(selector().Checked(), TDir4CheckSet{ui::tdLowerRight}); }),
               key("Direction4Button1", VK_NUMPAD0 + c.key), ok()});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(savedLines(push), Lines{"DEGREE=" + std::to_string(c.degree)}) << "numpad" << c.key;
  }
}

TEST(PushDialog, AClickOnACornerChoosesTheDiagonal) {
  WipeInstance push(kPushPlus);
  // 100 x 98: the upper-left corner lies left of x 44 and above y 43.
  DialogOutcome outcome =
      showDialog(push, {mouse("Direction4Button1", VTR_ACTION_MOUSE_DOWN, 5, 5),
                        mouse("Direction4Button1", VTR_ACTION_MOUSE_UP, 5, 5), ok()});
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(savedLines(push), Lines{"DEGREE=135"});
}

// Push+ checks nothing before the form appears: a degree outside the eight
// shows as rightward, Cancel keeps it and OK stores 0.
TEST(PushDialog, ADegreeOutsideTheEightIsKeptUntilOk) {
  WipeInstance push(kPushPlus);
  ASSERT_TRUE(push.load(0, "DEGREE=30"));
  auto showsRight = check([] { EXPECT_EQ(selector().Checked(), TDir4CheckSet{ui::tdRight}); });
  DialogOutcome cancelled =
      showDialog(push, {showsRight, key("Direction4Button1", VK_NUMPAD0 + 8), cancel()});
  EXPECT_FALSE(cancelled.ok);
  EXPECT_EQ(savedLines(push), Lines{"DEGREE=30"});
  EXPECT_EQ(push.name(), "Push+ (30\xB0)");

  DialogOutcome confirmed = showDialog(push, {showsRight, ok()});
  EXPECT_TRUE(confirmed.ok);
  EXPECT_EQ(savedLines(push), Lines{"DEGREE=0"});
  EXPECT_TRUE(confirmed.messages.empty());
}

TEST(PushDialog, TheFormLivesOnlyForTheCall) {
  WipeInstance push(kPushPlus);
  HWND shown = nullptr;
  showDialog(push, {check([&] { shown = pushf::PushDlg->Handle(); }), cancel()});
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(pushf::PushDlg, nullptr);
  EXPECT_FALSE(IsWindow(shown));  // released, and freed by the message loop
  EXPECT_EQ(ui::Application().FormCount(), 0);
  // Nobody to press a button: the dialog ends as cancelled at once.
  EXPECT_FALSE(showDialog(push, {}).ok);
}

}  // namespace
