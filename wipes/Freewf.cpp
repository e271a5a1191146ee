#include "Freewf.h"

#include <string>

namespace Freewf {

TFreeWipeDlg* FreeWipeDlg = nullptr;

namespace {

constexpr int32_t kPresetStep = 45;

void showDegree(TFreeWipeDlg& form, int32_t degree) {
  if (degree >= 0 && degree < 360 && degree % kPresetStep == 0) {
    form.Presets()[size_t(degree / kPresetStep)]->SetChecked(true);
    return;
  }
  // Edit1 keeps the angle it was designed with unless a custom one is shown.
  form.RadioButton9->SetChecked(true);
  form.Edit1->SetText(std::to_string(degree));
}

int32_t chosenDegree(const TFreeWipeDlg& form) {
  const auto presets = form.Presets();
  for (size_t i = 0; i < presets.size(); ++i)
    if (presets[i]->Checked()) return int32_t(i) * kPresetStep;
  return ui::strictIntOrZero(form.Edit1->Text());
}

}  // namespace

TFreeWipeDlg::TFreeWipeDlg() {
  Publish("Edit1Enter", &TFreeWipeDlg::Edit1Enter);
  ReadForm("TFreeWipeDlg");
  Bind(RadioButton1, "RadioButton1");
  Bind(RadioButton2, "RadioButton2");
  Bind(RadioButton3, "RadioButton3");
  Bind(RadioButton4, "RadioButton4");
  Bind(RadioButton5, "RadioButton5");
  Bind(RadioButton6, "RadioButton6");
  Bind(RadioButton7, "RadioButton7");
  Bind(RadioButton8, "RadioButton8");
  Bind(RadioButton9, "RadioButton9");
  Bind(Edit1, "Edit1");
}

std::array<ui::TRadioButton*, 8> TFreeWipeDlg::Presets() const {
  return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
          RadioButton5, RadioButton6, RadioButton7, RadioButton8};
}

void TFreeWipeDlg::Edit1Enter(ui::TObject*) {
  if (!RadioButton9->Checked()) RadioButton9->SetChecked(true);
}

bool execute(FreeWipe::Settings& settings, HWND host) {
  FreeWipe::resetBeforeDialog(settings);
  return ui::runDialog<TFreeWipeDlg>(
      FreeWipeDlg, host,
      [&](TFreeWipeDlg& form) {
        showDegree(form, settings.degree);
      },
      [&](TFreeWipeDlg& form) { settings.degree = chosenDegree(form); });
}

}  // namespace Freewf
