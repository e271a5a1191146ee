#include "StdCtrls.h"

#include <cctype>

#include "Forms.h"

namespace ui {
namespace {

template <class Event>
BindResult bindTo(Event& event, const TEventHandler& handler) {
  const Event* typed = std::get_if<Event>(&handler);
  if (!typed) return BindResult::WrongKind;
  event = *typed;
  return BindResult::Bound;
}

// Focuses the control as an accelerator does; answers whether it has the
// focus afterwards.
bool focusForAccelerator(TWinControl& control) {
  return control.CanFocus() && control.SetFocus() && control.Form()->ActiveControl() == &control;
}

}  // namespace

bool IsAccel(uint16_t key, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {  // "&&" is a plain "&"
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(key & 0xFF);
  }
  return false;
}

// ---- TLabel ----

bool TLabel::Accelerate() {
  if (!focusControl_ || !focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

bool TLabel::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name != "FocusControl") return TControl::SetProperty(name, value, fixups);
  std::string target = value.AsIdentifier();
  fixups.push_back(
      [this, target](TForm& form) { SetFocusControl(form.FindComponentAs<TWinControl>(target)); });
  return true;
}

// ---- TBevel ----

bool TBevel::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "Shape")
    shape_ = value.AsIdentifier();
  else if (name == "Style")
    style_ = value.AsIdentifier();
  else
    return TControl::SetProperty(name, value, fixups);
  return true;
}

// ---- TButton ----

TButton::TButton() { SetTabStop(true); }

void TButton::Click() {
  if (TForm* form = Form()) form->SetModalResult(modalResult_);
  TControl::Click();
}

bool TButton::Accelerate() {
  if (!CanFocus()) return false;
  Form()->PressButton(this);
  return true;
}

bool TButton::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "Default")
    SetDefault(value.AsBoolean());
  else if (name == "Cancel")
    SetCancel(value.AsBoolean());
  else if (name == "ModalResult") {
    static const char* const kNames[] = {"mrNone",  "mrOk",     "mrCancel", "mrAbort",
                                         "mrRetry", "mrIgnore", "mrYes",    "mrNo"};
    if (value.kind == FormValue::Kind::Integer) {
      SetModalResult(value.AsInteger());
    } else {
      bool known = false;
      for (int32_t i = 0; i < 8; ++i)
        if (value.AsIdentifier() == kNames[i]) SetModalResult(i), known = true;
      if (!known) throw EFormError("unknown modal result " + value.AsIdentifier());
    }
  } else {
    return TWinControl::SetProperty(name, value, fixups);
  }
  return true;
}

// ---- TCheckBox ----

TCheckBox::TCheckBox() { SetTabStop(true); }

void TCheckBox::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (!Loading()) Click();
}

bool TCheckBox::Accelerate() {
  if (!CanFocus()) return false;
  if (focusForAccelerator(*this)) Toggle();
  return true;
}

bool TCheckBox::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "Checked")
    SetChecked(value.AsBoolean());
  else
    return TWinControl::SetProperty(name, value, fixups);
  return true;
}

// ---- TRadioButton ----

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  SetTabStop(value);
  if (!value) return;
  if (TWinControl* parent = Parent())
    for (int32_t i = 0; i < parent->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
          sibling && sibling != this)
        sibling->SetChecked(false);
  if (!Loading()) Click();
}

bool TRadioButton::Accelerate() {
  if (!CanFocus()) return false;
  if (focusForAccelerator(*this)) SetChecked(true);
  return true;
}

bool TRadioButton::SetProperty(const std::string& name, const FormValue& value,
                               FormFixups& fixups) {
  if (name == "Checked")
    SetChecked(value.AsBoolean());
  else
    return TWinControl::SetProperty(name, value, fixups);
  return true;
}

// ---- TEdit ----

TEdit::TEdit() {
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::SetText(const std::string& value) {
  if (value == Caption()) return;
  TControl::SetCaption(value);
  if (!Loading() && OnChange) OnChange(this);
}

void TEdit::TypeChar(char c) {
  if (readOnly_) return;
  if (maxLength_ > 0 && Text().size() >= size_t(maxLength_)) return;
  SetText(Text() + c);
}

bool TEdit::WantsKey(uint16_t key, TShiftState shift) const {
  if (shift & (ssAlt | ssCtrl)) return false;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_BACK:
    case VK_DELETE:
    case VK_SPACE: return true;
    default:
      return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
             (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9);
  }
}

void TEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == VK_BACK) {
    if (!readOnly_ && !Text().empty()) SetText(Text().substr(0, Text().size() - 1));
  } else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) {
    TypeChar(char('0' + (key - VK_NUMPAD0)));
  } else if (key == VK_SPACE || (key >= '0' && key <= '9')) {
    TypeChar(char(key));
  } else if (key >= 'A' && key <= 'Z') {
    TypeChar(char((shift & ssShift) ? key : std::tolower(key)));
  }
  // The caret keys move nothing that is kept here.
}

bool TEdit::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "Text")
    SetText(value.AsString());
  else if (name == "MaxLength")
    SetMaxLength(value.AsInteger());
  else if (name == "ReadOnly")
    SetReadOnly(value.AsBoolean());
  else if (name == "AutoSelect")
    value.AsBoolean();
  else
    return TWinControl::SetProperty(name, value, fixups);
  return true;
}

BindResult TEdit::BindEvent(const std::string& name, const TEventHandler& handler) {
  if (name == "OnChange") return bindTo(OnChange, handler);
  return TWinControl::BindEvent(name, handler);
}

// ---- TComboBox ----

TComboBox::TComboBox() {
  SetTabStop(true);
  SetColor(clWindow);
}

void TComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= int32_t(items_.size())) itemIndex_ = -1;
}

void TComboBox::SetItemIndex(int32_t index) {
  itemIndex_ = index >= 0 && index < int32_t(items_.size()) ? index : -1;
}

std::string TComboBox::Text() const { return itemIndex_ >= 0 ? items_[size_t(itemIndex_)] : ""; }

void TComboBox::SelectByUser(int32_t index) {
  if (index < 0 || index >= int32_t(items_.size())) return;
  itemIndex_ = index;
  Click();
  if (OnChange) OnChange(this);
}

bool TComboBox::WantsKey(uint16_t key, TShiftState shift) const {
  if (shift & (ssAlt | ssCtrl)) return false;
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME ||
         key == VK_END;
}

void TComboBox::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  int32_t last = int32_t(items_.size()) - 1;
  int32_t target = itemIndex_;
  switch (key) {
    case VK_UP:
    case VK_LEFT: target = itemIndex_ <= 0 ? 0 : itemIndex_ - 1; break;
    case VK_DOWN:
    case VK_RIGHT: target = itemIndex_ < last ? itemIndex_ + 1 : last; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = last; break;
    default: return;
  }
  // Moving onto the item already selected changes nothing.
  if (target != itemIndex_) SelectByUser(target);
}

bool TComboBox::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "Items" || name == "Items.Strings")
    SetItems(value.AsStrings());
  else if (name == "ItemIndex")
    SetItemIndex(value.AsInteger());
  else if (name == "Style")
    style_ = value.AsIdentifier();
  else if (name == "ItemHeight" || name == "DropDownCount")
    value.AsInteger();
  else
    return TWinControl::SetProperty(name, value, fixups);
  return true;
}

BindResult TComboBox::BindEvent(const std::string& name, const TEventHandler& handler) {
  if (name == "OnChange") return bindTo(OnChange, handler);
  return TWinControl::BindEvent(name, handler);
}

// ---- TGroupBox ----

bool TGroupBox::Accelerate() {
  if (!IsVisibleInFormChain() || !IsEnabledInFormChain()) return false;
  SelectFirst();
  return true;
}

// ---- TPanel ----

TPanel::TPanel() { SetColor(clBtnFace); }

void TPanel::Paint() {
  Canvas().Brush.Color = Color();
  Canvas().FillRect(ClientRect());
}

bool TPanel::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "BevelOuter")
    bevelOuter_ = value.AsIdentifier();
  else if (name == "BevelInner")
    bevelInner_ = value.AsIdentifier();
  else if (name == "BorderWidth" || name == "BevelWidth")
    value.AsInteger();
  else
    return TCustomControl::SetProperty(name, value, fixups);
  return true;
}

}  // namespace ui
