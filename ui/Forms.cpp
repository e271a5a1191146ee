#include "Forms.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ui {
namespace {

void copyError(const std::string& text, char* buffer, int32_t size) {
  if (!buffer || size <= 0) return;
  size_t n = std::min(text.size(), size_t(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

TControl* findByName(const TControl& control, const std::string& name) {
  if (control.Name() == name) return const_cast<TControl*>(&control);
  if (auto* windowed = dynamic_cast<const TWinControl*>(&control))
    for (int32_t i = 0; i < windowed->ControlCount(); ++i)
      if (TControl* found = findByName(*windowed->Controls(i), name)) return found;
  return nullptr;
}

// Every control below `control`, depth first in child order.
void collect(const TControl& control, std::vector<TControl*>& out) {
  if (auto* windowed = dynamic_cast<const TWinControl*>(&control))
    for (int32_t i = 0; i < windowed->ControlCount(); ++i) {
      out.push_back(windowed->Controls(i));
      collect(*windowed->Controls(i), out);
    }
}

bool isArrow(uint16_t key) {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

// ---- TForm ----

TForm::TForm() {
  handle_ = vtrCreateFormWindow(&formProc, this);
  SetColor(clBtnFace);
}

TForm::~TForm() { vtrDestroyWindow(handle_); }

int32_t TForm::frame() const { return borderStyle_ == "bsNone" ? 0 : VTR_DIALOG_FRAME; }
int32_t TForm::caption() const { return borderStyle_ == "bsNone" ? 0 : VTR_CAPTION_HEIGHT; }

void TForm::SetBorderStyle(const std::string& style) {
  if (Loading()) {  // the client size is applied once the form is read
    borderStyle_ = style;
    return;
  }
  int32_t width = ClientWidth(), height = ClientHeight();
  borderStyle_ = style;
  // The client area keeps its size; the window grows or shrinks round it.
  SetClientWidth(width);
  SetClientHeight(height);
}

int32_t TForm::ClientWidth() const { return std::max(Width() - 2 * frame(), 0); }
int32_t TForm::ClientHeight() const { return std::max(Height() - 2 * frame() - caption(), 0); }

void TForm::SetClientWidth(int32_t value) {
  if (Loading()) readClientWidth_ = value;  // the border style may still change
  SetWidth(value + 2 * frame());
}

void TForm::SetClientHeight(int32_t value) {
  if (Loading()) readClientHeight_ = value;
  SetHeight(value + 2 * frame() + caption());
}

TPoint TForm::ClientToScreen(TPoint point) const {
  return TPoint{point.X + Left() + frame(), point.Y + Top() + frame() + caption()};
}

void TForm::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TWinControl::SetBounds(left, top, width, height);
  MoveWindow(handle_, left, top, width, height, 1);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control && control->Form() != this) return;
  if (showing_) {
    FocusControl(control);
  } else {
    active_ = control;
  }
}

TModalResult TForm::ShowModal() {
  if (showing_) throw EInvalidOperation("Cannot make a visible window modal");
  modalResult_ = mrNone;
  fault_ = nullptr;
  showing_ = true;
  vtrBeginModal(handle_);
  struct EndRun {
    TForm& form;
    ~EndRun() {
      form.showing_ = false;
      form.pressed_ = nullptr;
      vtrEndModal(form.handle_);
    }
  } endRun{*this};

  if (OnShow) OnShow(this);
  // The first control to hold the focus: the active control the form was
  // given, else the first tab stop.
  TWinControl* first = active_ && active_->CanFocus() ? active_ : nullptr;
  if (!first) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* c : list)
      if (c->CanFocus() && c->TabStop()) {
        first = c;
        break;
      }
  }
  active_ = first;
  if (first) {
    try {
      first->DoEnter();
    } catch (const EAbort&) {
    }
  }

  while (modalResult_ == mrNone) {
    if (!vtrDriveModal(handle_)) {
      Close();
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
    }
    if (fault_) std::rethrow_exception(std::exchange(fault_, nullptr));
  }
  return modalResult_;
}

void TForm::Close() {
  if (showing_) modalResult_ = mrCancel;
}

void TForm::Release() { vtrPostRelease(handle_); }

void TForm::Publish(const std::string& name, TEventHandler handler) {
  handlers_[name] = std::move(handler);
}

TControl* TForm::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  return findByName(*this, name);
}

