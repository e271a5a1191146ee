#include "Squarewf.h"

namespace Squarewf {

TSquareWipeDlg* SquareWipeDlg = nullptr;

TSquareWipeDlg::TSquareWipeDlg() {
  ReadForm("TSquareWipeDlg");
  Bind(cbCenter, "cbCenter");
  Bind(RadioButton6, "RadioButton6");
  Bind(RadioButton7, "RadioButton7");
}

bool execute(SquareW::Settings& settings, HWND host) {
  SquareW::resetOutOfRange(settings);
  return ui::runDialog<TSquareWipeDlg>(
      SquareWipeDlg, host,
      [&](TSquareWipeDlg& form) {
        (settings.wipeIn ? form.RadioButton6 : form.RadioButton7)->SetChecked(true);
        form.cbCenter->SetItemIndex(SquareW::itemForOrigin(settings.origin));
      },
      [&](TSquareWipeDlg& form) {
        settings.wipeIn = form.RadioButton6->Checked() ? 1 : 0;
        settings.origin = SquareW::originForItem(form.cbCenter->ItemIndex());
      });
}

}  // namespace Squarewf
