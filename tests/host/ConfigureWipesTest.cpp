// vtrhost configure end to end on the dialogs of Push+, Free Wipe and the
// band effects: the script plays the user, the settings lines come out.
#include <gtest/gtest.h>

#include "VtrhostRun.h"

namespace {

using hosttest::runVtrhost;
using hosttest::TempFolder;

TEST(ConfigureWipes, TheScriptedUserConfiguresTheEffect) {
  const struct {
    const char* effect;
    const char* stored;  // the settings file, or null
    const char* script;
    const char* out;
  } cases[] = {
      {"Push+", nullptr, "key Direction4Button1 numpad8; ok", "result: OK\nDEGREE=90\n"},
      {"Push+", "DEGREE=30\n", "", "result: Cancel\nDEGREE=30\n"},
      {"Free Wipe", "DEGREE=400\n", "", "result: Cancel\nDEGREE=0\n"},
      {"Free Wipe", nullptr, "type Edit1 200; ok", "result: OK\nDEGREE=200\n"},
      {"Bands Wipe", "DEGREE=180\nBANDS=5\n", "type Edit1 1; ok",
       "message: Input error: The number of bands must be in the interval 2-9999\n"
       "result: Cancel\nDEGREE=0\nBANDS=10\nPHASES=1\n"},
      {"Bands Push", nullptr, "key Direction4Button1 numpad2; type Edit1 12; ok",
       "result: OK\nDEGREE=90\nBANDS=12\n"},
      {"Bands Wipe 2 Phase", nullptr, "key Direction4Button1 numpad2; ok",
       "result: OK\nDEGREE=270\nBANDS=10\nPHASES=2\n"},
      {"Bands Push 2 Phase", "PHASES=1\n", "key Direction4Button1 numpad4; type Edit1 12; ok",
       "result: OK\nDEGREE=180\nBANDS=12\nPHASES=2\n"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(std::string(c.effect) + ": " + c.script);
    TempFolder folder;
    std::vector<std::string> arguments = {
        "configure", "sweepkit", c.effect, "--script", c.script, "--save", folder / "saved.txt"};
    if (c.stored) {
      std::ofstream(folder / "stored.txt", std::ios::binary) << c.stored;
      arguments.insert(arguments.end(), {"--settings", folder / "stored.txt"});
    }
    auto run = runVtrhost(arguments, folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
    // The saved file holds the settings lines the command printed.
    std::string printed = c.out;
    printed.erase(0, printed.find("result: "));
    printed.erase(0, printed.find('\n') + 1);
    EXPECT_EQ(hosttest::readText(folder / "saved.txt"), printed);
  }
}

}  // namespace
