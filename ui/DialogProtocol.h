// The protocol every configuration dialog follows, in one place: the form
// is created without owner, centred over the host window, filled from the
// settings, run modally with the host window as its owner (the owner is
// restored afterwards), read back only when the user pressed OK, and
// released (freed when the host's message loop next runs).  An effect
// supplies only its form class, its fill and read-back code, and the resets
// it makes before the form appears (they stay even when the user cancels).
//
// From the dialog hook of a wipe unit (wipes/WipeEffect.h):
//
//   class TBandsWipeDlg : public ui::TForm {
//    public:
//     ui::TDirection4Button* Direction4Button1 = nullptr;
//     ui::TEdit* Edit1 = nullptr;
//     TBandsWipeDlg() {
//       Publish("Edit1Exit", &TBandsWipeDlg::Edit1Exit);
//       ReadForm("TBandsWipeDlg");
//       Bind(Direction4Button1, "Direction4Button1");
//       Bind(Edit1, "Edit1");
//     }
//     void Edit1Exit(ui::TObject*) { ui::checkIntegerField(*Edit1, ui::kBandsField); }
//   };
//
//   static bool dialog(int32_t, Settings& s, HWND host) {
//     if ((s.degree != 0 && s.degree != 90) || s.bands < 1 || s.bands > 9999)
//       s.degree = 0, s.bands = 10;                  // stays on Cancel
//     return ui::runDialog<TBandsWipeDlg>(
//         host,
//         [&](TBandsWipeDlg& f) {
//           f.Edit1->SetText(std::to_string(s.bands));
//           ui::setAxisDegree(*f.Direction4Button1, s.degree);
//         },
//         [&](TBandsWipeDlg& f) {
//           s.bands = ui::strictIntOrZero(f.Edit1->Text());
//           s.degree = ui::axisDegree(*f.Direction4Button1);
//         });
//   }
//
// runDialog answers true for OK.  A fault (an exception from the form, the
// fill, a handler or the read-back) leaves it after the form's release was
// posted; the export layer turns it into false.
#pragma once

#include <optional>
#include <string>

#include "Direction4Button.h"
#include "Forms.h"

namespace ui {

// ---- placement and the modal run ----

// The top-left corner that centres a form of the given size over the
// rectangle, `captionHeight` higher; the halves are truncated toward zero,
// also when the form is the larger.
TPoint centredOver(const RECT& host, int32_t width, int32_t height, int32_t captionHeight);
// Moves the form there (GetWindowRect, SM_CYCAPTION); the form is not kept
// inside the screen.  A host handle that is not a window leaves the form
// where it is.
void centreOver(TForm& form, HWND host);
// Runs the form modally with `owner` as its owner window, restoring the
// owner it had afterwards, also on a fault.
TModalResult showModalOwnedBy(TForm& form, HWND owner);

// Posts the form's release when it leaves scope.
class ReleaseOnExit {
 public:
  explicit ReleaseOnExit(TForm& form) : form_(form) {}
  ~ReleaseOnExit() { form_.Release(); }
  ReleaseOnExit(const ReleaseOnExit&) = delete;
  ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;

 private:
  TForm& form_;
};

// The whole sequence; `fill(form)` before the run, `readBack(form)` only
// after OK.  Form is default-constructible (it reads its own form file).
template <class Form, class Fill, class ReadBack>
bool runDialog(HWND host, Fill&& fill, ReadBack&& readBack) {
  Form& form = Application().CreateForm<Form>();
  ReleaseOnExit release(form);
  centreOver(form, host);
  fill(form);
  if (showModalOwnedBy(form, host) != mrOk) return false;
  readBack(form);
  return true;
}

// The same with the dialog unit's form variable pointing at the form while
// it is shown; it is cleared when the call ends, so that it never points at
// a released form.
template <class Form, class Fill, class ReadBack>
bool runDialog(Form*& formVariable, HWND host, Fill&& fill, ReadBack&& readBack) {
  struct Forget {
    Form*& variable;
    ~Forget() { variable = nullptr; }
  } forget{formVariable};
  return runDialog<Form>(
      host,
      [&](Form& form) {
        formVariable = &form;
        fill(form);
      },
      readBack);
}

// ---- directions in degrees ----

// Eight directions, degrees counter-clockwise from rightward: 0 tdRight,
// 45 tdUpperRight, 90 tdUp, 135 tdUpperLeft, 180 tdLeft, 225 tdLowerLeft,
// 270 tdDown, 315 tdLowerRight.  Any other degree shows as tdRight; any
// selection but one of these eight reads as 0.
TDir4CheckSet degreeToDirection(int32_t degree);
int32_t directionToDegree(TDir4CheckSet set);
// Axis mode: 90 is [tdUp, tdDown], every other degree [tdLeft, tdRight];
// [tdUp, tdDown] reads as 90, anything else as 0.
TDir4CheckSet degreeToAxis(int32_t degree);
int32_t axisToDegree(TDir4CheckSet set);

inline void setDirectionDegree(TDirection4Button& control, int32_t degree) {
  control.SetChecked(degreeToDirection(degree));
}
inline int32_t directionDegree(const TDirection4Button& control) {
  return directionToDegree(control.Checked());
}
inline void setAxisDegree(TDirection4Button& control, int32_t degree) {
  control.SetChecked(degreeToAxis(degree));
}
inline int32_t axisDegree(const TDirection4Button& control) {
  return axisToDegree(control.Checked());
}

// ---- number fields ----

// The strict integer conversion: the whole text must be a decimal integer
// in 32 bits (an optional sign, no blanks).
std::optional<int32_t> strictInt(const std::string& text);
// The same, any invalid text counting as 0.
int32_t strictIntOrZero(const std::string& text);

// A number field's interval (bounds inclusive) and the message shown when
// a value lies outside it.
struct IntegerField {
  int32_t low;
  int32_t high;
  const char* message;
};

inline constexpr const char* kInputErrorCaption = "Input error";
inline constexpr UINT kInputErrorFlags = MB_ICONWARNING | MB_OK;  // 0x30

inline constexpr IntegerField kBandsField{2, 9999,
                                          "The number of bands must be in the interval 2-9999"};
inline constexpr IntegerField kBoxesField{2, 9999,
                                          "The number of boxes must be in the interval 2-9999"};
inline constexpr IntegerField kWidthField2{2, 9999, "The width must be in the interval 2-9999"};
inline constexpr IntegerField kHeightField2{2, 9999, "The height must be in the interval 2-9999"};
inline constexpr IntegerField kWidthField1{1, 9999, "The width must be in the interval 1-9999"};
inline constexpr IntegerField kHeightField1{1, 9999, "The height must be in the interval 1-9999"};

// The exit check of a number field (call it from the field's OnExit
// handler): when the text, converted strictly, lies outside the interval,
// shows the message with the caption "Input error" and the warning icon,
// puts the focus back into the field and abandons the focus change
// (raises EAbort), so that the dialog stays open and the pressed button
// does nothing.  Pressing Enter runs the same check before OK is taken.
void checkIntegerField(TEdit& field, const IntegerField& rule);

}  // namespace ui
