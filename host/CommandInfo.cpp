// vtrhost info: what a host learns about one effect before using it.
#include <cstdio>

#include "Commands.h"
#include "Effects.h"
#include "Flags.h"

namespace host {
namespace {

void printInstance(const PluginLibrary& library, uint32_t index) {
  std::unique_ptr<Instance> instance;
  try {
    instance = std::make_unique<Instance>(library, index, PI_PICTURE);
  } catch (const HostError&) {
    std::printf("instance   (none: the effect creates no picture instance)\n");
    return;
  }
  std::printf("instance   %s\n", instance->name().c_str());
  uint32_t flags = instance->api().piLocalFlags(index, instance->handle());
  std::printf("inst.flags %s\n", describeFlags(flags).c_str());
  std::vector<SettingLine> lines = instance->saveLines();
  if (lines.empty()) std::printf("settings   (none)\n");
  for (size_t i = 0; i < lines.size(); ++i)
    std::printf("%s %s\n", i == 0 ? "settings  " : "          ", lines[i].text.c_str());
}

int info(const Arguments& arguments) {
  if (arguments.size() != 2) throw UsageError("info takes a library and an effect");
  PluginLibrary library(arguments[0]);
  uint32_t index = findEffect(library, arguments[1]);
  EffectUse use(library, index);
  std::printf("index      %u\n", index);
  std::printf("name       %s\n", effectName(library, index).c_str());
  uint32_t flags = library.api().piFlags(index);
  std::vector<std::string> bits = flagBits(flags);
  std::printf("flags      0x%08X\n", flags);
  for (const std::string& bit : bits) std::printf("             %s\n", bit.c_str());
  printInstance(library, index);
  return 0;
}

}  // namespace

const Command kInfoCommand{
    "info",
    "info LIB EFFECT\n"
    "    name, index and flags of an effect; the name and settings lines of a default instance",
    &info};

}  // namespace host
