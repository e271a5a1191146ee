// The Free Wipe dialog: eight preset directions as radio buttons laid out
// in a circle, or a custom angle typed into Edit1.
#pragma once

#include <array>

#include "DialogProtocol.h"
#include "FreeWipe.h"

namespace Freewf {

class TFreeWipeDlg : public ui::TForm {
 public:
  ui::TRadioButton* RadioButton1 = nullptr;  // 0 degrees
  ui::TRadioButton* RadioButton2 = nullptr;  // 45
  ui::TRadioButton* RadioButton3 = nullptr;  // 90
  ui::TRadioButton* RadioButton4 = nullptr;  // 135
  ui::TRadioButton* RadioButton5 = nullptr;  // 180
  ui::TRadioButton* RadioButton6 = nullptr;  // 225
  ui::TRadioButton* RadioButton7 = nullptr;  // 270
  ui::TRadioButton* RadioButton8 = nullptr;  // 315
  ui::TRadioButton* RadioButton9 = nullptr;  // the custom angle
  ui::TEdit* Edit1 = nullptr;

  TFreeWipeDlg();

  // The preset buttons by angle: element i stands for 45 i degrees.
  std::array<ui::TRadioButton*, 8> Presets() const;

  // Entering the custom angle chooses it.
  void Edit1Enter(ui::TObject* Sender);
};

// The form while the dialog is shown; null otherwise.
extern TFreeWipeDlg* FreeWipeDlg;

// Resets a degree outside 0..359 to 0 (kept even when the user cancels),
// shows it as a preset or as the custom angle, and on OK stores the chosen
// preset's angle, else the custom angle (0 when it is not a number; it is
// not range-checked).  Answers whether OK was pressed.
bool execute(FreeWipe::Settings& settings, HWND host);

}  // namespace Freewf
