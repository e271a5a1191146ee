// Reads form files: nested objects with properties, in this text format:
//
//   object PushDlg: TPushDlg          // the form itself
//     Caption = 'Push configuration'
//     ClientWidth = 235
//     object Button1: TButton
//       Caption = 'OK'
//       Default = True
//       ModalResult = 1
//       OnClick = Button1Click        // a handler the dialog class publishes
//     end
//   end
//
// Values: integers (decimal, or hexadecimal after "$"), texts in single
// quotes ('' for a quote) joined with character codes (#176) and "+" across
// lines, identifiers (True, bsDialog, clNavy, a control's name), sets
// ([tdUp, tdDown]) and lists of texts (('a' 'b')).  "//" starts a comment.
#include <cctype>
#include <map>
#include <set>

#include "Direction4Button.h"
#include "Forms.h"
#include "Module.h"

namespace ui {

// ---- FormValue ----

namespace {

const char* kindName(FormValue::Kind kind) {
  switch (kind) {
    case FormValue::Kind::Integer: return "a number";
    case FormValue::Kind::String: return "a text";
    case FormValue::Kind::Identifier: return "a name";
    case FormValue::Kind::Set: return "a set";
    case FormValue::Kind::List: return "a list";
  }
  return "a value";
}

void expect(const FormValue& v, FormValue::Kind kind) {
  if (v.kind != kind)
    throw EFormError(std::string(kindName(kind)) + " is expected, not " + kindName(v.kind));
}

}  // namespace

int32_t FormValue::AsInteger() const {
  expect(*this, Kind::Integer);
  if (integer < INT32_MIN || integer > INT32_MAX) throw EFormError("the number is out of range");
  return int32_t(integer);
}

bool FormValue::AsBoolean() const {
  if (kind == Kind::Identifier && (text == "True" || text == "False")) return text == "True";
  throw EFormError("True or False is expected");
}

const std::string& FormValue::AsString() const {
  expect(*this, Kind::String);
  return text;
}

const std::string& FormValue::AsIdentifier() const {
  expect(*this, Kind::Identifier);
  return text;
}

const std::vector<std::string>& FormValue::AsSet() const {
  expect(*this, Kind::Set);
  return items;
}

const std::vector<std::string>& FormValue::AsStrings() const {
  expect(*this, Kind::List);
  return items;
}

TColor FormValue::AsColor() const {
  if (kind == Kind::Integer) return TColor(uint32_t(integer));
  TColor color;
  if (!IdentToColor(AsIdentifier(), color)) throw EFormError("unknown colour " + text);
  return color;
}

// ---- the reader ----

struct FormObject {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<std::pair<std::string, FormValue>> properties;
  std::vector<int> propertyLines;
  std::vector<FormObject> children;
};

class FormReader {
 public:
  FormReader(std::string_view text, std::string source) : text_(text), source_(std::move(source)) {}

  FormObject parse() {
    skipSpace();
    FormObject root = parseObject();
    skipSpace();
    if (pos_ < text_.size()) fail("text after the final end");
    return root;
  }

  void build(TForm& form, const FormObject& root) {
    checkNames(root);
    form.BeginLoading();
    std::vector<TControl*> loaded{&form};
    FormFixups fixups;
    form.SetName(root.name);
    applyProperties(form, form, root, fixups);
    for (auto& child : root.children) buildChild(form, form, child, fixups, loaded);
    try {
      for (auto& fixup : fixups) fixup(form);
    } catch (const EFormError& error) {
      fail(error.what(), root.line);
    }
    for (TControl* control : loaded) control->Loaded();
    if (form.OnCreate) form.OnCreate(&form);
  }

 private:
  [[noreturn]] void fail(const std::string& what, int line = 0) const {
    throw EFormError(source_ + ":" + std::to_string(line ? line : line_) + ": " + what);
  }

  // ---- text ----

  void skipSpace() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  bool atIdentifierStart() const {
    return pos_ < text_.size() && (std::isalpha((unsigned char)text_[pos_]) || text_[pos_] == '_');
  }

  std::string identifier() {
    skipSpace();
    if (!atIdentifierStart()) fail("a name is expected");
    size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isalnum((unsigned char)text_[pos_]) || text_[pos_] == '_' || text_[pos_] == '.'))
      ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  void symbol(char c) {
    skipSpace();
    if (pos_ >= text_.size() || text_[pos_] != c) fail(std::string("\"") + c + "\" is expected");
    ++pos_;
  }

