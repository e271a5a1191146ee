// vtrhost: drives the plug-in libraries as a video editor does.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Flags.h"
#include "PluginLibrary.h"

namespace {

const char kUsage[] =
    "usage: vtrhost COMMAND LIB [ARGS...]\n"
    "  LIB is a library path, or sweepkit or dimkit\n"
    "commands:\n"
    "  list LIB             index, name and flags of every announced effect\n";

int listEffects(const std::string& library) {
  host::PluginLibrary lib(library);
  const host::PluginExports& api = lib.api();
  uint32_t count = api.piCount();
  for (uint32_t index = 0; index < count; ++index) {
    api.piInit(index);
    const char* name = api.piName(index);
    std::printf("%3u  %-26s %s\n", index, name ? name : "(no name)",
                host::describeFlags(api.piFlags(index)).c_str());
    api.piDone(index);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  try {
    if (args[0] == "list" && args.size() == 2) return listEffects(args[1]);
    std::cerr << "vtrhost: unknown command or wrong arguments: " << args[0] << "\n" << kUsage;
    return 2;
  } catch (const host::HostError& error) {
    std::cerr << "vtrhost: " << error.what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "vtrhost: " << error.what() << "\n";
    return 1;
  }
}
