#include "Direction4Button.h"

#include <bit>

#include "Forms.h"
#include "Module.h"

namespace ui {
namespace {

// The bitmaps of the controls, by resource id.
constexpr UINT kArrowsBitmap = 1;     // 16 x 16 cells: left, right, up, down; mask at x = 64
constexpr UINT kKnobBitmap = 2;       // 10 x 10 cells, no mask
constexpr UINT kDiagonalsBitmap = 3;  // 14 x 14 cells: UL, UR, LR, LL; mask at x = 56
constexpr UINT kClockBitmap = 4;      // 42 x 46 cells: counterclockwise, clockwise; mask at x = 168

std::unique_ptr<TBitmap> loadPicture(UINT id) {
  auto picture = std::make_unique<TBitmap>();
  picture->LoadFromResourceID(plugin::thisModule(), id);
  return picture;
}

// Draws cell (column, row) of a picture through the mask at maskX of the
// same row: ANDing the mask keeps the background round the shape and
// clears the shape, ORing the image then draws it.
void drawMasked(TCanvas& canvas, const TBitmap& picture, int32_t cellWidth, int32_t cellHeight,
                int32_t maskX, int32_t row, int32_t column, const TRect& dest) {
  canvas.CopyMode = cmSrcAnd;
  canvas.CopyRect(dest, picture.Canvas(), Rect(maskX, row, maskX + cellWidth, row + cellHeight));
  canvas.CopyMode = cmSrcPaint;
  canvas.CopyRect(dest, picture.Canvas(),
                  Rect(column * cellWidth, row, column * cellWidth + cellWidth, row + cellHeight));
  canvas.CopyMode = cmSrcCopy;
}

// The background and the one-pixel border in the control's colour, and the
// focus rectangle over them.  Filling first makes every repaint show the
// present state only: a knob or diagonal that was switched off disappears.
void paintFrame(TCustomControl& control, bool border, bool focus) {
  TCanvas& canvas = control.Canvas();
  canvas.Brush.Color = control.Color();
  canvas.FillRect(control.ClientRect());
  if (border) canvas.FrameRect(control.ClientRect());
  if (focus) canvas.DrawFocusRect(control.ClientRect());
}

int32_t evenAtLeast44(int32_t size) {
  if (size < 44) size = 44;
  return size % 2 ? size + 1 : size;
}

TDir4Check byName(const std::string& name) {
  static const char* const kNames[] = {"tdNeutral",    "tdLeft",       "tdUp",
                                       "tdRight",      "tdDown",       "tdUpperLeft",
                                       "tdUpperRight", "tdLowerRight", "tdLowerLeft"};
  for (uint8_t i = 0; i < 9; ++i)
    if (name == kNames[i]) return TDir4Check(i);
  throw EFormError("unknown direction " + name);
}

}  // namespace

// ---- TDirection4Button ----

TDirection4Button::TDirection4Button() {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(true);
  SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
  arrows_ = loadPicture(kArrowsBitmap);
  direction_ = true;
  SetChecked(kDefaultChecked);
}

TDirection4Button::~TDirection4Button() = default;

void TDirection4Button::SetChecked(TDir4CheckSet value) {
  if (value == checked_) return;
  if (!Loading()) {
    if (!neutralPosition_) value = value - TDir4CheckSet{tdNeutral};
    if (!eightDirections_) value = value - kDiagonals;
    if (!multiSelect_) {
      // Only newly added positions count; two of the first five at once
      // (a straight axis) are no single choice.
      value = value - checked_;
      if (std::popcount(unsigned(value.Value() & 0x1F)) > 1) value = {};
    }
  }
  if (!value.Empty()) checked_ = value;
  Repaint();
}

void TDirection4Button::SetNeutralPosition(bool value) {
  if (value == neutralPosition_) return;
  neutralPosition_ = value;
  if (!value) {
    checked_ = checked_ - TDir4CheckSet{tdNeutral};
    if (checked_.Empty()) checked_ = {tdUp};
    knob_.reset();
  } else {
    knob_ = loadPicture(kKnobBitmap);
  }
  Repaint();
}

void TDirection4Button::SetEightDirections(bool value) {
  if (value == eightDirections_) return;
  eightDirections_ = value;
  if (!value) {
    checked_ = checked_ - kDiagonals;
    if (checked_.Empty()) checked_ = {tdUp};
    diagonals_.reset();
  } else {
    diagonals_ = loadPicture(kDiagonalsBitmap);
  }
  Repaint();
}

void TDirection4Button::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  // An axis is two positions at once: axis mode needs multiple selection.
  if (!value && !Loading()) direction_ = true;
}

void TDirection4Button::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TCustomControl::SetBounds(left, top, evenAtLeast44(width), evenAtLeast44(height));
}

