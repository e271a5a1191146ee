// What the Clock Wipe and Windshield Wipe dialogs share.  Both forms hold a
// clockwise/counterclockwise picker and one drop-down list whose item i
// stands for a number (needles 1 + i, pivot 101 + i); they differ in
// caption, layout, the list's name and that first number, which each
// dialog unit passes as data.
#pragma once

#include <cstdint>

#include "DialogProtocol.h"

namespace TurnDialog {

class TTurnDlg : public ui::TForm {
 public:
  ui::TClockDirection* ClockDirection1 = nullptr;

  // The drop-down list, whatever the form calls it.
  ui::TComboBox& List() const { return *list_; }

 protected:
  TTurnDlg(const char* formClass, const char* listName);

 private:
  ui::TComboBox* list_ = nullptr;
};

// The list's item i stands for the value first + i.
struct Choice {
  uint8_t& clockwise;
  int32_t& value;
  int32_t first;
};

void fill(TTurnDlg& form, const Choice& choice);
void readBack(const TTurnDlg& form, Choice& choice);

// Runs a turn form over `host` with `shown` pointing at it meanwhile.
// Answers true only when the user pressed OK.
template <class Form>
bool run(Form*& shown, Choice choice, HWND host) {
  return ui::runDialog<Form>(
      shown, host, [&](Form& form) { fill(form, choice); },
      [&](Form& form) { readBack(form, choice); });
}

}  // namespace TurnDialog
