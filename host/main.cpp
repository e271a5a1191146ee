// vtrhost: drives the plug-in libraries as a video editor does.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "Commands.h"
#include "PluginLibrary.h"

namespace {

const host::Command* const kCommands[] = {
    &host::kListCommand,  &host::kInfoCommand,  &host::kRenderCommand,
    &host::kIconsCommand, &host::kFadeCommand,  &host::kConfigureCommand,
};

void printUsage(std::FILE* to) {
  std::fputs(
      "usage: vtrhost COMMAND ARGS...\n"
      "  LIB is a library path, or sweepkit or dimkit; EFFECT an index or a name\n"
      "commands:\n",
      to);
  for (const host::Command* command : kCommands) std::fprintf(to, "  %s\n", command->synopsis);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(stderr);
    return 2;
  }
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printUsage(stdout);
    return 0;
  }
  for (const host::Command* command : kCommands) {
    if (name != command->name) continue;
    try {
      return command->run(host::Arguments(argv + 2, argv + argc));
    } catch (const host::UsageError& error) {
      std::cerr << "vtrhost " << name << ": " << error.what() << "\nusage: vtrhost "
                << command->synopsis << "\n";
      return 2;
    } catch (const std::exception& error) {
      std::cerr << "vtrhost " << name << ": " << error.what() << "\n";
      return 1;
    }
  }
  std::cerr << "vtrhost: unknown command \"" << name << "\"\n";
  printUsage(stderr);
  return 2;
}
