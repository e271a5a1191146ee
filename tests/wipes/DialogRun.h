// An effect's dialog shown through piLocalDlg over a host window, with
// scripted steps playing the user, and the settings lines around it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../ui/UiTestSupport.h"
#include "WipeInstance.h"

namespace testsupport {

struct DialogOutcome {
  bool ok;  // what piLocalDlg answered
  std::vector<uitest::Message> messages;
};

// Every step must have run before the dialog closed; the released form is
// freed afterwards, as the host's message loop would.
inline DialogOutcome showDialog(WipeInstance& instance,
                                std::vector<uitest::StepDriver::Step> steps) {
  uitest::HostWindow host(100, 100, 740, 580);
  const size_t count = steps.size();
  uitest::StepDriver driver(std::move(steps));
  const bool ok = piLocalDlg(instance.index, instance.handle, host.handle) != 0;
  vtrProcessMessages();
  EXPECT_EQ(driver.stepsRun(), count) << "the dialog closed before every step had run";
  return {ok, driver.messages};
}

// The lines piLocalSaveData writes, from line 0 until it answers false.
inline std::vector<std::string> savedLines(WipeInstance& instance) {
  std::vector<std::string> lines;
  while (auto line = instance.save(int32_t(lines.size()))) lines.push_back(*line);
  return lines;
}

inline void loadLines(WipeInstance& instance, const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i)
    ASSERT_TRUE(instance.load(int32_t(i), lines[i].c_str())) << lines[i];
}

}  // namespace testsupport
