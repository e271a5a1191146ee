#include "NumberedName.h"

#include <cctype>

namespace host {

std::optional<NumberedName> NumberedName::parse(const std::string& pattern) {
  NumberedName name;
  name.pattern_ = pattern;
  bool found = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    std::string& text = found ? name.after_ : name.before_;
    if (pattern[i] != '%') {
      text += pattern[i];
      continue;
    }
    size_t j = i + 1;
    if (j < pattern.size() && pattern[j] == '%') {
      text += '%';
      i = j;
      continue;
    }
    if (found) return std::nullopt;  // a second conversion
    if (j < pattern.size() && pattern[j] == '0') {
      name.zeroPad_ = true;
      ++j;
    }
    size_t digits = 0;
    while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) &&
           digits < 2) {
      name.width_ = name.width_ * 10 + (pattern[j] - '0');
      ++j;
      ++digits;
    }
    if (j >= pattern.size() || (pattern[j] != 'd' && pattern[j] != 'i' && pattern[j] != 'u'))
      return std::nullopt;
    found = true;
    i = j;
  }
  if (!found) return std::nullopt;
  return name;
}

std::string NumberedName::at(int64_t number) const {
  std::string digits = std::to_string(number < 0 ? -number : number);
  std::string sign = number < 0 ? "-" : "";
  std::string text = sign + digits;
  if (int(text.size()) < width_) {
    size_t pad = size_t(width_) - text.size();
    text = zeroPad_ ? sign + std::string(pad, '0') + digits : std::string(pad, ' ') + text;
  }
  return before_ + text + after_;
}

}  // namespace host