std::string TForm::missingComponent(const std::string& name) const {
  std::string form = Name().empty() ? std::string(ClassName()) : Name();
  if (TControl* found = FindComponent(name))
    return "the control " + name + " of form " + form + " is a " + found->ClassName() +
           ", not what the dialog expects";
  return "the form " + form + " has no control named " + name;
}

// ---- focus ----

bool TForm::FocusControl(TWinControl* target) {
  if (!target || target->Form() != this || target == this) return false;
  if (!showing_) {
    // Not shown yet: the control will get the focus when the form shows.
    if (!target->AcceptsFocus()) return false;
    active_ = target;
    return true;
  }
  if (changingFocus_) {
    // An exit handler sends the focus elsewhere (or back to itself): that
    // becomes where the move in progress ends.
    redirect_ = target;
    return true;
  }
  if (target == active_) return true;
  if (!target->CanFocus()) return false;

  TWinControl* const requested = target;
  if (TWinControl* leaving = active_) {
    changingFocus_ = true;
    redirect_ = nullptr;
    try {
      leaving->DoExit();
    } catch (const EAbort&) {
      changingFocus_ = false;
      ++focusRefusals_;
      return false;
    } catch (...) {
      changingFocus_ = false;
      throw;
    }
    changingFocus_ = false;
    if (redirect_) {
      if (redirect_ == leaving || !redirect_->CanFocus()) {
        ++focusRefusals_;
        return false;
      }
      target = std::exchange(redirect_, nullptr);
    }
  }
  active_ = target;
  try {
    target->DoEnter();
  } catch (const EAbort&) {
  }
  return active_ == requested;
}

void TForm::PressButton(TButton* button) {
  if (!button || !button->CanFocus()) return;
  // The button is pressed without the focus leaving the active control, so
  // the checks that run when the focus leaves run now: a value that would
  // not let the focus go does not let the dialog close either.
  if (active_ && active_ != button && showing_) {
    try {
      active_->DoExit();
    } catch (const EAbort&) {
      ++focusRefusals_;
      return;
    }
  }
  button->Click();
}

TButton* TForm::findButton(bool (TButton::*flag)() const) const {
  std::vector<TControl*> all;
  collect(*this, all);
  for (TControl* c : all)
    if (auto* button = dynamic_cast<TButton*>(c); button && (button->*flag)() && button->CanFocus())
      return button;
  return nullptr;
}

void TForm::PressDefault() {
  TButton* focused = dynamic_cast<TButton*>(active_);
  PressButton(focused ? focused : findButton(&TButton::Default));
}

void TForm::PressCancel() {
  if (TButton* cancel = findButton(&TButton::Cancel)) cancel->Click();
}

void TForm::KeyFor(TWinControl* target, uint16_t key, TShiftState shift) {
  if (!target) target = active_;
  if (shift & ssAlt) {
    // Accelerators: the first control whose caption carries the key.
    std::vector<TControl*> all;
    collect(*this, all);
    for (TControl* c : all)
      if (c->IsVisibleInFormChain() && c->IsEnabledInFormChain() && IsAccel(key, c->Caption()) &&
          c->Accelerate())
        return;
    return;
  }
  if (target && target->WantsKey(key, shift)) {
    target->KeyDown(key, shift);
    return;
  }
  if (key == VK_TAB && !(shift & ssCtrl)) {
    SelectNext(active_, !(shift & ssShift), true);
    return;
  }
  if (isArrow(key) && active_) {
    // Arrows move among the active control's siblings; a radio button
    // reached this way is checked.
    if (TWinControl* parent = active_->Parent())
      if (parent->SelectNext(active_, key == VK_RIGHT || key == VK_DOWN, false))
        if (auto* radio = dynamic_cast<TRadioButton*>(active_)) radio->SetChecked(true);
    return;
  }
  if (key == VK_RETURN) {
    PressDefault();
    return;
  }
  if (key == VK_ESCAPE) {
    PressCancel();
    return;
  }
  if (key == VK_SPACE && target && target->TakesFocusOnPress()) {
    target->ClickedByMouse();
    return;
  }
  if (target) target->KeyDown(key, shift);
}

