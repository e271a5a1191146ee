#include "Squarswf.h"

namespace Squarswf {

TSquaresWipeDlg* SquaresWipeDlg = nullptr;

TSquaresWipeDlg::TSquaresWipeDlg() {
  ReadForm("TSquaresWipeDlg");
  Bind(Direction4Button1, "Direction4Button1");
  Bind(ComboBox1, "ComboBox1");
}

bool execute(SquaresW::Settings& settings, HWND host) {
  SquaresW::resetOutOfRange(settings);
  return ui::runDialog<TSquaresWipeDlg>(
      SquaresWipeDlg, host,
      [&](TSquaresWipeDlg& form) {
        form.ComboBox1->SetItemIndex(settings.squares - 1);
        ui::setDirectionDegree(*form.Direction4Button1, settings.degree);
      },
      [&](TSquaresWipeDlg& form) {
        settings.squares = form.ComboBox1->ItemIndex() + 1;
        settings.degree = ui::directionDegree(*form.Direction4Button1);
      });
}

}  // namespace Squarswf
