#include "pushf.h"

namespace pushf {

TPushDlg* PushDlg = nullptr;

TPushDlg::TPushDlg() {
  ReadForm("TPushDlg");
  Bind(Direction4Button1, "Direction4Button1");
}

bool execute(Push::Settings& settings, HWND host) {
  return ui::runDialog<TPushDlg>(
      PushDlg, host,
      [&](TPushDlg& form) {
        ui::setDirectionDegree(*form.Direction4Button1, settings.degree);
      },
      [&](TPushDlg& form) { settings.degree = ui::directionDegree(*form.Direction4Button1); });
}

}  // namespace pushf
