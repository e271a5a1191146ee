#include "Slidef.h"

namespace Slidef {

TSlidePlusDlg* SlidePlusDlg = nullptr;

TSlidePlusDlg::TSlidePlusDlg() {
  ReadForm("TSlidePlusDlg");
  Bind(Direction4Button1, "Direction4Button1");
}

bool execute(int32_t slideOut, Slide::Settings& settings, HWND host) {
  Slide::resetOutOfRange(settings);
  return ui::runDialog<TSlidePlusDlg>(
      SlidePlusDlg, host,
      [&](TSlidePlusDlg& form) {
        form.SetCaption(slideOut ? "Slide out configuration" : "Slide in configuration");
        ui::setDirectionDegree(*form.Direction4Button1, settings.degree);
      },
      [&](TSlidePlusDlg& form) { settings.degree = ui::directionDegree(*form.Direction4Button1); });
}

}  // namespace Slidef
