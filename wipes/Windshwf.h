// The Windshield Wipe dialog: the wiper's turning direction and its pivot.
#pragma once

#include "TurnDialog.h"
#include "WindshW.h"

namespace Windshwf {

class TWindshieldWipeDlg : public TurnDialog::TTurnDlg {
 public:
  ui::TComboBox* cbCenter = nullptr;  // item i: the pivot 101 + i

  TWindshieldWipeDlg() : TTurnDlg("TWindshieldWipeDlg", "cbCenter") { Bind(cbCenter, "cbCenter"); }
};

// The form while the dialog is shown; null otherwise.
extern TWindshieldWipeDlg* WindshieldWipeDlg;

// Resets an origin outside 101 to 108 before the form appears (kept even
// when the user cancels), shows the direction and the pivot, and on OK
// stores what the form holds.  Answers whether OK was pressed.
bool execute(WindshW::Settings& settings, HWND host);

}  // namespace Windshwf
