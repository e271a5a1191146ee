#include <gtest/gtest.h>

#include "Direction4Button.h"
#include "Forms.h"
#include "UiTestSupport.h"

namespace {

using namespace ui;

uint16_t valueOf(std::initializer_list<TDir4Check> set) { return TDir4CheckSet(set).Value(); }

TEST(Direction4Button, StartsWithTheDeclaredDefaults) {
  TDirection4Button b;
  EXPECT_EQ(b.Width(), 58);
  EXPECT_EQ(b.Height(), 58);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdUp});
  EXPECT_TRUE(b.Direction());
  EXPECT_FALSE(b.NeutralPosition());
  EXPECT_FALSE(b.MultiSelect());
  EXPECT_FALSE(b.EightDirections());
  EXPECT_TRUE(b.TabStop());
  EXPECT_TRUE(b.ParentColor());
  EXPECT_EQ(b.Color(), clWindow);
  EXPECT_NE(b.ArrowsPicture(), nullptr);
  EXPECT_EQ(b.KnobPicture(), nullptr);
  EXPECT_EQ(b.DiagonalsPicture(), nullptr);
  EXPECT_EQ(valueOf({tdNeutral}), 1);
  EXPECT_EQ(valueOf({tdLowerLeft}), 256);
  EXPECT_EQ(kDiagonals.Value(), 480);
}

TEST(Direction4Button, SingleChoiceActsLikeRadioButtons) {
  TDirection4Button b;
  b.SetChecked({tdLeft, tdRight});  // two new straight positions are no single choice
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdUp});
  b.Choose(tdLeft);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdLeft});
  b.Choose(tdLeft);  // the selected position cannot be switched off
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdLeft});
  b.SetChecked({tdDown, tdLeft});  // only the newly added one counts
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdDown});
  b.Choose(tdUpperLeft);  // corners and centre are not shown
  b.Choose(tdNeutral);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdDown});
}

TEST(Direction4Button, MultipleChoiceIsNeverEmpty) {
  TDirection4Button b;
  b.SetMultiSelect(true);
  b.Choose(tdLeft);
  EXPECT_EQ(b.Checked().Value(), valueOf({tdUp, tdLeft}));
  b.Choose(tdUp);
  b.Choose(tdLeft);  // the only selected position stays
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdLeft});
}

TEST(Direction4Button, DiagonalPairIsAcceptedAsOneNewChoice) {
  TDirection4Button b;
  b.SetEightDirections(true);
  b.SetChecked({tdUpperLeft, tdLowerRight});
  EXPECT_EQ(b.Checked().Value(), 160);
}

TEST(Direction4Button, HidingPositionsDropsThemAndTheirPictures) {
  TDirection4Button b;
  b.SetEightDirections(true);
  b.SetNeutralPosition(true);
  EXPECT_NE(b.DiagonalsPicture(), nullptr);
  EXPECT_NE(b.KnobPicture(), nullptr);
  b.Choose(tdUpperRight);
  b.SetEightDirections(false);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdUp});
  EXPECT_EQ(b.DiagonalsPicture(), nullptr);
  uint16_t key = VK_NUMPAD0 + 5;
  b.KeyDown(key, 0);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdNeutral});
  b.SetNeutralPosition(false);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdUp});
  EXPECT_EQ(b.KnobPicture(), nullptr);
  key = VK_NUMPAD0 + 5;  // the centre is gone again
  b.KeyDown(key, 0);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdUp});
}

TEST(Direction4Button, AxisModeSelectsWholeAxes) {
  TDirection4Button b;
  b.SetMultiSelect(true);
  b.SetEightDirections(true);
  b.SetDirection(false);
  const struct {
    TDir4Check chosen;
    uint16_t value;
  } cases[] = {{tdRight, 10},       {tdLeft, 10},       {tdDown, 20},       {tdUp, 20},
               {tdLowerRight, 160}, {tdUpperLeft, 160}, {tdLowerLeft, 320}, {tdUpperRight, 320}};
  for (auto& c : cases) {
    b.Choose(c.chosen);
    EXPECT_EQ(b.Checked().Value(), c.value) << int(c.chosen);
  }
  b.SetMultiSelect(false);  // axis mode needs multiple selection
  EXPECT_TRUE(b.Direction());
}

TEST(Direction4Button, KeypadFollowsTheKeypadLayoutAndClicks) {
  TDirection4Button b;
  b.SetEightDirections(true);
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  const TDir4Check expected[] = {tdLowerLeft,           tdDown,  tdLowerRight, tdLeft,
                                 tdUp /*5: no centre*/, tdRight, tdUpperLeft,  tdUp,
                                 tdUpperRight};
  for (int digit = 1; digit <= 9; ++digit) {
    if (digit == 5) b.SetChecked({tdUp});
    uint16_t key = uint16_t(VK_NUMPAD0 + digit);
    b.KeyDown(key, 0);
    EXPECT_EQ(b.Checked(), TDir4CheckSet{expected[digit - 1]}) << digit;
  }
  EXPECT_EQ(clicks, 9);
  uint16_t other = VK_LEFT;
  b.KeyDown(other, 0);
  EXPECT_EQ(clicks, 9);
}

