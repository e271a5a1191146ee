// The dialog of Slide In and Slide out: one form for both indices, captioned
// after the direction flag.
#include <gtest/gtest.h>

#include <array>

#include "DialogRun.h"
#include "Slidef.h"

namespace {

using testsupport::DialogOutcome;
using testsupport::savedLines;
using testsupport::showDialog;
using testsupport::WipeInstance;
using namespace uitest;
using ui::TDir4CheckSet;
using Lines = std::vector<std::string>;

constexpr uint32_t kSlideIn = 12;
constexpr uint32_t kSlideOut = 40;

Slidef::TSlidePlusDlg& form() { return *Slidef::SlidePlusDlg; }

TEST(SlideDialog, TheFormIsTheDesignedOne) {
  Slidef::TSlidePlusDlg f;
  EXPECT_EQ(f.Caption(), "Slide configuration");
  EXPECT_EQ(f.BorderStyle(), "bsDialog");
  EXPECT_EQ(f.ClientWidth(), 241);
  EXPECT_EQ(f.ClientHeight(), 151);
  EXPECT_TRUE(f.ShowHint());
  EXPECT_EQ(f.FindComponentAs<ui::TGroupBox>("GroupBox1")->Caption(), "&Direction");
  ui::TDirection4Button& d = *f.Direction4Button1;
  EXPECT_EQ(d.Parent()->Name(), "GroupBox1");
  EXPECT_EQ(d.Hint(), "Select slide direction  (use numeric keyboard or mouse)");
  EXPECT_EQ(d.Checked(), TDir4CheckSet{ui::tdRight});
  EXPECT_TRUE(d.EightDirections());
  EXPECT_TRUE(d.Direction());
  EXPECT_FALSE(d.MultiSelect());
  auto* ok = f.FindComponentAs<ui::TButton>("Button1");
  auto* cancel = f.FindComponentAs<ui::TButton>("Button2");
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), ui::mrOk);
  EXPECT_EQ(cancel->Caption(), "Cancel");
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_EQ(cancel->ModalResult(), ui::mrCancel);
}

TEST(SlideDialog, TheCaptionNamesTheIndex) {
  for (auto [index, caption] : {std::pair{kSlideIn, "Slide in configuration"},
                                std::pair{kSlideOut, "Slide out configuration"}}) {
    WipeInstance slide(index);
    showDialog(slide, {check([caption] { EXPECT_EQ(form().Caption(), caption); }), cancel()});
  }
}

// Each keypad key stores its direction's degree; keypad 5 (no centre)
// leaves the shown direction selected.
TEST(SlideDialog, TheKeypadChoosesTheDegree) {
  const struct {
    int key;
    int32_t degree;
  } cases[] = {{1, 225}, {2, 270}, {3, 315}, {4, 180}, {6, 0}, {7, 135}, {8, 90}, {9, 45}, {5, 90}};
  for (uint32_t index : {kSlideIn, kSlideOut}) {
    for (auto& c : cases) {
      WipeInstance slide(index);
      ASSERT_TRUE(slide.load(0, "DEGREE=90"));
      DialogOutcome outcome = showDialog(
          slide,
          {check([] { EXPECT_EQ(form().Direction4Button1->Checked(), TDir4CheckSet{ui::tdUp}); }),
           key("Direction4Button1", VK_NUMPAD0 + c.key), ok()});
      EXPECT_TRUE(outcome.ok);
      EXPECT_EQ(savedLines(slide), (Lines{"DEGREE=" + std::to_string(c.degree), "(untouched)"}))
          << index << " numpad" << c.key;
    }
  }
}

// A degree outside the eight becomes 0 before the form appears: the
// selector shows rightward, and Cancel keeps the 0.
TEST(SlideDialog, ADegreeOutsideTheEightIsResetEvenOnCancel) {
  for (const char* line : {"DEGREE=30", "DEGREE=360", "DEGREE=-45"}) {
    WipeInstance slide(kSlideOut);
    ASSERT_TRUE(slide.load(0, line));
    DialogOutcome outcome = showDialog(
        slide,
        {check([] { EXPECT_EQ(form().Direction4Button1->Checked(), TDir4CheckSet{ui::tdRight}); }),
         key("Direction4Button1", VK_NUMPAD0 + 7), cancel()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(savedLines(slide), (Lines{"DEGREE=0", "(untouched)"})) << line;
    EXPECT_EQ(slide.name(), "Slide out (0\xB0)");
    EXPECT_EQ(Slidef::SlidePlusDlg, nullptr);
  }
  // One of the eight is kept as it is.
  WipeInstance slide(kSlideIn);
  ASSERT_TRUE(slide.load(0, "DEGREE=315"));
  EXPECT_FALSE(showDialog(slide, {key("Direction4Button1", VK_NUMPAD0 + 7), cancel()}).ok);
  EXPECT_EQ(slide.name(), "Slide In (315\xB0)");
}

// 100 x 98: the lower-left corner lies left of x 44 and below y 54.
TEST(SlideDialog, AClickOnACornerChoosesTheDiagonal) {
  WipeInstance slide(kSlideIn);
  DialogOutcome outcome =
      showDialog(slide, {mouse("Direction4Button1", VTR_ACTION_MOUSE_DOWN, 5, 90),
                         mouse("Direction4Button1", VTR_ACTION_MOUSE_UP, 5, 90), ok()});
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(slide.name(), "Slide In (225\xB0)");
}

}  // namespace
