// A property value as a form file writes it, and the references between
// controls that are resolved once every control of the form exists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Graphics.h"

namespace ui {

class TForm;

struct FormValue {
  enum class Kind { Integer, String, Identifier, Set, List };
  Kind kind = Kind::Integer;
  int64_t integer = 0;
  std::string text;                // String and Identifier
  std::vector<std::string> items;  // Set (identifiers) and List (strings)

  // Each conversion throws EFormError when the value is of another kind.
  int32_t AsInteger() const;
  bool AsBoolean() const;  // True or False
  const std::string& AsString() const;
  const std::string& AsIdentifier() const;
  const std::vector<std::string>& AsSet() const;
  const std::vector<std::string>& AsStrings() const;  // a list of strings
  TColor AsColor() const;                             // a colour name or a number
};

// Work left for the end of reading: references to controls by name.
using FormFixups = std::vector<std::function<void(TForm&)>>;

}  // namespace ui