// ---- mouse ----

void TForm::MousePress(TControl* control, int32_t x, int32_t y) {
  pressed_ = nullptr;
  if (!control->IsEnabledInFormChain()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(control);
      windowed && windowed->TakesFocusOnPress())
    if (!FocusControl(windowed)) return;  // a refused focus move swallows the press
  pressed_ = control;
  control->MouseDown(mbLeft, ssLeft, x, y);
}

void TForm::MouseMoveOver(TControl* control, int32_t x, int32_t y) {
  if (!control->IsEnabledInFormChain()) return;
  control->MouseMove(pressed_ ? ssLeft : 0, x, y);
}

void TForm::MouseRelease(TControl* control, int32_t x, int32_t y) {
  bool clicked = pressed_ == control && control->ClientRect().Contains(TPoint{x, y});
  pressed_ = nullptr;
  if (!control->IsEnabledInFormChain()) return;
  // The click comes before the control's own release handling.
  if (clicked) control->ClickedByMouse();
  control->MouseUp(mbLeft, 0, x, y);
}

void TForm::MouseClick(TControl* control) {
  int32_t x = control->ClientRect().Width() / 2, y = control->ClientRect().Height() / 2;
  int32_t refusals = focusRefusals_;
  MousePress(control, x, y);
  // When the press made an exit check refuse the focus, a message box took
  // the mouse: the release never reaches the control.
  if (focusRefusals_ != refusals) {
    pressed_ = nullptr;
    return;
  }
  MouseRelease(control, x, y);
}

// ---- driver actions ----

TControl* TForm::needControl(const char* name, std::string& error) const {
  TControl* control = name ? FindComponent(name) : nullptr;
  std::string form = Name().empty() ? std::string(ClassName()) : Name();
  if (!control) {
    error =
        name ? "the form " + form + " has no control named " + name : "a control name is needed";
    return nullptr;
  }
  if (!control->IsVisibleInFormChain()) {
    error = std::string(name) + " is not visible";
    return nullptr;
  }
  return control;
}

bool TForm::Perform(const VtrAction& action, std::string& error) {
  switch (action.kind) {
    case VTR_ACTION_OK:
    case VTR_ACTION_CANCEL: {
      bool ok = action.kind == VTR_ACTION_OK;
      TButton* button = findButton(ok ? &TButton::Default : &TButton::Cancel);
      if (!button) {
        if (!ok) {
          Close();
          return true;
        }
        error = "the form has no default button";
        return false;
      }
      MouseClick(button);
      return true;
    }
    case VTR_ACTION_CLOSE: Close(); return true;
    case VTR_ACTION_RELEASE: return false;  // handled by the window procedure
    default: break;
  }
  TControl* control = needControl(action.control, error);
  if (!control) return false;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  switch (action.kind) {
    case VTR_ACTION_CLICK: MouseClick(control); return true;
    case VTR_ACTION_MOUSE_DOWN: MousePress(control, action.x, action.y); return true;
    case VTR_ACTION_MOUSE_MOVE: MouseMoveOver(control, action.x, action.y); return true;
    case VTR_ACTION_MOUSE_UP: MouseRelease(control, action.x, action.y); return true;
    case VTR_ACTION_FOCUS: {
      if (auto* label = dynamic_cast<TLabel*>(control); label && label->FocusControl()) {
        if (label->IsEnabledInFormChain()) label->Accelerate();
        return true;
      }
      if (!windowed || !windowed->AcceptsFocus() || control == this) {
        error = std::string(action.control) + " cannot take the focus";
        return false;
      }
      if (windowed->IsEnabledInFormChain()) FocusControl(windowed);
      return true;
    }
    case VTR_ACTION_KEY: {
      if (control == this) {
        KeyFor(active_, uint16_t(action.key), action.shift);
        return true;
      }
      if (!windowed || !windowed->AcceptsFocus()) {
        error = std::string(action.control) + " cannot take keys";
        return false;
      }
      if (!windowed->IsEnabledInFormChain()) return true;
      if (FocusControl(windowed)) KeyFor(windowed, uint16_t(action.key), action.shift);
      return true;
    }
    case VTR_ACTION_TYPE: {
      auto* edit = dynamic_cast<TEdit*>(control);
      auto* list = dynamic_cast<TComboBox*>(control);
      std::string text = action.text ? action.text : "";
      if (list) {
        auto& items = list->Items();
        auto it = std::find(items.begin(), items.end(), text);
        if (it == items.end()) {
          error = std::string(action.control) + " has no item \"" + text + "\"";
          return false;
        }
        if (list->IsEnabledInFormChain() && FocusControl(list))
          list->SelectByUser(int32_t(it - items.begin()));
        return true;
      }
      if (!edit) {
        error = std::string(action.control) + " does not take typed text";
        return false;
      }
      if (!edit->IsEnabledInFormChain() || !FocusControl(edit) || edit->ReadOnly()) return true;
      // The text is selected as the focus arrives: the first key replaces
      // it, and every key is a change of its own.
      std::string typed;
      for (char c : text) {
        if (edit->MaxLength() > 0 && typed.size() >= size_t(edit->MaxLength())) break;
        typed += c;
        edit->SetText(typed);
      }
      if (text.empty()) edit->SetText("");
      return true;
    }
    default: error = "unknown action"; return false;
  }
}

