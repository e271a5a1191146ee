#include "Clockwf.h"

namespace Clockwf {

TClockWipeDlg* ClockWipeDlg = nullptr;

bool execute(ClockW::Settings& settings, HWND host) {
  ClockW::resetOutOfRange(settings);
  return TurnDialog::run(ClockWipeDlg, {settings.clockwise, settings.needles, 1}, host);
}

}  // namespace Clockwf
