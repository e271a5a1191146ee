// A plug-in library loaded with dlopen, its twenty exports resolved by name.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "PlugHdr.h"

namespace host {

// Thrown with a message for the user: what failed and which input.
struct HostError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct PluginExports {
  decltype(&::piCount) piCount;
  decltype(&::piInit) piInit;
  decltype(&::piDone) piDone;
  decltype(&::piName) piName;
  decltype(&::piFlags) piFlags;
  decltype(&::piIcon) piIcon;
  decltype(&::piLocalInit) piLocalInit;
  decltype(&::piLocalDone) piLocalDone;
  decltype(&::piLocalSetFormat) piLocalSetFormat;
  decltype(&::piLocalLength) piLocalLength;
  decltype(&::piLocalDlg) piLocalDlg;
  decltype(&::piLocalFlags) piLocalFlags;
  decltype(&::piLocalSetData) piLocalSetData;
  decltype(&::piLocalProcessDataStart) piLocalProcessDataStart;
  decltype(&::piLocalProcessData) piLocalProcessData;
  decltype(&::piLocalProcessDataEnd) piLocalProcessDataEnd;
  decltype(&::piLocalGetData) piLocalGetData;
  decltype(&::piLocalSaveData) piLocalSaveData;
  decltype(&::piLocalLoadData) piLocalLoadData;
  decltype(&::piLocalName) piLocalName;
};

class PluginLibrary {
 public:
  // `nameOrPath` is a path to a library file, or the name "sweepkit" or
  // "dimkit", looked up beside the tool, in the build folder and where the
  // install puts libraries.
  explicit PluginLibrary(const std::string& nameOrPath);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  const PluginExports& api() const { return api_; }
  const std::string& path() const { return path_; }

 private:
  void* handle_ = nullptr;
  std::string path_;
  PluginExports api_{};
};

// The path a library name resolves to ("sweepkit" -> .../libsweepkit.so);
// a text with a slash or a ".so" ending is taken as a path.
std::string resolveLibraryPath(const std::string& nameOrPath);

}  // namespace host