TEST(Direction4Button, BoundsAreEvenAndAtLeast44) {
  TDirection4Button b;
  b.SetBounds(3, 4, 45, 30);
  EXPECT_EQ(b.Width(), 46);
  EXPECT_EQ(b.Height(), 44);
  b.SetBounds(3, 4, 100, 43);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 44);
  TClockDirection c;
  EXPECT_EQ(c.Width(), 90);
  EXPECT_EQ(c.Height(), 50);
  EXPECT_TRUE(c.Clockwise());
  c.SetBounds(0, 0, 97, 60);
  EXPECT_EQ(c.Width(), 97);
  EXPECT_EQ(c.Height(), 50);
}

TEST(Direction4Button, HitTestLeavesTheDividingLinesEmpty) {
  TDirection4Button b;  // 58 x 58: lines at 23 and 34 both ways
  const struct {
    int32_t x, y;
    std::optional<TDir4Check> hit;
  } cases[] = {
      {10, 29, tdLeft},       {50, 29, tdRight},      {29, 10, tdUp},
      {29, 50, tdDown},       {29, 29, tdNeutral},    {10, 10, tdUpperLeft},
      {50, 10, tdUpperRight}, {50, 50, tdLowerRight}, {10, 50, tdLowerLeft},
      {22, 24, tdLeft},       {35, 33, tdRight},      {23, 29, std::nullopt},
      {34, 29, std::nullopt}, {29, 23, std::nullopt}, {29, 34, std::nullopt},
      {23, 23, std::nullopt}, {10, 34, std::nullopt},
  };
  for (auto& c : cases) EXPECT_EQ(b.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST(Direction4Button, TheReleasePointDecides) {
  TDirection4Button b;
  b.MouseDown(mbLeft, ssLeft, 10, 29);  // left arrow
  b.MouseUp(mbLeft, 0, 50, 29);         // released over the right arrow
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdRight});
  b.MouseDown(mbLeft, ssLeft, 23, 29);  // a dividing line
  b.MouseUp(mbLeft, 0, 23, 29);
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdRight});
}

TEST(ClockDirection, ButtonsFollowReleaseAndKeypad) {
  TClockDirection c;
  c.SetBounds(0, 0, 97, 50);
  c.MouseDown(mbLeft, ssLeft, 20, 20);
  c.MouseUp(mbLeft, 0, 42, 20);  // still the left button
  EXPECT_FALSE(c.Clockwise());
  c.MouseUp(mbLeft, 0, 50, 20);  // between the buttons: nothing
  EXPECT_FALSE(c.Clockwise());
  c.MouseUp(mbLeft, 0, 55, 20);  // W - 42
  EXPECT_TRUE(c.Clockwise());
  uint16_t key = VK_NUMPAD0 + 4;
  c.KeyDown(key, 0);
  EXPECT_FALSE(c.Clockwise());
  key = VK_NUMPAD0 + 8;
  c.KeyDown(key, 0);
  EXPECT_FALSE(c.Clockwise());
  key = VK_NUMPAD0 + 6;
  c.KeyDown(key, 0);
  EXPECT_TRUE(c.Clockwise());
}

// ---- painting ----

constexpr uint32_t kTeal = 0x808000;

// What drawing cell (column, row) through its mask leaves at a destination
// pixel over a background: the image inside the shape, the background round it.
uint32_t throughMask(const TBitmap& picture, int32_t cellW, int32_t maskX, int32_t column,
                     int32_t row, int32_t dx, int32_t dy, uint32_t background) {
  bool inside = picture.Pixel(maskX + dx, row + dy) == 0;
  return inside ? picture.Pixel(column * cellW + dx, row + dy) : background;
}

void expectCell(const TCustomControl& control, const TBitmap& picture, int32_t cellW, int32_t cellH,
                int32_t maskX, int32_t column, int32_t row, int32_t left, int32_t top,
                const char* what) {
  int mismatches = 0;
  for (int32_t dy = 0; dy < cellH; ++dy)
    for (int32_t dx = 0; dx < cellW; ++dx) {
      uint32_t expected = throughMask(picture, cellW, maskX, column, row, dx, dy, kTeal);
      if (control.Surface().Pixel(left + dx, top + dy) != expected) ++mismatches;
    }
  EXPECT_EQ(mismatches, 0) << what << " in state column " << column;
}

