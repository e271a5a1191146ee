// The Bands Wipe dialog: the axis of the bands and their number.
#pragma once

#include "BandsDialog.h"
#include "BandsW.h"

namespace Bandswf {

class TBandsWipeDlg : public BandsDialog::TBandsDlg {
 public:
  TBandsWipeDlg() : TBandsDlg("TBandsWipeDlg") {}
};

// The form while the dialog is shown; null otherwise.
extern TBandsWipeDlg* BandsWipeDlg;

// Applies the effect's reset before the form appears (kept even when the
// user cancels), shows the degree and the number of bands, and on OK
// stores what the form holds.  Answers whether the values were stored.
bool execute(BandsW::Settings& settings, HWND host);

}  // namespace Bandswf
