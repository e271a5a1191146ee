// What the four band dialogs share.  Their forms hold the same controls (a
// direction selector and the number of bands) and differ in caption, size
// and how the selector is set up; the code differs only in how the selector
// stands for the degree, which each dialog unit passes as a Selector.
#pragma once

#include <cstdint>

#include "DialogProtocol.h"

namespace BandsDialog {

enum class Selector {
  Axis,       // [tdLeft, tdRight] is 0, [tdUp, tdDown] is 90
  Direction,  // one direction: 0 right, 90 up, 180 left, 270 down
};

// The controls and handler every band form has; a dialog class names its
// form file.
class TBandsDlg : public ui::TForm {
 public:
  ui::TDirection4Button* Direction4Button1 = nullptr;
  ui::TEdit* Edit1 = nullptr;

  // The number of bands must lie in 2..9999 for the focus to leave Edit1.
  void Edit1Exit(ui::TObject* Sender);

 protected:
  explicit TBandsDlg(const char* formClass);
};

void fill(TBandsDlg& form, Selector selector, int32_t degree, int32_t bands);
// Writes the number of bands, then the degree; false, writing nothing, when
// Edit1 holds no integer (its text is checked only when the focus leaves it).
bool readBack(const TBandsDlg& form, Selector selector, int32_t& degree, int32_t& bands);

// Runs a band form over `host` with `shown` pointing at it meanwhile.
// Answers true only when the user pressed OK and the values were written.
template <class Form>
bool run(Form*& shown, Selector selector, int32_t& degree, int32_t& bands, HWND host) {
  bool written = false;
  const bool ok = ui::runDialog<Form>(
      shown, host, [&](Form& form) { fill(form, selector, degree, bands); },
      [&](Form& form) { written = readBack(form, selector, degree, bands); });
  return ok && written;
}

}  // namespace BandsDialog
