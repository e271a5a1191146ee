#include "Controls.h"

#include <algorithm>

#include "Forms.h"

namespace ui {
namespace {

// Layout-only properties of the designer that this system keeps no state for.
bool isLayoutOnly(const std::string& name) {
  return name.rfind("Font.", 0) == 0 || name == "ParentFont" || name == "HelpContext" ||
         name == "PixelsPerInch" || name == "TextHeight" || name == "Scaled" ||
         name == "OldCreateOrder" || name == "AutoSize" || name == "Transparent" ||
         name == "WordWrap" || name == "Alignment" || name == "Layout";
}

TCursor cursorByName(const FormValue& value) {
  if (value.kind == FormValue::Kind::Integer) return value.AsInteger();
  static const struct {
    const char* name;
    TCursor cursor;
  } kCursors[] = {{"crDefault", crDefault},   {"crArrow", crArrow},       {"crCross", crCross},
                  {"crIBeam", crIBeam},       {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS},
                  {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},     {"crSizeAll", crSizeAll}};
  for (auto& c : kCursors)
    if (value.AsIdentifier() == c.name) return c.cursor;
  throw EFormError("unknown cursor " + value.AsIdentifier());
}

template <class Event>
BindResult bindTo(Event& event, const TEventHandler& handler) {
  const Event* typed = std::get_if<Event>(&handler);
  if (!typed) return BindResult::WrongKind;
  event = *typed;
  return BindResult::Bound;
}

}  // namespace

// ---- TControl ----

TControl::TControl() = default;
TControl::~TControl() = default;

TForm* TControl::Form() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized) BoundsChanged();
}

TPoint TControl::ClientToScreen(TPoint point) const {
  point.X += left_;
  point.Y += top_;
  return parent_ ? parent_->ClientToScreen(point) : point;
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Repaint();
}

bool TControl::IsEnabledInFormChain() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool TControl::IsVisibleInFormChain() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

TColor TControl::Color() const {
  if (parentColor_ && parent_) return parent_->Color();
  return color_;
}

void TControl::SetColor(TColor value) {
  color_ = value;
  parentColor_ = false;
  Repaint();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  Repaint();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Loaded() { loading_ = false; }

bool TControl::SetProperty(const std::string& name, const FormValue& value, FormFixups&) {
  if (name == "Left")
    SetLeft(value.AsInteger());
  else if (name == "Top")
    SetTop(value.AsInteger());
  else if (name == "Width")
    SetWidth(value.AsInteger());
  else if (name == "Height")
    SetHeight(value.AsInteger());
  else if (name == "Caption")
    SetCaption(value.AsString());
  else if (name == "Hint")
    SetHint(value.AsString());
  else if (name == "ShowHint")
    SetShowHint(value.AsBoolean());
  else if (name == "ParentShowHint")
    SetParentShowHint(value.AsBoolean());
  else if (name == "Enabled")
    SetEnabled(value.AsBoolean());
  else if (name == "Visible")
    SetVisible(value.AsBoolean());
  else if (name == "Color")
    SetColor(value.AsColor());
  else if (name == "ParentColor")
    SetParentColor(value.AsBoolean());
  else if (name == "Tag")
    SetTag(value.AsInteger());
  else if (name == "Cursor")
    SetCursor(cursorByName(value));
  else
    return isLayoutOnly(name);
  return true;
}

BindResult TControl::BindEvent(const std::string& name, const TEventHandler& handler) {
  if (name == "OnClick") return bindTo(OnClick, handler);
  if (name == "OnMouseDown") return bindTo(OnMouseDown, handler);
  if (name == "OnMouseMove") return bindTo(OnMouseMove, handler);
  if (name == "OnMouseUp") return bindTo(OnMouseUp, handler);
  return BindResult::NoSuchEvent;
}

// ---- TWinControl ----

TWinControl::TWinControl() = default;
TWinControl::~TWinControl() = default;

TControl& TWinControl::InsertControl(std::unique_ptr<TControl> child) {
  TControl& ref = *child;
  ref.parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(&ref)) tabList_.push_back(windowed);
  children_.push_back(std::move(child));
  return ref;
}

int32_t TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  auto& list = Parent()->tabList_;
  return int32_t(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int32_t value) {
  if (Loading()) {
    // Applied once the form is read, when every sibling exists.
    readTabOrder_ = value;
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  list.erase(std::find(list.begin(), list.end(), this));
  size_t at = value < 0 || size_t(value) > list.size() ? list.size() : size_t(value);
  list.insert(list.begin() + std::ptrdiff_t(at), this);
}

bool TWinControl::CanFocus() const {
  return AcceptsFocus() && Form() && IsVisibleInFormChain() && IsEnabledInFormChain();
}

bool TWinControl::Focused() const {
  TForm* form = Form();
  return form && form->Showing() && form->ActiveControl() == this;
}

bool TWinControl::SetFocus() {
  TForm* form = Form();
  return form && form != this && form->FocusControl(this);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

bool TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return false;
  auto at = std::find(list.begin(), list.end(), current);
  size_t start = at == list.end() ? (forward ? list.size() - 1 : 0) : size_t(at - list.begin());
  for (size_t step = 1; step <= list.size(); ++step) {
    size_t i = forward ? (start + step) % list.size()
                       : (start + list.size() - step % list.size()) % list.size();
    TWinControl* candidate = list[i];
    if (candidate == current) break;
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()))
      return candidate->SetFocus();
  }
  return false;
}

bool TWinControl::SelectFirst() { return SelectNext(nullptr, true, true); }

bool TWinControl::SetProperty(const std::string& name, const FormValue& value, FormFixups& fixups) {
  if (name == "TabOrder")
    SetTabOrder(value.AsInteger());
  else if (name == "TabStop")
    SetTabStop(value.AsBoolean());
  else
    return TControl::SetProperty(name, value, fixups);
  return true;
}

BindResult TWinControl::BindEvent(const std::string& name, const TEventHandler& handler) {
  if (name == "OnEnter") return bindTo(OnEnter, handler);
  if (name == "OnExit") return bindTo(OnExit, handler);
  if (name == "OnKeyDown") return bindTo(OnKeyDown, handler);
  return TControl::BindEvent(name, handler);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // The tab order the form file gave, the others after them as created.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    auto rank = [](TWinControl* c) { return c->readTabOrder_ < 0 ? INT32_MAX : c->readTabOrder_; };
    return rank(a) < rank(b);
  });
}

// ---- TCustomControl ----

TCustomControl::TCustomControl() = default;

void TCustomControl::Repaint() {
  // A new surface shows the control's colour until the control paints.
  if (surface_.Width() != Width() || surface_.Height() != Height())
    surface_.SetSize(Width(), Height(), ColorToRGB(Color()));
  Paint();
}

void TCustomControl::BoundsChanged() { Repaint(); }

}  // namespace ui
