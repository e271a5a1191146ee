// A user-interface driver for tests: plays a list of steps (actions on the
// modal form, or checks of its state between actions) and records every
// message box.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "vtrsys.h"

namespace uitest {

struct Message {
  std::string caption, text;
  UINT type;
};

class StepDriver {
 public:
  using Step = std::function<void(HWND form)>;

  explicit StepDriver(std::vector<Step> steps = {}) : steps_(std::move(steps)) {
    driver_ = VtrUiDriver{this, &act, &messageBox, nullptr};
    previous_ = vtrSetUiDriver(&driver_);
  }
  ~StepDriver() { vtrSetUiDriver(previous_); }
  StepDriver(const StepDriver&) = delete;
  StepDriver& operator=(const StepDriver&) = delete;

  std::vector<Message> messages;
  size_t stepsRun() const { return next_; }
  HWND lastForm() const { return lastForm_; }

 private:
  static BOOL WINAPI act(void* context, HWND form) {
    auto* self = static_cast<StepDriver*>(context);
    self->lastForm_ = form;
    if (self->next_ >= self->steps_.size()) return 0;
    self->steps_[self->next_++](form);
    return 1;
  }
  static int32_t WINAPI messageBox(void* context, HWND, const char* text, const char* caption,
                                   UINT type) {
    static_cast<StepDriver*>(context)->messages.push_back(
        {caption ? caption : "", text ? text : "", type});
    return IDOK;
  }

  std::vector<Step> steps_;
  size_t next_ = 0;
  HWND lastForm_ = nullptr;
  VtrUiDriver driver_{};
  const VtrUiDriver* previous_ = nullptr;
};

// Performs one action on the form; a refused action fails the test.
inline StepDriver::Step action(VtrAction a, std::string control = "", std::string text = "") {
  return [a, control, text](HWND form) mutable {
    a.control = control.empty() ? nullptr : control.c_str();
    a.text = text.c_str();
    char error[256];
    if (!vtrFormAction(form, &a, error, sizeof error)) ADD_FAILURE() << "action refused: " << error;
  };
}

inline VtrAction kindOf(int32_t kind) {
  VtrAction a{};
  a.kind = kind;
  return a;
}

inline StepDriver::Step click(const std::string& name) {
  return action(kindOf(VTR_ACTION_CLICK), name);
}
inline StepDriver::Step focus(const std::string& name) {
  return action(kindOf(VTR_ACTION_FOCUS), name);
}
inline StepDriver::Step type(const std::string& name, const std::string& text) {
  return action(kindOf(VTR_ACTION_TYPE), name, text);
}
inline StepDriver::Step key(const std::string& name, UINT vk, UINT shift = 0) {
  VtrAction a = kindOf(VTR_ACTION_KEY);
  a.key = vk;
  a.shift = shift;
  return action(a, name);
}
inline StepDriver::Step mouse(const std::string& name, int32_t kind, int32_t x, int32_t y) {
  VtrAction a = kindOf(kind);
  a.x = x;
  a.y = y;
  return action(a, name);
}
inline StepDriver::Step ok() { return action(kindOf(VTR_ACTION_OK)); }
inline StepDriver::Step cancel() { return action(kindOf(VTR_ACTION_CANCEL)); }
inline StepDriver::Step check(std::function<void()> f) {
  return [f](HWND) { f(); };
}

// A host window for the length of a test.
struct HostWindow {
  HWND handle;
  HostWindow(LONG l, LONG t, LONG r, LONG b) : handle(vtrCreateHostWindow(l, t, r, b)) {}
  ~HostWindow() { vtrDestroyWindow(handle); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
};

}  // namespace uitest
