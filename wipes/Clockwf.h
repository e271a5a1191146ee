// The Clock Wipe dialog: the needles' turning direction and their number.
#pragma once

#include "ClockW.h"
#include "TurnDialog.h"

namespace Clockwf {

class TClockWipeDlg : public TurnDialog::TTurnDlg {
 public:
  ui::TComboBox* ComboBox1 = nullptr;  // item i: i + 1 needles

  TClockWipeDlg() : TTurnDlg("TClockWipeDlg", "ComboBox1") { Bind(ComboBox1, "ComboBox1"); }
};

// The form while the dialog is shown; null otherwise.
extern TClockWipeDlg* ClockWipeDlg;

// Resets a needles value outside 1 to 10 before the form appears (kept even
// when the user cancels), shows the direction and the number of needles,
// and on OK stores what the form holds.  Answers whether OK was pressed.
bool execute(ClockW::Settings& settings, HWND host);

}  // namespace Clockwf
