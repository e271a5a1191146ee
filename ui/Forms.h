// Forms: a window of controls read from a form file, the focus and the
// keyboard within it, its modal run, and the application that owns forms
// created without owner until they are released.
//
// A dialog class derives from TForm, publishes its event handlers, reads
// its form file and binds its control fields:
//
//   TBandsWipeDlg::TBandsWipeDlg() {
//     Publish("Edit1Exit", &TBandsWipeDlg::Edit1Exit);
//     ReadForm("TBandsWipeDlg");            // resources/<lib>/forms/TBandsWipeDlg.form
//     Bind(Edit1, "Edit1");
//     Bind(Direction4Button1, "Direction4Button1");
//   }
#pragma once

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Controls.h"
#include "StdCtrls.h"

namespace ui {

class TForm : public TWinControl {
 public:
  TForm();
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  HWND Handle() const { return handle_; }

  // The frame round the client area follows the border style: a caption
  // and a frame for every style but bsNone.
  const std::string& BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(const std::string& style);
  int32_t ClientWidth() const;
  int32_t ClientHeight() const;
  void SetClientWidth(int32_t value);
  void SetClientHeight(int32_t value);
  TRect ClientRect() const override { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  TPoint ClientToScreen(TPoint point) const override;
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  TWinControl* ActiveControl() const { return active_; }
  // Before the form is shown: the control that gets the focus first.
  void SetActiveControl(TWinControl* control);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Shown: running modally.
  bool Showing() const { return showing_; }

  // Shows the form and runs the driver's actions until a modal result is
  // set; with no driver (or none left) the form ends as closed, with
  // mrCancel.  A fault in an event handler ends the run and is raised here.
  TModalResult ShowModal();
  // As the close box: a modal form gets mrCancel.
  void Close();
  // Asks for the form to be freed once the host's message loop runs (a
  // form owned by the application; others ignore the request).
  void Release();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;

  // ---- reading the form file ----
  // Reads form resource `name` of this library.
  void ReadForm(const char* name);
  void ReadForm(HMODULE module, const char* name);
  void ReadFormText(std::string_view text, const std::string& sourceName);

  // Publishes a method as the handler `name` for the form file.
  template <class F>
  void Publish(const std::string& name, void (F::*method)(TObject*)) {
    F* self = self_as<F>();
    Publish(name, TNotifyEvent([self, method](TObject* s) { (self->*method)(s); }));
  }
  template <class F>
  void Publish(const std::string& name,
               void (F::*method)(TObject*, TMouseButton, TShiftState, int32_t, int32_t)) {
    F* self = self_as<F>();
    Publish(name, TMouseEvent([self, method](TObject* s, TMouseButton b, TShiftState sh, int32_t x,
                                             int32_t y) { (self->*method)(s, b, sh, x, y); }));
  }
  template <class F>
  void Publish(const std::string& name,
               void (F::*method)(TObject*, TShiftState, int32_t, int32_t)) {
    F* self = self_as<F>();
    Publish(name, TMouseMoveEvent([self, method](TObject* s, TShiftState sh, int32_t x, int32_t y) {
              (self->*method)(s, sh, x, y);
            }));
  }
  template <class F>
  void Publish(const std::string& name, void (F::*method)(TObject*, uint16_t&, TShiftState)) {
    F* self = self_as<F>();
    Publish(name, TKeyEvent([self, method](TObject* s, uint16_t& k, TShiftState sh) {
              (self->*method)(s, k, sh);
            }));
  }
  void Publish(const std::string& name, TEventHandler handler);

  // A control class the form file may name besides the built-in ones.
  template <class T>
  void RegisterClass(const std::string& className) {
    classes_[className] = [] { return std::unique_ptr<TControl>(std::make_unique<T>()); };
  }

  // The control named `name` (the form itself for its own name), or null.
  TControl* FindComponent(const std::string& name) const;
  // The same, of class T; throws EFormError when there is none.
  template <class T>
  T* FindComponentAs(const std::string& name) const {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) throw EFormError(missingComponent(name));
    return found;
  }
  template <class T>
  void Bind(T*& field, const std::string& name) {
    field = FindComponentAs<T>(name);
  }

  // ---- user input, as drivers deliver it ----
  // Moves the focus to `target`: OnExit of the control that had it (which
  // may refuse by raising EAbort, or send the focus elsewhere), then
  // OnEnter of the new one.  Answers whether the focus moved to `target`.
  bool FocusControl(TWinControl* target);
  // How many focus moves were refused so far.
  int32_t FocusRefusals() const { return focusRefusals_; }
  // A key for the active control (or the form's dialog keys).
  void KeyFor(TWinControl* target, uint16_t key, TShiftState shift);
  // Enter: the focused button, else the default button, after the active
  // control's exit checks have passed.
  void PressDefault();
  // Escape: the cancel button.
  void PressCancel();
  void MousePress(TControl* control, int32_t x, int32_t y);
  void MouseMoveOver(TControl* control, int32_t x, int32_t y);
  void MouseRelease(TControl* control, int32_t x, int32_t y);
  // A press and a release in the middle of the control.
  void MouseClick(TControl* control);
  // Performs a driver's action; false with a reason for an action that
  // names what the form does not have.
  bool Perform(const VtrAction& action, std::string& error);

  // Runs `button`'s click as Enter or an accelerator does, without moving
  // the focus: the active control's exit checks run first and may refuse.
  void PressButton(TButton* button);

  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;
  BindResult BindEvent(const std::string& name, const TEventHandler& handler) override;
  void Loaded() override;

 private:
  template <class F>
  F* self_as() {
    static_assert(std::is_base_of_v<TForm, F>, "handlers are methods of the form class");
    return static_cast<F*>(this);
  }
  std::string missingComponent(const std::string& name) const;
  int32_t frame() const;
  int32_t caption() const;
  TButton* findButton(bool (TButton::*flag)() const) const;
  TControl* needControl(const char* name, std::string& error) const;
  static BOOL WINAPI formProc(void* context, const VtrAction* action, char* error, int32_t size);

  friend class FormReader;
  HWND handle_ = nullptr;
  std::string borderStyle_ = "bsSizeable";
  int32_t readClientWidth_ = -1, readClientHeight_ = -1;
  TWinControl* active_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool showing_ = false;
  bool changingFocus_ = false;
  TWinControl* redirect_ = nullptr;
  int32_t focusRefusals_ = 0;
  TControl* pressed_ = nullptr;
  std::exception_ptr fault_;
  std::map<std::string, TEventHandler> handlers_;
  std::map<std::string, std::function<std::unique_ptr<TControl>()>> classes_;
};

// Owns the forms created without owner until their release is processed,
// and shows message boxes.
class TApplication {
 public:
  TApplication() = default;
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  template <class F>
  F& CreateForm() {
    auto form = std::make_unique<F>();
    F& ref = *form;
    forms_.push_back(std::move(form));
    return ref;
  }
  // Frees a form the application owns; false for any other.
  bool DestroyForm(TForm* form);
  bool Owns(const TForm* form) const;
  int32_t FormCount() const { return int32_t(forms_.size()); }

  // A message box owned by the application (no owner window).
  int32_t MessageBox(const char* text, const char* caption, UINT flags);

 private:
  std::vector<std::unique_ptr<TForm>> forms_;
};

// The library's application object.
TApplication& Application();

}  // namespace ui