  bool peek(char c) {
    skipSpace();
    return pos_ < text_.size() && text_[pos_] == c;
  }

  FormObject parseObject() {
    FormObject object;
    object.line = line_;
    if (identifier() != "object") fail("\"object\" is expected");
    object.name = identifier();
    symbol(':');
    object.className = identifier();
    for (;;) {
      skipSpace();
      if (pos_ >= text_.size()) fail("\"end\" is missing for " + object.name, object.line);
      size_t mark = pos_;
      int line = line_;
      std::string word = identifier();
      if (word == "end") return object;
      if (word == "object") {
        pos_ = mark;
        line_ = line;
        object.children.push_back(parseObject());
        continue;
      }
      symbol('=');
      object.properties.emplace_back(word, parseValue());
      object.propertyLines.push_back(line);
    }
  }

  FormValue parseValue() {
    skipSpace();
    if (pos_ >= text_.size()) fail("a value is expected");
    char c = text_[pos_];
    FormValue value;
    if (c == '\'' || c == '#') {
      value.kind = FormValue::Kind::String;
      value.text = parseText();
    } else if (c == '-' || c == '$' || std::isdigit((unsigned char)c)) {
      value.kind = FormValue::Kind::Integer;
      value.integer = parseInteger();
    } else if (c == '[') {
      value.kind = FormValue::Kind::Set;
      ++pos_;
      if (!peek(']')) {
        do {
          if (peek(',')) ++pos_;
          value.items.push_back(identifier());
        } while (peek(','));
      }
      symbol(']');
    } else if (c == '(') {
      value.kind = FormValue::Kind::List;
      ++pos_;
      while (!peek(')')) {
        if (pos_ >= text_.size() || (text_[pos_] != '\'' && text_[pos_] != '#'))
          fail("a text is expected in the list");
        value.items.push_back(parseText());
      }
      symbol(')');
    } else if (atIdentifierStart()) {
      value.kind = FormValue::Kind::Identifier;
      value.text = identifier();
    } else {
      fail(std::string("unexpected \"") + c + "\"");
    }
    return value;
  }

