// vtrhost configure: shows an effect's dialog over a host window, with a
// script of user actions playing the user, and prints what came of it: the
// message boxes the dialog showed, OK or Cancel, and the instance's settings
// lines afterwards.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "Commands.h"
#include "Effects.h"

namespace host {
namespace {

// Where the host window lies on the screen, as a video editor's main window.
constexpr RECT kHostWindow{100, 100, 740, 580};

struct ConfigureArguments {
  std::string library, effect, settingsFile, script, saveFile;
};

ConfigureArguments parse(const Arguments& arguments) {
  ConfigureArguments parsed;
  std::vector<std::string> positional;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "--settings" || word == "--script" || word == "--save") {
      if (i + 1 >= arguments.size()) throw UsageError(word + " needs a value");
      const std::string& value = arguments[++i];
      if (word == "--settings") parsed.settingsFile = value;
      if (word == "--script") parsed.script = value;
      if (word == "--save") parsed.saveFile = value;
    } else if (word.size() > 1 && word[0] == '-') {
      throw UsageError("unknown option " + word);
    } else {
      positional.push_back(word);
    }
  }
  if (positional.size() != 2) throw UsageError("configure takes a library and an effect");
  parsed.library = positional[0];
  parsed.effect = positional[1];
  return parsed;
}

// The scripted driver, installed for the lifetime of the object.
class ScriptDriver {
 public:
  explicit ScriptDriver(const std::string& actions) {
    char error[256];
    script_ = vtrScriptCreate(actions.c_str(), error, sizeof error);
    if (!script_) throw UsageError(std::string("--script: ") + error);
    vtrScriptInstall(script_);
  }
  ~ScriptDriver() { vtrScriptDestroy(script_); }
  ScriptDriver(const ScriptDriver&) = delete;
  ScriptDriver& operator=(const ScriptDriver&) = delete;
  HSCRIPT get() const { return script_; }

 private:
  HSCRIPT script_;
};

class HostWindow {
 public:
  HostWindow()
      : window_(vtrCreateHostWindow(kHostWindow.left, kHostWindow.top, kHostWindow.right,
                                    kHostWindow.bottom)) {}
  ~HostWindow() { vtrDestroyWindow(window_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Writes the lines through a temporary file renamed into place, so that a
// failed write leaves no half-written file.
void saveLines(const std::string& path, const std::vector<SettingLine>& lines) {
  std::string temporary = path + ".XXXXXX";
  int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) throw HostError("cannot write the settings file " + path);
  close(descriptor);
  mode_t mask = umask(0);
  umask(mask);
  chmod(temporary.c_str(), 0666 & ~mask);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const SettingLine& line : lines) out << line.text << '\n';
    out.flush();
    written = bool(out);
  }
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw HostError("cannot write the settings file " + path);
  }
}

int configure(const Arguments& arguments) {
  ConfigureArguments parsed = parse(arguments);
  ScriptDriver driver(parsed.script);  // a bad script is refused before anything is loaded

  PluginLibrary library(parsed.library);
  uint32_t index = findEffect(library, parsed.effect);
  EffectUse use(library, index);
  uint32_t flags = library.api().piFlags(index);
  uint32_t hostFlags = (flags & PI_CAP_SOUND) && !(flags & PI_CAP_PICTURE) ? PI_SOUND : PI_PICTURE;
  Instance instance(library, index, hostFlags);
  if (!parsed.settingsFile.empty()) instance.loadSettingsFile(parsed.settingsFile);

  HostWindow window;
  bool ok = library.api().piLocalDlg(index, instance.handle(), window.get()) != 0;
  vtrProcessMessages();  // the host's message loop frees the released form

  HSCRIPT script = driver.get();
  for (int32_t n = 0; n < vtrScriptMessageCount(script); ++n) {
    const char* caption = "";
    const char* text = "";
    vtrScriptMessage(script, n, &caption, &text, nullptr);
    std::printf("message: %s: %s\n", caption, text);
  }
  std::printf("result: %s\n", ok ? "OK" : "Cancel");
  std::vector<SettingLine> lines = instance.saveLines();
  for (const SettingLine& line : lines) std::printf("%s\n", line.text.c_str());
  std::fflush(stdout);

  if (const char* failure = vtrScriptFailure(script))
    throw HostError(std::string("--script: ") + failure);
  int32_t run = vtrScriptActionsRun(script), count = vtrScriptActionCount(script);
  if (run == 0 && count > 0 && !(flags & PI_CAP_DIALOG))
    throw HostError("--script: the effect \"" + effectName(library, index) +
                    "\" has no dialog; no action ran");
  if (run < count)
    throw HostError("--script: the dialog closed before action " + std::to_string(run + 1) + " (" +
                    vtrScriptActionText(script, run) + ") ran; " + std::to_string(count - run) +
                    " of " + std::to_string(count) + " actions did not run");
  if (!parsed.saveFile.empty()) saveLines(parsed.saveFile, lines);
  return 0;
}

}  // namespace

const Command kConfigureCommand{
    "configure",
    "configure LIB EFFECT [--settings FILE] [--script 'ACTION; ACTION; ...'] [--save FILE]\n"
    "    shows the effect's dialog over a host window; the script plays the user:\n"
    "      click NAME, focus NAME, type NAME TEXT, key NAME KEY (numpad0-9, enter,\n"
    "      escape, tab, arrows, ...), mouse NAME down|move|up X Y, ok, cancel, close\n"
    "    prints each message box, then result: OK or Cancel, then the settings lines;\n"
    "    --save writes the settings lines to FILE",
    &configure};

}  // namespace host
