#include "TurnDialog.h"

namespace TurnDialog {

TTurnDlg::TTurnDlg(const char* formClass, const char* listName) {
  ReadForm(formClass);
  Bind(ClockDirection1, "ClockDirection1");
  Bind(list_, listName);
}

void fill(TTurnDlg& form, const Choice& choice) {
  form.ClockDirection1->SetClockwise(choice.clockwise != 0);
  form.List().SetItemIndex(choice.value - choice.first);
}

void readBack(const TTurnDlg& form, Choice& choice) {
  choice.clockwise = form.ClockDirection1->Clockwise() ? 1 : 0;
  choice.value = form.List().ItemIndex() + choice.first;
}

}  // namespace TurnDialog
