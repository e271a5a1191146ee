#include "Bandsw2f.h"

namespace Bandsw2f {

TBandsWipe2Dlg* BandsWipe2Dlg = nullptr;

bool execute(BandsW2::Settings& settings, HWND host) {
  BandsW2::resetBeforeDialog(settings);
  return BandsDialog::run(BandsWipe2Dlg, BandsDialog::Selector::Direction, settings.degree,
                          settings.bands, host);
}

}  // namespace Bandsw2f
