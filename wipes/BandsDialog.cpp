#include "BandsDialog.h"

#include <optional>
#include <string>

namespace BandsDialog {

TBandsDlg::TBandsDlg(const char* formClass) {
  Publish("Edit1Exit", &TBandsDlg::Edit1Exit);
  ReadForm(formClass);
  Bind(Direction4Button1, "Direction4Button1");
  Bind(Edit1, "Edit1");
}

void TBandsDlg::Edit1Exit(ui::TObject*) { ui::checkIntegerField(*Edit1, ui::kBandsField); }

void fill(TBandsDlg& form, Selector selector, int32_t degree, int32_t bands) {
  form.Edit1->SetText(std::to_string(bands));
  if (selector == Selector::Axis)
    ui::setAxisDegree(*form.Direction4Button1, degree);
  else
    ui::setDirectionDegree(*form.Direction4Button1, degree);
}

bool readBack(const TBandsDlg& form, Selector selector, int32_t& degree, int32_t& bands) {
  const std::optional<int32_t> typed = ui::strictInt(form.Edit1->Text());
  if (!typed) return false;
  bands = *typed;
  degree = selector == Selector::Axis ? ui::axisDegree(*form.Direction4Button1)
                                      : ui::directionDegree(*form.Direction4Button1);
  return true;
}

}  // namespace BandsDialog
