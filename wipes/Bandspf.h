// The Bands Push dialog: the axis of the bands and their number.
#pragma once

#include "BandsDialog.h"
#include "BandsP.h"

namespace Bandspf {

class TBandsPushDlg : public BandsDialog::TBandsDlg {
 public:
  TBandsPushDlg() : TBandsDlg("TBandsPushDlg") {}
};

// The form while the dialog is shown; null otherwise.
extern TBandsPushDlg* BandsPushDlg;

// Applies the effect's reset before the form appears (kept even when the
// user cancels), shows the degree and the number of bands, and on OK
// stores what the form holds.  Answers whether the values were stored.
bool execute(BandsP::Settings& settings, HWND host);

}  // namespace Bandspf
