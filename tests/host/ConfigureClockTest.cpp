// vtrhost configure with the dialogs of the turning and rectangle wipes:
// the reset made before the form appears, and what OK stores.
#include <gtest/gtest.h>

#include <fstream>

#include "VtrhostRun.h"

namespace {

using hosttest::runVtrhost;
using hosttest::TempFolder;

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ConfigureClock, CancelKeepsTheResetOfTheStoredNeedles) {
  TempFolder folder;
  writeText(folder / "clock.txt", "NEEDLES=12\nREVERSE=1\n");
  auto run = runVtrhost(
      {"configure", "sweepkit", "Clock Wipe", "--settings", folder / "clock.txt", "--script",
       "type ComboBox1 6; key ClockDirection1 numpad6; cancel", "--save", folder / "saved.txt"},
      folder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "result: Cancel\nNEEDLES=4\nREVERSE=0\n");
  EXPECT_EQ(hosttest::readText(folder / "saved.txt"), "NEEDLES=4\nREVERSE=0\n");
}

TEST(ConfigureClock, OkStoresTheFormsValues) {
  TempFolder folder;
  const struct {
    const char* effect;
    const char* script;
    const char* out;
  } cases[] = {
      {"Clock Wipe", "type ComboBox1 6; key ClockDirection1 numpad6; ok",
       "result: OK\nNEEDLES=6\nREVERSE=1\n"},
      {"Windshield Wipe",
       "type cbCenter 'Top left corner'; mouse ClockDirection1 down 80 20; "
       "mouse ClockDirection1 up 80 20; ok",
       "result: OK\nORIGIN=104\nREVERSE=1\n"},
      {"Slide out", "key Direction4Button1 numpad1; ok", "result: OK\nDEGREE=225\n"},
      {"Multiple rectangle Wipe", "type ComboBox1 '100 (10x10)'; key Direction4Button1 numpad4; ok",
       "result: OK\nSQUARES=10\nDEGREE=180\n"},
      {"Square Wipe", "type cbCenter 'Top right corner'; click RadioButton6; ok",
       "result: OK\nORIGIN=102\nREVERSE=1\n"},
  };
  for (auto& c : cases) {
    auto run = runVtrhost({"configure", "sweepkit", c.effect, "--script", c.script}, folder);
    EXPECT_EQ(run.exitCode, 0) << c.effect << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.effect;
  }
}

}  // namespace
