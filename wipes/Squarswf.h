// The Multiple rectangle Wipe dialog: the wipe direction inside each cell
// and the size of the grid.
#pragma once

#include "DialogProtocol.h"
#include "SquaresW.h"

namespace Squarswf {

class TSquaresWipeDlg : public ui::TForm {
 public:
  ui::TDirection4Button* Direction4Button1 = nullptr;
  ui::TComboBox* ComboBox1 = nullptr;  // item i: i + 1 cells per row and per column

  TSquaresWipeDlg();
};

// The form while the dialog is shown; null otherwise.
extern TSquaresWipeDlg* SquaresWipeDlg;

// Resets a degree or a squares value the form cannot show before it
// appears (kept even when the user cancels), shows them, and on OK stores
// what the form holds.  Answers whether OK was pressed.
bool execute(SquaresW::Settings& settings, HWND host);

}  // namespace Squarswf
