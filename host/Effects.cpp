#include "Effects.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace host {
namespace {

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// The libraries' texts are ANSI (Latin-1: the degree sign is byte 0xB0);
// this tool speaks UTF-8.
std::string latin1ToUtf8(const char* text) {
  std::string out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (*p < 0x80) {
      out += char(*p);
    } else {
      out += char(0xC0 | (*p >> 6));
      out += char(0x80 | (*p & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::string effectName(const PluginLibrary& library, uint32_t index) {
  const char* name = library.api().piName(index);
  return name ? latin1ToUtf8(name) : "";
}

uint32_t findEffect(const PluginLibrary& library, const std::string& indexOrName,
                    bool includeUnannounced) {
  uint32_t count = library.api().piCount();
  // Beyond the announced indices a library may serve more; they run until
  // the first index without a name.
  auto served = [&](uint32_t index) {
    if (index < count) return true;
    if (!includeUnannounced) return false;
    EffectUse use(library, index);
    return !effectName(library, index).empty();
  };
  bool digits = !indexOrName.empty() &&
                std::all_of(indexOrName.begin(), indexOrName.end(),
                            [](unsigned char c) { return std::isdigit(c); });
  if (digits) {
    unsigned long index = std::stoul(indexOrName);
    if (index <= 0xFFFFFFFFul && served(uint32_t(index))) return uint32_t(index);
    throw HostError("no effect " + indexOrName + " in " + library.path() + ": it announces " +
                    std::to_string(count) + " effects, 0 to " + std::to_string(count - 1));
  }
  for (uint32_t index = 0; served(index); ++index) {
    EffectUse use(library, index);
    if (lower(effectName(library, index)) == lower(indexOrName)) return index;
  }
  throw HostError("no effect named \"" + indexOrName + "\" in " + library.path() +
                  " (vtrhost list shows the effects)");
}

EffectUse::EffectUse(const PluginLibrary& library, uint32_t index) : library_(library), index_(index) {
  library_.api().piInit(index_);
}

EffectUse::~EffectUse() { library_.api().piDone(index_); }

Instance::Instance(const PluginLibrary& library, uint32_t index, uint32_t hostFlags)
    : library_(library), index_(index) {
  handle_ = library_.api().piLocalInit(index_, hostFlags);
  if (!handle_)
    throw HostError("the effect \"" + effectName(library, index) + "\" (" + std::to_string(index) +
                    ") of " + library.path() + " created no instance");
}

Instance::~Instance() { library_.api().piLocalDone(index_, handle_); }

std::vector<SettingLine> Instance::saveLines() const {
  std::vector<SettingLine> lines;
  for (int32_t n = 0; n < 64; ++n) {
    char buffer[256] = {};
    if (!api().piLocalSaveData(index_, handle_, n, buffer)) break;
    std::string text = buffer;
    if (text.empty()) continue;  // a line answered true without text
    size_t equals = text.find('=');
    SettingLine line;
    line.text = text;
    line.key = text.substr(0, equals);
    line.value = equals == std::string::npos ? "" : text.substr(equals + 1);
    lines.push_back(line);
  }
  return lines;
}

void Instance::set(const std::string& keyValue) {
  size_t equals = keyValue.find('=');
  if (equals == std::string::npos)
    throw HostError("the setting \"" + keyValue + "\" is not of the form KEY=VALUE");
  std::string key = lower(trim(keyValue.substr(0, equals)));
  std::string keys;
  for (int32_t n = 0; n < 64; ++n) {
    char buffer[256] = {};
    if (!api().piLocalSaveData(index_, handle_, n, buffer)) break;
    std::string text = buffer;
    if (text.empty()) continue;
    std::string lineKey = text.substr(0, text.find('='));
    if (lower(lineKey) == key) {
      std::string line = lineKey + "=" + trim(keyValue.substr(equals + 1));
      std::vector<char> writable(line.begin(), line.end());
      writable.push_back('\0');
      if (!api().piLocalLoadData(index_, handle_, n, writable.data()))
        throw HostError("the effect refused the setting \"" + keyValue + "\"");
      return;
    }
    keys += (keys.empty() ? "" : ", ") + lineKey;
  }
  throw HostError("the effect \"" + effectName(library_, index_) + "\" has no setting \"" +
                  trim(keyValue.substr(0, equals)) + "\"; its keys are: " +
                  (keys.empty() ? "(none)" : keys));
}

void Instance::loadSettingsFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw HostError("cannot read the settings file " + path);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    std::string text = trim(line);
    if (text.empty() || text[0] == '#') continue;
    try {
      set(text);
    } catch (const HostError& error) {
      throw HostError(path + ":" + std::to_string(lineNumber) + ": " + error.what());
    }
  }
}

std::string Instance::name() const {
  const char* name = api().piLocalName(index_, handle_);
  return name ? latin1ToUtf8(name) : "";
}

}  // namespace host