std::optional<TDir4Check> TDirection4Button::HitTest(int32_t x, int32_t y) const {
  const int32_t w = Width(), h = Height();
  const int32_t cx = (w - 12) / 2, rx = w - cx - 1;
  const int32_t cy = (h - 12) / 2, by = h - cy - 1;
  const bool middleRows = cy < y && y < by;
  const bool middleColumns = cx < x && x < rx;
  if (x < cx && middleRows) return tdLeft;
  if (x > rx && middleRows) return tdRight;
  if (y < cy && middleColumns) return tdUp;
  if (y > by && middleColumns) return tdDown;
  if (middleColumns && middleRows) return tdNeutral;
  if (x < cx && y < cy) return tdUpperLeft;
  if (x > rx && y < cy) return tdUpperRight;
  if (x > rx && y > by) return tdLowerRight;
  if (x < cx && y > by) return tdLowerLeft;
  return std::nullopt;  // a dividing line
}

void TDirection4Button::Choose(TDir4Check p) {
  if (direction_) {
    SetChecked(checked_.Contains(p) ? checked_ - TDir4CheckSet{p} : checked_ + TDir4CheckSet{p});
    return;
  }
  switch (p) {
    case tdLeft:
    case tdRight: SetChecked({tdLeft, tdRight}); break;
    case tdUp:
    case tdDown: SetChecked({tdUp, tdDown}); break;
    case tdUpperLeft:
    case tdLowerRight: SetChecked({tdUpperLeft, tdLowerRight}); break;
    case tdUpperRight:
    case tdLowerLeft: SetChecked({tdUpperRight, tdLowerLeft}); break;
    case tdNeutral: SetChecked({tdNeutral}); break;
  }
}

void TDirection4Button::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  mouseFocus_ = true;
  TCustomControl::MouseDown(button, shift, x, y);
  pressed_ = true;
  std::optional<TDir4Check> hit = HitTest(x, y);
  pressHit_ = hit.has_value();
  pressPosition_ = hit.value_or(tdNeutral);
  if (CanFocus()) SetFocus();
  Repaint();
}

void TDirection4Button::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TCustomControl::MouseUp(button, shift, x, y);
  mouseFocus_ = false;
  pressed_ = false;
  // The release point decides; the press point only changed the drawing.
  if (std::optional<TDir4Check> hit = HitTest(x, y))
    Choose(*hit);
  else
    Repaint();
}

void TDirection4Button::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  // As on the keypad: 7 8 9 above, 4 5 6 across the middle, 1 2 3 below.
  static const TDir4Check kKeypad[] = {tdLowerLeft, tdDown,    tdLowerRight,
                                       tdLeft,      tdNeutral, tdRight,
                                       tdUpperLeft, tdUp,      tdUpperRight};
  if (key < VK_NUMPAD0 + 1 || key > VK_NUMPAD0 + 9) return;
  Choose(kKeypad[key - VK_NUMPAD0 - 1]);
  Click();
}

void TDirection4Button::DoEnter() {
  TCustomControl::DoEnter();
  Repaint();
}

void TDirection4Button::DoExit() {
  TCustomControl::DoExit();
  Repaint();
}

void TDirection4Button::Loaded() {
  TCustomControl::Loaded();
  Repaint();  // ready to paint now
}

bool TDirection4Button::SetProperty(const std::string& name, const FormValue& value,
                                    FormFixups& fixups) {
  if (name == "Checked") {
    TDir4CheckSet set;
    for (const std::string& element : value.AsSet()) set = set + TDir4CheckSet{byName(element)};
    SetChecked(set);
  } else if (name == "Direction") {
    SetDirection(value.AsBoolean());
  } else if (name == "NeutralPosition") {
    SetNeutralPosition(value.AsBoolean());
  } else if (name == "MultiSelect") {
    SetMultiSelect(value.AsBoolean());
  } else if (name == "EightDirections") {
    SetEightDirections(value.AsBoolean());
  } else {
    return TCustomControl::SetProperty(name, value, fixups);
  }
  return true;
}

// The picture column of position p: 1 when selected, plus 2 when dimmed
// (disabled, or held down on this very position where a press dims).
int32_t TDirection4Button::stateColumn(TDir4Check p, bool pressDims) const {
  bool dimmed = !Enabled() || (pressDims && pressed_ && pressHit_ && pressPosition_ == p);
  return (checked_.Contains(p) ? 1 : 0) + (dimmed ? 2 : 0);
}

