// The dialog of Slide In and Slide out: one direction selector offering the
// eight directions, under a caption that names which of the two it sets.
#pragma once

#include "DialogProtocol.h"
#include "Slide.h"

namespace Slidef {

class TSlidePlusDlg : public ui::TForm {
 public:
  ui::TDirection4Button* Direction4Button1 = nullptr;

  TSlidePlusDlg();
};

// The form while the dialog is shown; null otherwise.
extern TSlidePlusDlg* SlidePlusDlg;

// Resets a degree other than 0, 45, ..., 315 to 0 before the form appears
// (kept even when the user cancels), captions the form after the direction
// flag (0 Slide In, otherwise Slide out), shows the degree and on OK stores
// the selected direction's degree.  Answers whether OK was pressed.
bool execute(int32_t slideOut, Slide::Settings& settings, HWND host);

}  // namespace Slidef
