// The standard controls the dialogs use: label, bevel, button, check box,
// radio button, edit, drop-down list, group box and panel.
#pragma once

#include <string>
#include <vector>

#include "Controls.h"

namespace ui {

class TLabel : public TControl {
 public:
  const char* ClassName() const override { return "TLabel"; }
  // The control that takes the focus for the label's accelerator.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }
  bool Accelerate() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 private:
  TWinControl* focusControl_ = nullptr;
};

// A drawn line or frame; kept for the layout only.
class TBevel : public TControl {
 public:
  const char* ClassName() const override { return "TBevel"; }
  const std::string& Shape() const { return shape_; }
  const std::string& Style() const { return style_; }
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 private:
  std::string shape_ = "bsBox";
  std::string style_ = "bsLowered";
};

class TButton : public TWinControl {
 public:
  TButton();
  const char* ClassName() const override { return "TButton"; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  // Hands the button's modal result to its form, then raises OnClick.
  void Click() override;
  bool TakesFocusOnPress() const override { return true; }
  bool Accelerate() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

class TCheckBox : public TWinControl {
 public:
  TCheckBox();
  const char* ClassName() const override { return "TCheckBox"; }
  bool Checked() const { return checked_; }
  // A change raises OnClick (not while the form is read).
  void SetChecked(bool value);
  void Toggle() { SetChecked(!checked_); }
  void ClickedByMouse() override { Toggle(); }
  bool TakesFocusOnPress() const override { return true; }
  bool Accelerate() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 private:
  bool checked_ = false;
};

// Radio buttons are exclusive within their parent: checking one unchecks
// its sibling radio buttons.  Only the checked one is a tab stop.
class TRadioButton : public TWinControl {
 public:
  const char* ClassName() const override { return "TRadioButton"; }
  bool Checked() const { return checked_; }
  // Checking raises OnClick (not while the form is read); unchecking does not.
  void SetChecked(bool value);
  void ClickedByMouse() override { SetChecked(true); }
  bool TakesFocusOnPress() const override { return true; }
  bool Accelerate() override;
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 private:
  bool checked_ = false;
};

// A one-line edit; the caret stays at the end of the text.
class TEdit : public TWinControl {
 public:
  TEdit();
  const char* ClassName() const override { return "TEdit"; }
  const std::string& Text() const { return Caption(); }
  // A change raises OnChange (not while the form is read).
  void SetText(const std::string& value);
  void SetCaption(const std::string& value) override { SetText(value); }
  int32_t MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int32_t value) { maxLength_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }

  // The user types one character at the caret.
  void TypeChar(char c);

  TNotifyEvent OnChange;

  bool WantsKey(uint16_t key, TShiftState shift) const override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  bool TakesFocusOnPress() const override { return true; }
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;
  BindResult BindEvent(const std::string& name, const TEventHandler& handler) override;

 private:
  int32_t maxLength_ = 0;
  bool readOnly_ = false;
};

// A drop-down list: one of its items, or none (ItemIndex -1).
class TComboBox : public TWinControl {
 public:
  TComboBox();
  const char* ClassName() const override { return "TComboBox"; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int32_t ItemIndex() const { return itemIndex_; }
  // Selects in code: no event, as in the class library.  Out of range: -1.
  void SetItemIndex(int32_t index);
  std::string Text() const;

  // The user picks item `index`: OnClick, then OnChange.
  void SelectByUser(int32_t index);

  TNotifyEvent OnChange;

  bool WantsKey(uint16_t key, TShiftState shift) const override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  bool TakesFocusOnPress() const override { return true; }
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;
  BindResult BindEvent(const std::string& name, const TEventHandler& handler) override;

 private:
  std::vector<std::string> items_;
  int32_t itemIndex_ = -1;
  std::string style_ = "csDropDownList";
};

class TGroupBox : public TWinControl {
 public:
  const char* ClassName() const override { return "TGroupBox"; }
  bool AcceptsFocus() const override { return false; }
  bool Accelerate() override;
};

class TPanel : public TCustomControl {
 public:
  TPanel();
  const char* ClassName() const override { return "TPanel"; }
  bool AcceptsFocus() const override { return false; }
  bool SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) override;

 protected:
  void Paint() override;

 private:
  std::string bevelOuter_ = "bvRaised";
  std::string bevelInner_ = "bvNone";
};

// Whether `caption` carries the accelerator `key` ("&Direction" and D).
bool IsAccel(uint16_t key, const std::string& caption);

}  // namespace ui