BOOL WINAPI TForm::formProc(void* context, const VtrAction* action, char* error, int32_t size) {
  auto* form = static_cast<TForm*>(context);
  if (action->kind == VTR_ACTION_RELEASE) return Application().DestroyForm(form);
  std::string reason;
  try {
    if (form->Perform(*action, reason)) return 1;
  } catch (const EAbort&) {
    return 1;  // the user's action was abandoned silently
  } catch (const std::exception& fault) {
    if (!form->showing_) {
      copyError(std::string("the form failed: ") + fault.what(), error, size);
      return 0;
    }
    form->fault_ = std::current_exception();  // raised by ShowModal
    return 1;
  } catch (...) {
    if (!form->showing_) {
      copyError("the form failed", error, size);
      return 0;
    }
    form->fault_ = std::current_exception();
    return 1;
  }
  copyError(reason, error, size);
  return 0;
}

// ---- reading ----

bool TForm::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "ClientWidth")
    SetClientWidth(value.AsInteger());
  else if (name == "ClientHeight")
    SetClientHeight(value.AsInteger());
  else if (name == "BorderStyle")
    SetBorderStyle(value.AsIdentifier());
  else if (name == "Position" || name == "BorderIcons" || name == "FormStyle")
    (void)value;
  else if (name == "ActiveControl") {
    std::string target = value.AsIdentifier();
    fixups.push_back([target](TForm& form) {
      form.SetActiveControl(form.FindComponentAs<TWinControl>(target));
    });
  } else {
    return TWinControl::SetProperty(name, value, fixups);
  }
  return true;
}

BindResult TForm::BindEvent(const std::string& name, const TEventHandler& handler) {
  auto bind = [&handler](TNotifyEvent& event) {
    const auto* typed = std::get_if<TNotifyEvent>(&handler);
    if (!typed) return BindResult::WrongKind;
    event = *typed;
    return BindResult::Bound;
  };
  if (name == "OnCreate") return bind(OnCreate);
  if (name == "OnShow") return bind(OnShow);
  return TWinControl::BindEvent(name, handler);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  // The client size the form file gave, under the border style it ended with.
  if (readClientWidth_ >= 0) SetClientWidth(readClientWidth_);
  if (readClientHeight_ >= 0) SetClientHeight(readClientHeight_);
}

// ---- TApplication ----

TApplication::~TApplication() {
  // Destroyed last first, as forms created later may refer to earlier ones.
  while (!forms_.empty()) forms_.pop_back();
}

bool TApplication::Owns(const TForm* form) const {
  return std::any_of(forms_.begin(), forms_.end(), [form](auto& f) { return f.get() == form; });
}

bool TApplication::DestroyForm(TForm* form) {
  auto it = std::find_if(forms_.begin(), forms_.end(), [form](auto& f) { return f.get() == form; });
  if (it == forms_.end()) return false;
  std::unique_ptr<TForm> doomed = std::move(*it);
  forms_.erase(it);
  return true;
}

int32_t TApplication::MessageBox(const char* text, const char* caption, UINT flags) {
  return MessageBoxA(nullptr, text, caption, flags);
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace ui
