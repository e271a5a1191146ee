// The Bands Push 2 Phase dialog: the direction of the first phase and the
// number of bands.
#pragma once

#include "BandsDialog.h"
#include "BandsP2.h"

namespace Bandsp2f {

class TBandsPush2Dlg : public BandsDialog::TBandsDlg {
 public:
  TBandsPush2Dlg() : TBandsDlg("TBandsPush2Dlg") {}
};

// The form while the dialog is shown; null otherwise.
extern TBandsPush2Dlg* BandsPush2Dlg;

// Applies the effect's reset before the form appears (kept even when the
// user cancels), shows the degree and the number of bands, and on OK
// stores what the form holds.  Answers whether the values were stored.
bool execute(BandsP2::Settings& settings, HWND host);

}  // namespace Bandsp2f
