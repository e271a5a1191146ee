#include <cstdio>

#include "Commands.h"
#include "Effects.h"
#include "Flags.h"

namespace host {
namespace {

int listEffects(const Arguments& arguments) {
  if (arguments.size() != 1) throw UsageError("list takes one library");
  PluginLibrary library(arguments[0]);
  uint32_t count = library.api().piCount();
  for (uint32_t index = 0; index < count; ++index) {
    EffectUse use(library, index);
    std::string name = effectName(library, index);
    std::printf("%3u  %-26s %s\n", index, name.empty() ? "(no name)" : name.c_str(),
                describeFlags(library.api().piFlags(index)).c_str());
  }
  return 0;
}

}  // namespace

const Command kListCommand{"list", "list LIB\n    index, name and flags of every announced effect",
                           &listEffects};

}  // namespace host
