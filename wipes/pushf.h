// The Push+ dialog: one direction selector offering the eight directions.
#pragma once

#include "DialogProtocol.h"
#include "Push.h"

namespace pushf {

class TPushDlg : public ui::TForm {
 public:
  ui::TDirection4Button* Direction4Button1 = nullptr;

  TPushDlg();
};

// The form while the dialog is shown; null otherwise.
extern TPushDlg* PushDlg;

// Shows the stored degree on the selector (a degree outside the eight
// directions as rightward) and, when the user presses OK, stores the
// selected direction's degree.  Answers whether OK was pressed.
bool execute(Push::Settings& settings, HWND host);

}  // namespace pushf