  int64_t parseInteger() {
    bool negative = text_[pos_] == '-';
    if (negative) ++pos_;
    bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    int64_t value = 0;
    size_t digits = 0;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      int digit = std::isdigit((unsigned char)c)           ? c - '0'
                  : hex && std::isxdigit((unsigned char)c) ? std::tolower(c) - 'a' + 10
                                                           : -1;
      if (digit < 0) break;
      value = value * (hex ? 16 : 10) + digit;
      if (value > 0xFFFFFFFFll) fail("the number is too large");
      ++pos_;
      ++digits;
    }
    if (digits == 0) fail("a number is expected");
    return negative ? -value : value;
  }

  // 'text'#176'more' + 'next line'
  std::string parseText() {
    std::string out;
    for (;;) {
      skipSpace();
      if (pos_ < text_.size() && text_[pos_] == '\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= text_.size() || text_[pos_] == '\n') fail("a text is not closed");
          char c = text_[pos_++];
          if (c == '\'') {
            if (pos_ < text_.size() && text_[pos_] == '\'') {
              out += '\'';
              ++pos_;
              continue;
            }
            break;
          }
          out += c;
        }
      } else if (pos_ < text_.size() && text_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        int code = 0;
        while (pos_ < text_.size() && std::isdigit((unsigned char)text_[pos_]) && code < 256)
          code = code * 10 + (text_[pos_++] - '0');
        if (pos_ == start || code > 255) fail("a character code 0-255 is expected");
        out += char(code);
      } else {
        fail("a text is expected");
      }
      // Continue after a "+" or directly with the next part.
      skipSpace();
      if (pos_ < text_.size() && text_[pos_] == '+') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
        // Inside a list, adjacent texts are separate items, parted by blanks.
        if (pos_ > 0 && (text_[pos_ - 1] == ' ' || text_[pos_ - 1] == '\n' ||
                         text_[pos_ - 1] == '\t' || text_[pos_ - 1] == '\r'))
          return out;
        continue;
      }
      return out;
    }
  }

  // ---- building ----

  void checkNames(const FormObject& root) {
    std::set<std::string> seen;
    std::vector<const FormObject*> stack{&root};
    while (!stack.empty()) {
      const FormObject* o = stack.back();
      stack.pop_back();
      if (!seen.insert(o->name).second) fail("the name " + o->name + " is used twice", o->line);
      for (auto& c : o->children) stack.push_back(&c);
    }
  }

  std::unique_ptr<TControl> create(TForm& form, const FormObject& object) {
    if (auto it = form.classes_.find(object.className); it != form.classes_.end())
      return it->second();
    static const std::map<std::string, std::unique_ptr<TControl> (*)()> kBuiltIn = {
        {"TButton", [] { return std::unique_ptr<TControl>(std::make_unique<TButton>()); }},
        {"TEdit", [] { return std::unique_ptr<TControl>(std::make_unique<TEdit>()); }},
        {"TLabel", [] { return std::unique_ptr<TControl>(std::make_unique<TLabel>()); }},
        {"TRadioButton",
         [] { return std::unique_ptr<TControl>(std::make_unique<TRadioButton>()); }},
        {"TCheckBox", [] { return std::unique_ptr<TControl>(std::make_unique<TCheckBox>()); }},
        {"TComboBox", [] { return std::unique_ptr<TControl>(std::make_unique<TComboBox>()); }},
        {"TGroupBox", [] { return std::unique_ptr<TControl>(std::make_unique<TGroupBox>()); }},
        {"TBevel", [] { return std::unique_ptr<TControl>(std::make_unique<TBevel>()); }},
        {"TPanel", [] { return std::unique_ptr<TControl>(std::make_unique<TPanel>()); }},
        {"TDirection4Button",
         [] { return std::unique_ptr<TControl>(std::make_unique<TDirection4Button>()); }},
        {"TClockDirection",
         [] { return std::unique_ptr<TControl>(std::make_unique<TClockDirection>()); }},
    };
    auto it = kBuiltIn.find(object.className);
    if (it == kBuiltIn.end()) fail("unknown class " + object.className, object.line);
    return it->second();
  }

  void buildChild(TForm& form, TControl& parent, const FormObject& object, FormFixups& fixups,
                  std::vector<TControl*>& loaded) {
    auto* container = dynamic_cast<TWinControl*>(&parent);
    if (!container) fail(parent.Name() + " cannot hold controls", object.line);
    std::unique_ptr<TControl> created = create(form, object);
    created->BeginLoading();
    created->SetName(object.name);
    TControl& control = container->InsertControl(std::move(created));
    loaded.push_back(&control);
    applyProperties(form, control, object, fixups);
    for (auto& child : object.children) buildChild(form, control, child, fixups, loaded);
  }

  void applyProperties(TForm& form, TControl& control, const FormObject& object, FormFixups& out) {
    for (size_t i = 0; i < object.properties.size(); ++i) {
      const auto& [name, value] = object.properties[i];
      int line = object.propertyLines[i];
      try {
        if (name.rfind("On", 0) == 0 && name.size() > 2 && std::isupper((unsigned char)name[2])) {
          bindHandler(form, control, name, value, line);
        } else if (!control.SetProperty(name, value, out)) {
          fail(std::string(control.ClassName()) + " has no property " + name, line);
        }
      } catch (const EFormError& error) {
        std::string what = error.what();
        if (what.rfind(source_ + ":", 0) == 0) throw;
        fail(name + ": " + what, line);
      }
    }
  }

  void bindHandler(TForm& form, TControl& control, const std::string& event, const FormValue& value,
                   int line) {
    const std::string& handler = value.AsIdentifier();
    auto it = form.handlers_.find(handler);
    if (it == form.handlers_.end())
      fail("the handler " + handler + " is not published by the form class", line);
    switch (control.BindEvent(event, it->second)) {
      case BindResult::Bound: return;
      case BindResult::NoSuchEvent:
        fail(std::string(control.ClassName()) + " has no event " + event, line);
      case BindResult::WrongKind: fail("the handler " + handler + " does not fit " + event, line);
    }
  }

  std::string_view text_;
  std::string source_;
  size_t pos_ = 0;
  int line_ = 1;
};

void TForm::ReadForm(const char* name) { ReadForm(plugin::thisModule(), name); }

void TForm::ReadForm(HMODULE module, const char* name) {
  size_t size = 0;
  const char* text = vtrFindForm(module, name, &size);
  if (!text)
    throw EResNotFound(std::string("form resource ") + (name ? name : "(null)") + " not found");
  ReadFormText(std::string_view(text, size), std::string(name) + ".form");
}

void TForm::ReadFormText(std::string_view text, const std::string& sourceName) {
  FormReader reader(text, sourceName);
  reader.build(*this, reader.parse());
}

}  // namespace ui
