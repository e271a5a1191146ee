// File names with one printf-style number in them ("out/%03d.png"): the
// frames of a render, or the pictures of an input sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace host {

class NumberedName {
 public:
  // The pattern when it holds exactly one conversion %d, %i or %u, with an
  // optional 0 flag and width (%03d), and otherwise only literal text ("%%"
  // for a percent sign); nothing for any other text.
  static std::optional<NumberedName> parse(const std::string& pattern);

  std::string at(int64_t number) const;
  const std::string& pattern() const { return pattern_; }

 private:
  std::string pattern_, before_, after_;
  bool zeroPad_ = false;
  int width_ = 0;
};

}  // namespace host
