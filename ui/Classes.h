// The root of the class library stand-in: the base object every control
// derives from, and the exceptions the library raises.
#pragma once

#include <stdexcept>

namespace ui {

class TObject {
 public:
  virtual ~TObject() = default;
};

// The silent exception: abandons the operation in progress (a focus change,
// a key, a click) without a message.  Raised by Abort().
struct EAbort {};
[[noreturn]] inline void Abort() { throw EAbort{}; }

// A resource the library needs is missing or unreadable.
struct EResNotFound : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A form file that cannot be read, or a form that does not match its class.
struct EFormError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An operation that is not allowed in the object's state.
struct EInvalidOperation : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace ui
