// The direction selector controls of the wipe dialogs.
//
// TDirection4Button: a square picker of up to nine positions (four
// straight directions, four diagonals, a neutral centre), used as a single
// choice, a multiple choice or an axis choice, with the mouse or the
// numeric keypad.  TClockDirection: two buttons, counterclockwise and
// clockwise.  Both draw themselves from the library's bitmaps 1 to 4: grids
// of cells whose first four columns are the drawing states (normal,
// selected, normal dimmed, selected dimmed) and whose fifth column is the
// mask (black inside the shape, white round it).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>

#include "Controls.h"

namespace ui {

enum TDir4Check : uint8_t {
  tdNeutral,
  tdLeft,
  tdUp,
  tdRight,
  tdDown,
  tdUpperLeft,
  tdUpperRight,
  tdLowerRight,
  tdLowerLeft,
};

// A set of positions in 16 bits, element n being bit n: tdNeutral 1,
// tdLeft 2, tdUp 4, ... tdLowerLeft 256.  Dialogs store these values.
class TDir4CheckSet {
 public:
  constexpr TDir4CheckSet() = default;
  constexpr TDir4CheckSet(std::initializer_list<TDir4Check> elements) {
    for (TDir4Check e : elements) bits_ = uint16_t(bits_ | bit(e));
  }
  static constexpr TDir4CheckSet FromValue(uint16_t value) {
    TDir4CheckSet s;
    s.bits_ = uint16_t(value & 0x1FF);
    return s;
  }
  constexpr uint16_t Value() const { return bits_; }
  constexpr bool Contains(TDir4Check e) const { return (bits_ & bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TDir4CheckSet operator+(TDir4CheckSet other) const {
    return FromValue(bits_ | other.bits_);
  }
  constexpr TDir4CheckSet operator-(TDir4CheckSet other) const {
    return FromValue(bits_ & ~other.bits_);
  }
  constexpr TDir4CheckSet operator*(TDir4CheckSet other) const {
    return FromValue(bits_ & other.bits_);
  }
  constexpr bool operator==(const TDir4CheckSet&) const = default;

 private:
  static constexpr uint16_t bit(TDir4Check e) { return uint16_t(1u << unsigned(e)); }
  uint16_t bits_ = 0;
};

inline constexpr TDir4CheckSet kDiagonals{tdUpperLeft, tdUpperRight, tdLowerRight, tdLowerLeft};

class TDirection4Button : public TCustomControl {
 public:
  // The declared defaults of the published properties.
  static constexpr int32_t kDefaultWidth = 58;
  static constexpr int32_t kDefaultHeight = 58;
  static constexpr TDir4CheckSet kDefaultChecked{tdUp};

  TDirection4Button();
  ~TDirection4Button() override;
  const char* ClassName() const override { return "TDirection4Button"; }

  TDir4CheckSet Checked() const { return checked_; }
  // The selection rules: a multiple selection only with MultiSelect, the
  // centre only with NeutralPosition, the diagonals only with
  // EightDirections, never empty (not checked while the form is read).
  void SetChecked(TDir4CheckSet value);
  // True: each position toggles on its own; false: a click selects an axis.
  bool Direction() const { return direction_; }
  void SetDirection(bool value) { direction_ = value; }
  bool NeutralPosition() const { return neutralPosition_; }
  void SetNeutralPosition(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool EightDirections() const { return eightDirections_; }
  void SetEightDirections(bool value);

  // Sizes below 44 become 44 and odd ones the next even number.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  // The position under client point (x, y), or none on a dividing line.
  // The centre and the corners are reported even where they are not shown.
  std::optional<TDir4Check> HitTest(int32_t x, int32_t y) const;
  // What choosing position p does to the selection (a click or a key).
  void Choose(TDir4Check p);

  // The pictures the control holds: the knob and the diagonals exist only
  // while their positions are shown.
  const TBitmap* ArrowsPicture() const { return arrows_.get(); }
  const TBitmap* KnobPicture() const { return knob_.get(); }
  const TBitmap* DiagonalsPicture() const { return diagonals_.get(); }
  // Painting waits until the form has finished reading the control; a
  // control made in code paints at once.
  bool ReadyToPaint() const { return !Loading(); }

  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void Loaded() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 protected:
  void Paint() override;

 private:
  int32_t stateColumn(TDir4Check p, bool pressDims) const;

  TDir4CheckSet checked_;
  bool direction_ = true;
  bool neutralPosition_ = false;
  bool multiSelect_ = false;
  bool eightDirections_ = false;
  std::unique_ptr<TBitmap> arrows_;
  std::unique_ptr<TBitmap> knob_;
  std::unique_ptr<TBitmap> diagonals_;
  bool pressed_ = false;
  bool pressHit_ = false;
  TDir4Check pressPosition_ = tdNeutral;
  bool mouseFocus_ = false;
};

class TClockDirection : public TCustomControl {
 public:
  // The declared defaults; the constructor makes the control 90 x 50.
  static constexpr int32_t kDefaultWidth = 86;
  static constexpr int32_t kDefaultHeight = 46;
  static constexpr int32_t kHeight = 50;

  TClockDirection();
  ~TClockDirection() override;
  const char* ClassName() const override { return "TClockDirection"; }

  bool Clockwise() const { return clockwise_; }
  void SetClockwise(bool value);

  // The height is always 50; the width is taken as asked.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  const TBitmap* Picture() const { return picture_.get(); }

  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 protected:
  void Paint() override;

 private:
  void drawButton(int32_t x, int32_t row, int32_t column);

  std::unique_ptr<TBitmap> picture_;
  bool clockwise_ = true;
  bool pressed_ = false;
  bool pressedRight_ = false;
};

}  // namespace ui