TEST(Direction4ButtonPainting, ArrowsShowTheirStateColumns) {
  TDirection4Button b;
  b.SetColor(clTeal);
  b.SetBounds(0, 0, 100, 98);
  b.SetEightDirections(true);
  b.Choose(tdUpperRight);
  const TBitmap& arrows = *b.ArrowsPicture();
  const TBitmap& diagonals = *b.DiagonalsPicture();
  // Straight arrows: left, right, up, down at their rows of picture 1.
  expectCell(b, arrows, 16, 16, 64, 0, 0, 2, 41, "left");
  expectCell(b, arrows, 16, 16, 64, 0, 16, 82, 41, "right");
  expectCell(b, arrows, 16, 16, 64, 0, 32, 42, 2, "up");
  expectCell(b, arrows, 16, 16, 64, 0, 48, 42, 80, "down");
  // Diagonals at W div 8, H div 8 = 12, 12 from the corners.
  expectCell(b, diagonals, 14, 14, 56, 0, 0, 12, 12, "upper-left");
  expectCell(b, diagonals, 14, 14, 56, 1, 14, 74, 12, "upper-right");
  expectCell(b, diagonals, 14, 14, 56, 0, 28, 74, 72, "lower-right");
  expectCell(b, diagonals, 14, 14, 56, 0, 42, 12, 72, "lower-left");
  // The border and the background in the control's colour, no focus.
  EXPECT_EQ(b.Surface().Pixel(0, 0), kTeal);
  EXPECT_EQ(b.Surface().Pixel(99, 97), kTeal);
  EXPECT_EQ(b.Surface().Pixel(30, 30), kTeal);

  // Held down on the up arrow: it dims, and the focus rectangle shows.
  b.MouseDown(mbLeft, ssLeft, 50, 10);
  expectCell(b, arrows, 16, 16, 64, 2, 32, 42, 2, "up, pressed");
  expectCell(b, diagonals, 14, 14, 56, 1, 14, 74, 12, "upper-right while another is pressed");
  EXPECT_EQ(b.Surface().Pixel(0, 0), kTeal ^ 0xFFFFFFu);
  EXPECT_EQ(b.Surface().Pixel(1, 0), kTeal);
  EXPECT_EQ(b.Surface().Pixel(99, 1), kTeal ^ 0xFFFFFFu);
  b.MouseUp(mbLeft, 0, 50, 10);
  expectCell(b, arrows, 16, 16, 64, 1, 32, 42, 2, "up, selected");
  EXPECT_EQ(b.Surface().Pixel(0, 0), kTeal);

  // Disabled: every arrow dims.
  b.SetEnabled(false);
  expectCell(b, arrows, 16, 16, 64, 3, 32, 42, 2, "up, disabled");
  expectCell(b, arrows, 16, 16, 64, 2, 0, 2, 41, "left, disabled");
}

TEST(Direction4ButtonPainting, KnobIsCopiedWhole) {
  TDirection4Button b;
  b.SetColor(clTeal);
  b.SetNeutralPosition(true);
  b.Choose(tdNeutral);
  const TBitmap& knob = *b.KnobPicture();
  int mismatches = 0;
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x)
      if (b.Surface().Pixel(24 + x, 24 + y) != knob.Pixel(10 + x, y)) ++mismatches;
  EXPECT_EQ(mismatches, 0);
  b.SetNeutralPosition(false);  // the knob disappears at once
  EXPECT_EQ(b.Surface().Pixel(29, 29), kTeal);
}

TEST(Direction4Button, AFormMayStoreAnySelection) {
  TForm form;
  form.ReadFormText(R"(object F: TForm
      object D: TDirection4Button
        Color = clTeal
        Checked = [tdUp, tdRight, tdDown]
        Width = 60
      end
    end)",
                    "reading.form");
  auto* d = form.FindComponentAs<TDirection4Button>("D");
  // Read as stored, although a single choice could not hold three.
  EXPECT_EQ(d->Checked().Value(), valueOf({tdUp, tdRight, tdDown}));
  EXPECT_EQ(d->Width(), 60);
  EXPECT_TRUE(d->ReadyToPaint());
  EXPECT_EQ(d->Surface().Width(), 60);
  d->SetChecked({tdLeft});  // the rules hold again
  EXPECT_EQ(d->Checked(), TDir4CheckSet{tdLeft});
}

TEST(ClockDirectionPainting, ButtonsShowClockwiseAndThePress) {
  TClockDirection c;
  c.SetColor(clTeal);
  c.SetBounds(0, 0, 97, 50);
  const TBitmap& picture = *c.Picture();
  expectCell(c, picture, 42, 46, 168, 0, 0, 2, 2, "counterclockwise");
  expectCell(c, picture, 42, 46, 168, 1, 46, 53, 2, "clockwise");
  c.MouseDown(mbLeft, ssLeft, 60, 10);
  expectCell(c, picture, 42, 46, 168, 3, 46, 53, 2, "clockwise, pressed");
  c.MouseUp(mbLeft, 0, 10, 10);
  expectCell(c, picture, 42, 46, 168, 1, 0, 2, 2, "counterclockwise, selected");
  expectCell(c, picture, 42, 46, 168, 0, 46, 53, 2, "clockwise, not selected");
  c.SetEnabled(false);
  expectCell(c, picture, 42, 46, 168, 3, 0, 2, 2, "counterclockwise, disabled");
  expectCell(c, picture, 42, 46, 168, 2, 46, 53, 2, "clockwise, disabled");
}

}  // namespace
