// The user-interface driver: what plays the user while a form runs
// modally, and where message boxes and beeps go.  The scripted driver reads
// a list of actions and records every message box.
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "HandleTable.h"
#include "vtrsys.h"

namespace vtrsys {
namespace {

std::atomic<const VtrUiDriver*>& installedDriver() {
  static std::atomic<const VtrUiDriver*> driver{nullptr};
  return driver;
}

// The button a message box answers when nobody chooses: its default one.
int32_t defaultButton(UINT type) {
  static const int32_t kButtons[][3] = {
      {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
      {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
  };
  UINT buttons = type & 0xF;
  UINT which = (type >> 8) & 0xF;
  if (buttons > 5) buttons = 0;
  if (which > 2) which = 0;
  return kButtons[buttons][which];
}

void copyText(const std::string& text, char* buffer, int32_t size) {
  if (!buffer || size <= 0) return;
  size_t n = std::min(text.size(), size_t(size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// ---- the scripted driver ----

struct ScriptAction {
  VtrAction action{};
  std::string control;
  std::string text;
  std::string source;  // the action as written, for reports
};

struct Message {
  std::string caption;
  std::string text;
  UINT type;
};

struct Script {
  std::vector<ScriptAction> actions;
  size_t next = 0;
  std::optional<std::string> failure;
  std::deque<Message> messages;  // a deque keeps the texts in place as it grows
  int32_t beeps = 0;
  VtrUiDriver driver{};
};

HandleTable<Script>& scripts() {
  static Immortal<HandleTable<Script>> table(4u);
  return table.get();
}

Script* findScript(HSCRIPT script) { return scripts().find(reinterpret_cast<uintptr_t>(script)); }

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits an action text into its statements: ";" and line breaks end an
// action unless they stand inside a quoted text.
std::vector<std::string> splitActions(const std::string& script, std::string& error) {
  std::vector<std::string> out;
  std::string current;
  char quote = 0;
  for (size_t i = 0; i < script.size(); ++i) {
    char c = script[i];
    if (quote) {
      current += c;
      if (c == quote) {
        if (i + 1 < script.size() && script[i + 1] == quote)
          current += script[++i];
        else
          quote = 0;
      }
    } else if (c == ';' || c == '\n') {
      out.push_back(trim(current));
      current.clear();
    } else {
      // A quote opens a text only where a word starts.
      if ((c == '\'' || c == '"') && (current.empty() || isBlank(current.back()))) quote = c;
      current += c;
    }
  }
  if (quote) {
    error = "a quoted text is not closed";
    return {};
  }
  out.push_back(trim(current));
  std::vector<std::string> actions;
  for (auto& a : out)
    if (!a.empty()) actions.push_back(a);
  return actions;
}

// Reads the next blank-separated word from `rest` (advancing it).
std::string nextWord(std::string& rest) {
  size_t start = 0;
  while (start < rest.size() && isBlank(rest[start])) ++start;
  size_t end = start;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  std::string word = rest.substr(start, end - start);
  rest = rest.substr(end);
  return word;
}

// The text of a type action: a quoted text, or the rest of the action.
bool readText(std::string rest, std::string& text, std::string& error) {
  rest = trim(rest);
  if (rest.empty() || (rest[0] != '\'' && rest[0] != '"')) {
    text = rest;
    return true;
  }
  char quote = rest[0];
  text.clear();
  size_t i = 1;
  for (; i < rest.size(); ++i) {
    if (rest[i] == quote) {
      if (i + 1 < rest.size() && rest[i + 1] == quote) {
        text += quote;
        ++i;
        continue;
      }
      break;
    }
    text += rest[i];
  }
  if (i >= rest.size()) {
    error = "a quoted text is not closed";
    return false;
  }
  if (!trim(rest.substr(i + 1)).empty()) {
    error = "unexpected words after the quoted text";
    return false;
  }
  return true;
}

bool parseKey(const std::string& word, UINT& key, UINT& shift) {
  std::string name = lower(word);
  shift = 0;
  for (;;) {
    if (name.rfind("shift+", 0) == 0) {
      shift |= VTR_SHIFT;
      name = name.substr(6);
    } else if (name.rfind("ctrl+", 0) == 0) {
      shift |= VTR_CONTROL;
      name = name.substr(5);
    } else if (name.rfind("alt+", 0) == 0) {
      shift |= VTR_ALT;
      name = name.substr(4);
    } else {
      break;
    }
  }
  static const struct {
    const char* name;
    UINT key;
  } kNamed[] = {
      {"enter", VK_RETURN},   {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
      {"tab", VK_TAB},        {"space", VK_SPACE},   {"left", VK_LEFT},     {"right", VK_RIGHT},
      {"up", VK_UP},          {"down", VK_DOWN},     {"home", VK_HOME},     {"end", VK_END},
      {"backspace", VK_BACK}, {"delete", VK_DELETE},
  };
  for (auto& k : kNamed)
    if (name == k.name) {
      key = k.key;
      return true;
    }
  if (name.size() == 7 && name.rfind("numpad", 0) == 0 && std::isdigit((unsigned char)name[6])) {
    key = VK_NUMPAD0 + UINT(name[6] - '0');
    return true;
  }
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f') {
    int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12 && std::to_string(n) == name.substr(1)) {
      key = VK_F1 + UINT(n - 1);
      return true;
    }
  }
  if (name.size() == 1 &&
      (std::isalpha((unsigned char)name[0]) || std::isdigit((unsigned char)name[0]))) {
    key = UINT(std::toupper((unsigned char)name[0]));
    return true;
  }
  return false;
}

bool parseCoordinate(const std::string& word, int32_t& value) {
  if (word.empty() || word.size() > 7) return false;
  size_t i = word[0] == '-' ? 1 : 0;
  if (i == word.size()) return false;
  for (size_t j = i; j < word.size(); ++j)
    if (!std::isdigit(static_cast<unsigned char>(word[j]))) return false;
  value = std::atoi(word.c_str());
  return true;
}

bool parseAction(const std::string& source, ScriptAction& out, std::string& error) {
  out.source = source;
  std::string rest = source;
  std::string verb = lower(nextWord(rest));
  VtrAction& a = out.action;
  auto needControl = [&]() {
    out.control = nextWord(rest);
    if (out.control.empty()) {
      error = verb + " needs a control name";
      return false;
    }
    return true;
  };
  auto noMore = [&]() {
    if (!trim(rest).empty()) {
      error = "unexpected words: " + trim(rest);
      return false;
    }
    return true;
  };
  if (verb == "click" || verb == "focus") {
    a.kind = verb == "click" ? VTR_ACTION_CLICK : VTR_ACTION_FOCUS;
    return needControl() && noMore();
  }
  if (verb == "type") {
    a.kind = VTR_ACTION_TYPE;
    return needControl() && readText(rest, out.text, error);
  }
  if (verb == "key") {
    a.kind = VTR_ACTION_KEY;
    if (!needControl()) return false;
    std::string key = nextWord(rest);
    if (key.empty() || !parseKey(key, a.key, a.shift)) {
      error = key.empty() ? "key needs a key name" : "unknown key \"" + key + "\"";
      return false;
    }
    return noMore();
  }
  if (verb == "mouse") {
    if (!needControl()) return false;
    std::string what = lower(nextWord(rest));
    if (what == "down")
      a.kind = VTR_ACTION_MOUSE_DOWN;
    else if (what == "move")
      a.kind = VTR_ACTION_MOUSE_MOVE;
    else if (what == "up")
      a.kind = VTR_ACTION_MOUSE_UP;
    else {
      error = "mouse needs down, move or up";
      return false;
    }
    if (!parseCoordinate(nextWord(rest), a.x) || !parseCoordinate(nextWord(rest), a.y)) {
      error = "mouse needs the coordinates X Y";
      return false;
    }
    return noMore();
  }
  if (verb == "ok" || verb == "cancel" || verb == "close") {
    a.kind = verb == "ok" ? VTR_ACTION_OK : verb == "cancel" ? VTR_ACTION_CANCEL : VTR_ACTION_CLOSE;
    return noMore();
  }
  error = "unknown action \"" + verb + "\"";
  return false;
}

BOOL WINAPI scriptAct(void* context, HWND form) {
  Script* script = findScript(static_cast<HSCRIPT>(context));
  if (!script || script->failure || script->next >= script->actions.size()) return 0;
  size_t index = script->next++;
  // A copy: a handler might destroy the script while the form acts.
  ScriptAction step = script->actions[index];
  step.action.control = step.control.empty() ? nullptr : step.control.c_str();
  step.action.text = step.text.c_str();
  char reason[256];
  if (vtrFormAction(form, &step.action, reason, sizeof reason)) return 1;
  // The script may have been destroyed by a handler; look it up again.
  if ((script = findScript(static_cast<HSCRIPT>(context))) != nullptr)
    script->failure = "action " + std::to_string(index + 1) + " (" + step.source +
                      "): " + (reason[0] ? reason : "the form did not take it");
  return 0;
}

int32_t WINAPI scriptMessageBox(void* context, HWND, const char* text, const char* caption,
                                UINT type) {
  if (Script* script = findScript(static_cast<HSCRIPT>(context)))
    script->messages.push_back({caption ? caption : "Error", text ? text : "", type});
  return defaultButton(type);
}

void WINAPI scriptBeep(void* context, UINT) {
  if (Script* script = findScript(static_cast<HSCRIPT>(context))) ++script->beeps;
}

}  // namespace
}  // namespace vtrsys

using namespace vtrsys;

extern "C" {

const VtrUiDriver* WINAPI vtrSetUiDriver(const VtrUiDriver* driver) {
  return installedDriver().exchange(driver);
}

int32_t WINAPI MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  const VtrUiDriver* driver = installedDriver().load();
  if (driver && driver->messageBox)
    return driver->messageBox(driver->context, owner, text, caption, type);
  return defaultButton(type);
}

BOOL WINAPI MessageBeep(UINT type) {
  const VtrUiDriver* driver = installedDriver().load();
  if (driver && driver->beep) driver->beep(driver->context, type);
  return 1;
}

BOOL WINAPI vtrDriveModal(HWND form) {
  const VtrUiDriver* driver = installedDriver().load();
  if (!driver || !driver->act || !IsWindow(form)) return 0;
  return driver->act(driver->context, form);
}

HSCRIPT WINAPI vtrScriptCreate(const char* actions, char* error, int32_t errorSize) {
  copyText("", error, errorSize);
  auto script = std::make_unique<Script>();
  std::string reason;
  std::vector<std::string> statements = splitActions(actions ? actions : "", reason);
  if (!reason.empty()) {
    copyText(reason, error, errorSize);
    return nullptr;
  }
  for (size_t i = 0; i < statements.size(); ++i) {
    ScriptAction action;
    if (!parseAction(statements[i], action, reason)) {
      copyText("action " + std::to_string(i + 1) + " (" + statements[i] + "): " + reason, error,
               errorSize);
      return nullptr;
    }
    script->actions.push_back(std::move(action));
  }
  Script* raw = script.get();
  HSCRIPT handle = reinterpret_cast<HSCRIPT>(scripts().add(std::move(script)));
  raw->driver = VtrUiDriver{handle, &scriptAct, &scriptMessageBox, &scriptBeep};
  return handle;
}

BOOL WINAPI vtrScriptDestroy(HSCRIPT script) {
  Script* s = findScript(script);
  if (!s) return 0;
  const VtrUiDriver* mine = &s->driver;
  installedDriver().compare_exchange_strong(mine, nullptr);
  return scripts().remove(reinterpret_cast<uintptr_t>(script));
}

BOOL WINAPI vtrScriptInstall(HSCRIPT script) {
  Script* s = findScript(script);
  if (!s) return 0;
  vtrSetUiDriver(&s->driver);
  return 1;
}

int32_t WINAPI vtrScriptActionCount(HSCRIPT script) {
  Script* s = findScript(script);
  return s ? int32_t(s->actions.size()) : 0;
}

const char* WINAPI vtrScriptActionText(HSCRIPT script, int32_t n) {
  Script* s = findScript(script);
  if (!s || n < 0 || size_t(n) >= s->actions.size()) return nullptr;
  return s->actions[size_t(n)].source.c_str();
}

int32_t WINAPI vtrScriptActionsRun(HSCRIPT script) {
  Script* s = findScript(script);
  return s ? int32_t(s->next) : 0;
}

const char* WINAPI vtrScriptFailure(HSCRIPT script) {
  Script* s = findScript(script);
  return s && s->failure ? s->failure->c_str() : nullptr;
}

int32_t WINAPI vtrScriptMessageCount(HSCRIPT script) {
  Script* s = findScript(script);
  return s ? int32_t(s->messages.size()) : 0;
}

BOOL WINAPI vtrScriptMessage(HSCRIPT script, int32_t n, const char** caption, const char** text,
                             UINT* type) {
  Script* s = findScript(script);
  if (!s || n < 0 || size_t(n) >= s->messages.size()) return 0;
  const Message& m = s->messages[size_t(n)];
  if (caption) *caption = m.caption.c_str();
  if (text) *text = m.text.c_str();
  if (type) *type = m.type;
  return 1;
}

int32_t WINAPI vtrScriptBeepCount(HSCRIPT script) {
  Script* s = findScript(script);
  return s ? s->beeps : 0;
}

}  // extern "C"
