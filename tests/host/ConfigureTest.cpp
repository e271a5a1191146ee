// vtrhost configure: an effect's dialog over a host window, driven by a
// script, and the settings lines afterwards.
#include <gtest/gtest.h>

#include "VtrhostRun.h"

namespace {

using hosttest::runVtrhost;
using hosttest::TempFolder;
namespace fs = std::filesystem;

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ConfigureCommand, WithoutActionsTheDialogIsCancelledAndTheSettingsStay) {
  TempFolder folder;
  writeText(folder / "push.txt", "# a stored setting\nDEGREE=45\n");
  auto run = runVtrhost({"configure", "sweepkit", "Push+", "--settings", folder / "push.txt",
                         "--save", folder / "saved.txt"},
                        folder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "result: Cancel\nDEGREE=45\n");
  EXPECT_EQ(hosttest::readText(folder / "saved.txt"), "DEGREE=45\n");
}

TEST(ConfigureCommand, ScriptsThatCannotRunAreReported) {
  TempFolder folder;
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
    const char* error;
  } cases[] = {
      {{"configure", "sweepkit", "Push+", "--script", "click"},
       2,
       "--script: action 1 (click): click needs a control name"},
      {{"configure", "sweepkit", "Cross Wipe In", "--script", "ok", "--save", folder / "never.txt"},
       1,
       "--script: the effect \"Cross Wipe In\" has no dialog; no action ran"},
      {{"configure", "sweepkit", "Push+", "--colour", "red"}, 2, "unknown option --colour"},
      {{"configure", "sweepkit"}, 2, "configure takes a library and an effect"},
  };
  for (auto& c : cases) {
    auto run = runVtrhost(c.arguments, folder);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(folder / "never.txt"));  // nothing is saved after a failed script
}

}  // namespace
