#include "DialogProtocol.h"

#include <algorithm>

#include "Settings.h"

namespace ui {
namespace {

struct DegreeRow {
  int32_t degree;
  TDir4Check direction;
};

constexpr DegreeRow kEightDirections[] = {
    {0, tdRight},  {45, tdUpperRight}, {90, tdUp},    {135, tdUpperLeft},
    {180, tdLeft}, {225, tdLowerLeft}, {270, tdDown}, {315, tdLowerRight},
};

constexpr TDir4CheckSet kHorizontalAxis{tdLeft, tdRight};
constexpr TDir4CheckSet kVerticalAxis{tdUp, tdDown};

int32_t clampToInt32(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

TPoint centredOver(const RECT& host, int32_t width, int32_t height, int32_t captionHeight) {
  // 64-bit arithmetic: C++ division truncates toward zero, as the placement
  // wants for a form larger than the host window.
  int64_t left = int64_t(host.left) + (int64_t(host.right) - host.left - width) / 2;
  int64_t top = int64_t(host.top) + (int64_t(host.bottom) - host.top - height) / 2 - captionHeight;
  return TPoint{clampToInt32(left), clampToInt32(top)};
}

void centreOver(TForm& form, HWND host) {
  RECT rect;
  if (!GetWindowRect(host, &rect)) return;
  TPoint at = centredOver(rect, form.Width(), form.Height(), GetSystemMetrics(SM_CYCAPTION));
  form.SetBounds(at.X, at.Y, form.Width(), form.Height());
}

TModalResult showModalOwnedBy(TForm& form, HWND owner) {
  struct OwnerSwap {
    HWND form;
    LONG kept;
    OwnerSwap(HWND f, HWND owner) : form(f), kept(GetWindowLongA(f, GWL_HWNDPARENT)) {
      SetWindowLongA(form, GWL_HWNDPARENT, LONG(reinterpret_cast<uintptr_t>(owner)));
    }
    ~OwnerSwap() { SetWindowLongA(form, GWL_HWNDPARENT, kept); }
  } swap(form.Handle(), owner);
  return form.ShowModal();
}

TDir4CheckSet degreeToDirection(int32_t degree) {
  for (const DegreeRow& row : kEightDirections)
    if (row.degree == degree) return TDir4CheckSet{row.direction};
  return TDir4CheckSet{tdRight};
}

int32_t directionToDegree(TDir4CheckSet set) {
  for (const DegreeRow& row : kEightDirections)
    if (set == TDir4CheckSet{row.direction}) return row.degree;
  return 0;
}

TDir4CheckSet degreeToAxis(int32_t degree) {
  return degree == 90 ? kVerticalAxis : kHorizontalAxis;
}

int32_t axisToDegree(TDir4CheckSet set) { return set == kVerticalAxis ? 90 : 0; }

std::optional<int32_t> strictInt(const std::string& text) {
  int32_t value;
  // A NUL inside the text would hide what follows it from the conversion.
  if (text.find('\0') != std::string::npos || !plugin::parseStrictInt(text.c_str(), value))
    return std::nullopt;
  return value;
}

int32_t strictIntOrZero(const std::string& text) { return strictInt(text).value_or(0); }

void checkIntegerField(TEdit& field, const IntegerField& rule) {
  int32_t value = strictIntOrZero(field.Text());
  if (value >= rule.low && value <= rule.high) return;
  Application().MessageBox(rule.message, kInputErrorCaption, kInputErrorFlags);
  field.SetFocus();
  Abort();
}

}  // namespace ui