void TDirection4Button::Paint() {
  if (!ReadyToPaint() || !arrows_) return;
  const int32_t w = Width(), h = Height();
  paintFrame(*this, true, Focused() || mouseFocus_);
  TCanvas& canvas = Canvas();

  struct Arrow {
    TDir4Check position;
    TRect dest;
    int32_t row;
  };
  const Arrow straight[] = {
      {tdLeft, Rect(2, h / 2 - 8, 18, h / 2 + 8), 0},
      {tdRight, Rect(w - 18, h / 2 - 8, w - 2, h / 2 + 8), 16},
      {tdUp, Rect(w / 2 - 8, 2, w / 2 + 8, 18), 32},
      {tdDown, Rect(w / 2 - 8, h - 18, w / 2 + 8, h - 2), 48},
  };
  for (const Arrow& a : straight)
    drawMasked(canvas, *arrows_, 16, 16, 64, a.row, stateColumn(a.position, true), a.dest);

  if (neutralPosition_ && knob_) {
    int32_t column = stateColumn(tdNeutral, false);  // a press does not dim the knob
    canvas.CopyMode = cmSrcCopy;
    canvas.CopyRect(Rect(w / 2 - 5, h / 2 - 5, w / 2 + 5, h / 2 + 5), knob_->Canvas(),
                    Rect(10 * column, 0, 10 * column + 10, 10));
  }

  if (eightDirections_ && diagonals_) {
    const int32_t w8 = w / 8, h8 = h / 8;
    const Arrow diagonal[] = {
        {tdUpperLeft, Rect(w8, h8, w8 + 14, h8 + 14), 0},
        {tdUpperRight, Rect(w - w8 - 14, h8, w - w8, h8 + 14), 14},
        {tdLowerRight, Rect(w - w8 - 14, h - h8 - 14, w - w8, h - h8), 28},
        {tdLowerLeft, Rect(w8, h - h8 - 14, w8 + 14, h - h8), 42},
    };
    for (const Arrow& a : diagonal)
      drawMasked(canvas, *diagonals_, 14, 14, 56, a.row, stateColumn(a.position, true), a.dest);
  }
}

// ---- TClockDirection ----

TClockDirection::TClockDirection() {
  SetColor(clWindow);
  SetParentColor(true);
  picture_ = loadPicture(kClockBitmap);
  SetBounds(Left(), Top(), 90, kHeight);
  clockwise_ = true;
  SetTabStop(true);
}

TClockDirection::~TClockDirection() = default;

void TClockDirection::SetClockwise(bool value) {
  if (value == clockwise_) return;
  clockwise_ = value;
  Repaint();
}

void TClockDirection::SetBounds(int32_t left, int32_t top, int32_t width, int32_t) {
  TCustomControl::SetBounds(left, top, width, kHeight);
}

void TClockDirection::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TCustomControl::MouseDown(button, shift, x, y);
  pressedRight_ = x >= Width() - 42;
  pressed_ = pressedRight_ || x <= 42;
  Repaint();
}

void TClockDirection::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TCustomControl::MouseUp(button, shift, x, y);
  pressed_ = false;
  if (x >= Width() - 42)
    clockwise_ = true;
  else if (x <= 42)
    clockwise_ = false;
  Repaint();
}

void TClockDirection::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_NUMPAD0 + 4) SetClockwise(false);
  if (key == VK_NUMPAD0 + 6) SetClockwise(true);
}

void TClockDirection::DoEnter() {
  TCustomControl::DoEnter();
  Repaint();
}

void TClockDirection::DoExit() {
  TCustomControl::DoExit();
  Repaint();
}

bool TClockDirection::SetProperty(const std::string& name, const FormValue& value,
                                  FormFixups& fixups) {
  if (name == "Clockwise")
    SetClockwise(value.AsBoolean());
  else
    return TCustomControl::SetProperty(name, value, fixups);
  return true;
}

void TClockDirection::drawButton(int32_t x, int32_t row, int32_t column) {
  drawMasked(Canvas(), *picture_, 42, 46, 168, row, column, Rect(x, 2, x + 42, 48));
}

void TClockDirection::Paint() {
  if (!picture_) return;  // still being made
  const int32_t w = Width();
  const int32_t left = 2, right = w - 44;  // counterclockwise row 0, clockwise row 46
  if (!Enabled()) {
    paintFrame(*this, false, false);
    drawButton(left, 0, clockwise_ ? 2 : 3);
    drawButton(right, 46, clockwise_ ? 3 : 2);
    return;
  }
  paintFrame(*this, true, Focused());
  const int32_t leftColumn = clockwise_ ? 0 : 1, rightColumn = clockwise_ ? 1 : 0;
  drawButton(left, 0, leftColumn);
  drawButton(right, 46, rightColumn);
  // The button held down is drawn again, dimmed.
  if (pressed_) {
    if (pressedRight_)
      drawButton(right, 46, rightColumn + 2);
    else
      drawButton(left, 0, leftColumn + 2);
  }
}

}  // namespace ui
