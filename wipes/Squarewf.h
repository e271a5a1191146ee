// The Square Wipe dialog: where the rectangle is anchored, and whether B
// grows out of that point or A shrinks into it.
#pragma once

#include "DialogProtocol.h"
#include "SquareW.h"

namespace Squarewf {

class TSquareWipeDlg : public ui::TForm {
 public:
  ui::TComboBox* cbCenter = nullptr;         // in the order of SquareW::itemForOrigin
  ui::TRadioButton* RadioButton6 = nullptr;  // wipe in
  ui::TRadioButton* RadioButton7 = nullptr;  // wipe out

  TSquareWipeDlg();
};

// The form while the dialog is shown; null otherwise.
extern TSquareWipeDlg* SquareWipeDlg;

// Resets an origin outside 101 to 105 before the form appears (kept even
// when the user cancels), shows the origin and the form of the wipe, and
// on OK stores what the form holds.  Answers whether OK was pressed.
bool execute(SquareW::Settings& settings, HWND host);

}  // namespace Squarewf
