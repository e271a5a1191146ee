// The commands of vtrhost.  Each lives in its own file and declares itself
// with one Command row; main.cpp only lists the rows.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace host {

using Arguments = std::vector<std::string>;  // the words after the command name

struct Command {
  const char* name;
  const char* synopsis;  // "render LIB EFFECT [A B] ..." and indented lines of detail
  int (*run)(const Arguments& arguments);
};

extern const Command kListCommand;       // CommandList.cpp
extern const Command kInfoCommand;       // CommandInfo.cpp
extern const Command kRenderCommand;     // CommandRender.cpp
extern const Command kIconsCommand;      // CommandIcons.cpp
extern const Command kFadeCommand;       // CommandFade.cpp
extern const Command kConfigureCommand;  // CommandConfigure.cpp

// Thrown for wrong command-line use; main prints the command's synopsis.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace host
