#include "Bandspf.h"

namespace Bandspf {

TBandsPushDlg* BandsPushDlg = nullptr;

bool execute(BandsP::Settings& settings, HWND host) {
  BandsP::resetBeforeDialog(settings);
  return BandsDialog::run(BandsPushDlg, BandsDialog::Selector::Axis, settings.degree,
                          settings.bands, host);
}

}  // namespace Bandspf
