#include <gtest/gtest.h>

#include "Direction4Button.h"
#include "Forms.h"

namespace {

using namespace ui;

// Pixels of the control at (left, top) that differ from column `column` of
// the knob picture, which is copied without a mask.
int knobMismatches(const TDirection4Button& b, int32_t column) {
  const TBitmap& knob = *b.KnobPicture();
  const int32_t left = b.Width() / 2 - 5, top = b.Height() / 2 - 5;
  int mismatches = 0;
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x)
      if (b.Surface().Pixel(left + x, top + y) != knob.Pixel(10 * column + x, y)) ++mismatches;
  return mismatches;
}

TEST(Direction4ButtonReview, KnobDimsWhenDisabledButNotWhenPressed) {
  TDirection4Button b;
  b.SetNeutralPosition(true);
  b.Choose(tdNeutral);
  b.MouseDown(mbLeft, ssLeft, 29, 29);  // held on the centre itself
  EXPECT_EQ(knobMismatches(b, 1), 0);
  b.MouseUp(mbLeft, 0, 29, 29);  // chosen again: it stays selected
  EXPECT_EQ(b.Checked(), TDir4CheckSet{tdNeutral});
  b.SetEnabled(false);
  EXPECT_EQ(knobMismatches(b, 3), 0);
  b.SetChecked({tdLeft});
  EXPECT_EQ(knobMismatches(b, 2), 0);
}

TEST(Direction4ButtonReview, MouseClickRaisesOnClickBeforeTheSelectionChanges) {
  TForm form;
  form.ReadFormText(R"(object F: TForm
      object D: TDirection4Button
        Left = 8
        Top = 8
      end
    end)",
                    "review.form");
  auto* d = form.FindComponentAs<TDirection4Button>("D");
  std::vector<uint16_t> seen;
  d->OnClick = [&](TObject*) { seen.push_back(d->Checked().Value()); };
  form.MousePress(d, 10, 29);
  form.MouseRelease(d, 10, 29);  // the left arrow
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], TDir4CheckSet{tdUp}.Value());
  EXPECT_EQ(d->Checked(), TDir4CheckSet{tdLeft});
}

}  // namespace
