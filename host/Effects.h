// An effect of a loaded library, found by index or by name, and instances of
// it driven through the exports exactly as a video editor drives them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "PluginLibrary.h"

namespace host {

// Finds an announced effect by its index ("15") or its name ("Diamond
// Wipe Out", compared without regard to case).  Throws HostError naming the
// effect otherwise.
// With includeUnannounced, the indices a library serves beyond piCount
// (those answering a name, up to the first that does not) are found too.
uint32_t findEffect(const PluginLibrary& library, const std::string& indexOrName,
                    bool includeUnannounced = false);

// The effect's name as piName answers it, copied and turned from the
// libraries' Latin-1 into UTF-8.
std::string effectName(const PluginLibrary& library, uint32_t index);

// piInit on construction, piDone on destruction.
class EffectUse {
 public:
  EffectUse(const PluginLibrary& library, uint32_t index);
  ~EffectUse();
  EffectUse(const EffectUse&) = delete;
  EffectUse& operator=(const EffectUse&) = delete;

 private:
  const PluginLibrary& library_;
  uint32_t index_;
};

// One settings line split at its first "=": {"DEGREE", "45"}.
struct SettingLine {
  std::string key;    // without the "="
  std::string value;
  std::string text;   // the whole line as the library wrote it
};

// An instance: piLocalInit on construction, piLocalDone on destruction.
class Instance {
 public:
  Instance(const PluginLibrary& library, uint32_t index, uint32_t hostFlags);
  ~Instance();
  Instance(const Instance&) = delete;
  Instance& operator=(const Instance&) = delete;

  HGLOBAL handle() const { return handle_; }
  uint32_t index() const { return index_; }
  const PluginExports& api() const { return library_.api(); }

  // The lines piLocalSaveData writes for n = 0, 1, ... until it answers
  // false (at most 64 lines).
  std::vector<SettingLine> saveLines() const;
  // Loads "KEY=VALUE" into the line whose key matches KEY (without regard to
  // case); throws HostError listing the effect's keys when none does.
  void set(const std::string& keyValue);
  // Loads every KEY=VALUE line of a settings file (blank lines and lines
  // starting with # are skipped).
  void loadSettingsFile(const std::string& path);
  // The decorated name as piLocalName answers it, in UTF-8.
  std::string name() const;

 private:
  const PluginLibrary& library_;
  uint32_t index_;
  HGLOBAL handle_ = nullptr;
};

}  // namespace host
