#include "PluginLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

namespace host {
namespace fs = std::filesystem;

namespace {

fs::path executableFolder() {
  std::error_code error;
  fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self.parent_path();
}

}  // namespace

std::string resolveLibraryPath(const std::string& nameOrPath) {
  bool isPath = nameOrPath.find('/') != std::string::npos ||
                (nameOrPath.size() > 3 && nameOrPath.ends_with(".so"));
  if (isPath) return nameOrPath;
  std::string file = "lib" + nameOrPath + ".so";
  std::vector<fs::path> folders;
  if (const char* env = std::getenv("VTR_PLUGIN_DIR")) folders.emplace_back(env);
  fs::path self = executableFolder();
  if (!self.empty()) {
    folders.push_back(self);
    folders.push_back(self.parent_path() / "lib");
  }
  folders.emplace_back(VTR_BUILD_LIBDIR);
  folders.emplace_back(VTR_INSTALL_LIBDIR);
  for (const fs::path& folder : folders) {
    std::error_code error;
    if (fs::exists(folder / file, error)) return (folder / file).string();
  }
  throw HostError("cannot find the library \"" + nameOrPath + "\" (looked for " + file +
                  " beside vtrhost, in the build folder and in " VTR_INSTALL_LIBDIR ")");
}

PluginLibrary::PluginLibrary(const std::string& nameOrPath) : path_(resolveLibraryPath(nameOrPath)) {
  // A bare file name would make dlopen search the system paths.
  std::string loadPath = path_.find('/') == std::string::npos ? "./" + path_ : path_;
  handle_ = dlopen(loadPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* why = dlerror();
    throw HostError("cannot load the library " + path_ + ": " + (why ? why : "unknown error"));
  }
  auto resolve = [this](auto& slot, const char* name) {
    void* symbol = dlsym(handle_, name);
    if (!symbol) {
      dlclose(handle_);
      handle_ = nullptr;
      throw HostError("the library " + path_ + " is not a plug-in library: it lacks the export " +
                      name);
    }
    slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(symbol);
  };
  resolve(api_.piCount, "piCount");
  resolve(api_.piInit, "piInit");
  resolve(api_.piDone, "piDone");
  resolve(api_.piName, "piName");
  resolve(api_.piFlags, "piFlags");
  resolve(api_.piIcon, "piIcon");
  resolve(api_.piLocalInit, "piLocalInit");
  resolve(api_.piLocalDone, "piLocalDone");
  resolve(api_.piLocalSetFormat, "piLocalSetFormat");
  resolve(api_.piLocalLength, "piLocalLength");
  resolve(api_.piLocalDlg, "piLocalDlg");
  resolve(api_.piLocalFlags, "piLocalFlags");
  resolve(api_.piLocalSetData, "piLocalSetData");
  resolve(api_.piLocalProcessDataStart, "piLocalProcessDataStart");
  resolve(api_.piLocalProcessData, "piLocalProcessData");
  resolve(api_.piLocalProcessDataEnd, "piLocalProcessDataEnd");
  resolve(api_.piLocalGetData, "piLocalGetData");
  resolve(api_.piLocalSaveData, "piLocalSaveData");
  resolve(api_.piLocalLoadData, "piLocalLoadData");
  resolve(api_.piLocalName, "piLocalName");
}

PluginLibrary::~PluginLibrary() {
  if (handle_) dlclose(handle_);
}

}  // namespace host
