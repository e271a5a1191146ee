#include "Windshwf.h"

namespace Windshwf {

TWindshieldWipeDlg* WindshieldWipeDlg = nullptr;

bool execute(WindshW::Settings& settings, HWND host) {
  WindshW::resetOutOfRange(settings);
  return TurnDialog::run(WindshieldWipeDlg,
                         {settings.clockwise, settings.origin, WindshW::kRightCenter}, host);
}

}  // namespace Windshwf
