#include "Bandswf.h"

namespace Bandswf {

TBandsWipeDlg* BandsWipeDlg = nullptr;

bool execute(BandsW::Settings& settings, HWND host) {
  BandsW::resetBeforeDialog(settings);
  return BandsDialog::run(BandsWipeDlg, BandsDialog::Selector::Axis, settings.degree,
                          settings.bands, host);
}

}  // namespace Bandswf
