// Controls: the base control (position, size, caption, colour, mouse), the
// windowed control that holds children and takes the focus, and the custom
// control that paints itself on a canvas.
//
// Properties read as Name() and are written with SetName(...); the names
// are those of the class library the dialogs were designed with.  A control
// that is being read from its form file is "loading": setters that apply
// rules (a selection, a change event) hold back until the form is read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "Classes.h"
#include "FormValue.h"
#include "Graphics.h"
#include "vtrsys.h"

namespace ui {

class TForm;
class TWinControl;

using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = VTR_SHIFT;
inline constexpr TShiftState ssCtrl = VTR_CONTROL;
inline constexpr TShiftState ssAlt = VTR_ALT;
inline constexpr TShiftState ssLeft = 8;  // the left mouse button is down

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                       int32_t X, int32_t Y)>;
using TMouseMoveEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
// A handler a dialog class publishes under a name, for its form file.
using TEventHandler = std::variant<TNotifyEvent, TMouseEvent, TMouseMoveEvent, TKeyEvent>;

enum class BindResult { Bound, NoSuchEvent, WrongKind };

using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

using TCursor = int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crSizeAll = -22;

class TControl : public TObject {
 public:
  TControl();
  ~TControl() override;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  virtual const char* ClassName() const { return "TControl"; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TWinControl* Parent() const { return parent_; }
  // The form the control is on (the form itself for a form), or null.
  TForm* Form() const;

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int32_t v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int32_t v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int32_t v) { SetBounds(left_, top_, width_, v); }
  // Every change of position or size goes through here.
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  // A point of the client area in screen coordinates.
  virtual TPoint ClientToScreen(TPoint point) const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  // Enabled, with every parent enabled.
  bool IsEnabledInFormChain() const;
  // Visible, with every parent visible (the form need not be shown).
  bool IsVisibleInFormChain() const;

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& value) { caption_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string value) { hint_ = std::move(value); }
  bool ShowHint() const;
  void SetShowHint(bool value) { showHint_ = value, parentShowHint_ = false; }
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value) { parentShowHint_ = value; }

  // With ParentColor the parent's colour, else the control's own.
  TColor Color() const;
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t value) { tag_ = value; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value) { cursor_ = value; }

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // Raises OnClick.
  virtual void Click();
  // What a completed mouse click (press and release on the control) does.
  virtual void ClickedByMouse() { Click(); }
  // The mouse as the framework delivers it; each raises its event.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  // An accelerator key (Alt and the letter after "&" in the caption) was
  // pressed; answers whether the control took it.
  virtual bool Accelerate() { return false; }

  // True while the control is read from its form file.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Called once the whole form has been read; ends the loading state.
  virtual void Loaded();
  // Shows a change at once (custom controls paint; others have nothing to do).
  virtual void Repaint() {}

  // Form reading: answers false for a property or event the class does not
  // have.  Values of the wrong kind throw EFormError.
  virtual bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups);
  virtual BindResult BindEvent(const std::string& name, const TEventHandler& handler);

 protected:
  virtual void BoundsChanged() {}

 private:
  friend class TWinControl;

  std::string name_;
  TWinControl* parent_ = nullptr;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  int32_t tag_ = 0;
  TCursor cursor_ = crDefault;
  bool loading_ = false;
};

// A control with children that can take the focus.
class TWinControl : public TControl {
 public:
  TWinControl();
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  // Takes over a child; it joins the end of the tab order.
  TControl& InsertControl(std::unique_ptr<TControl> child);
  template <class T, class... Args>
  T& Add(Args&&... args) {
    return static_cast<T&>(InsertControl(std::make_unique<T>(std::forward<Args>(args)...)));
  }
  int32_t ControlCount() const { return int32_t(children_.size()); }
  TControl* Controls(int32_t index) const { return children_.at(size_t(index)).get(); }

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // The position among the parent's windowed children in tab order; -1
  // for a control without parent.
  int32_t TabOrder() const;
  void SetTabOrder(int32_t value);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;

  // Whether the control could take the focus now: it accepts the focus and
  // it and its parents are visible and enabled.
  bool CanFocus() const;
  // Whether the control has the focus: it is the active control of a form
  // that is shown.
  bool Focused() const;
  // Moves the focus here (through the form, which runs OnExit of the
  // control that had it, and that may refuse); answers whether the focus
  // is here afterwards.
  bool SetFocus();

  virtual void DoEnter();
  virtual void DoExit();
  // A key that reached the control; raises OnKeyDown, which may clear Key.
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  // Keys the control handles itself before the form's dialog keys (Tab,
  // arrows, Enter, Escape) see them.
  virtual bool WantsKey(uint16_t /*key*/, TShiftState /*shift*/) const { return false; }
  // Whether a mouse press moves the focus here before the control sees it
  // (the standard controls); custom controls decide in MouseDown.
  virtual bool TakesFocusOnPress() const { return false; }
  // Containers (group boxes, panels) never hold the focus themselves.
  virtual bool AcceptsFocus() const { return true; }

  // Every windowed control below this one, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // Focuses the next (or previous) control of this one's tab order list
  // after `current`, wrapping round; with checkTabStop only tab stops.
  bool SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  // Focuses the first tab stop inside this control.
  bool SelectFirst();

  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;
  BindResult BindEvent(const std::string& name, const TEventHandler& handler) override;
  void Loaded() override;

 private:
  friend class TControl;
  std::vector<std::unique_ptr<TControl>> children_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int32_t readTabOrder_ = -1;  // as read from the form, applied once it is read
};

// A windowed control that paints itself: Paint draws on Canvas, whose
// pixels are the control's surface, the size of the control.
class TCustomControl : public TWinControl {
 public:
  TCustomControl();
  const char* ClassName() const override { return "TCustomControl"; }

  TCanvas& Canvas() { return surface_.Canvas(); }
  // What the control shows, as its last paint left it.
  const TBitmap& Surface() const { return surface_; }
  // Paints now.
  void Repaint() override;
  void Invalidate() { Repaint(); }

 protected:
  virtual void Paint() {}
  void BoundsChanged() override;

 private:
  TBitmap surface_;
};

}  // namespace ui
