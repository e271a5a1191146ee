// The Bands Wipe 2 Phase dialog: the direction of the first phase and the
// number of bands.
#pragma once

#include "BandsDialog.h"
#include "BandsW2.h"

namespace Bandsw2f {

class TBandsWipe2Dlg : public BandsDialog::TBandsDlg {
 public:
  TBandsWipe2Dlg() : TBandsDlg("TBandsWipe2Dlg") {}
};

// The form while the dialog is shown; null otherwise.
extern TBandsWipe2Dlg* BandsWipe2Dlg;

// Applies the effect's reset before the form appears (kept even when the
// user cancels), shows the degree and the number of bands, and on OK
// stores what the form holds.  Answers whether the values were stored.
bool execute(BandsW2::Settings& settings, HWND host);

}  // namespace Bandsw2f
