#include "Module.h"

#include <cfenv>

namespace plugin {
namespace {
const char kModuleTag = 0;
}

HMODULE thisModule() { return reinterpret_cast<HMODULE>(const_cast<char*>(&kModuleTag)); }

namespace {

// Registers the library's resources with the system services when the
// library is loaded, and withdraws them when it is unloaded.  The FPU's
// default mode (extended precision, round to nearest) is what every
// renderer's arithmetic assumes.
__attribute__((constructor)) void onLoad() {
  std::fesetround(FE_TONEAREST);
  vtrRegisterModule(thisModule(), &kResources);
}

__attribute__((destructor)) void onUnload() { vtrUnregisterModule(thisModule()); }

}  // namespace
}  // namespace plugin
