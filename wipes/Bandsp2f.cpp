#include "Bandsp2f.h"

namespace Bandsp2f {

TBandsPush2Dlg* BandsPush2Dlg = nullptr;

bool execute(BandsP2::Settings& settings, HWND host) {
  BandsP2::resetBeforeDialog(settings);
  return BandsDialog::run(BandsPush2Dlg, BandsDialog::Selector::Direction, settings.degree,
                          settings.bands, host);
}

}  // namespace Bandsp2f
