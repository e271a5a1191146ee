// Bands Wipe 2 Phase: in the first half every second band is wiped in the
// chosen direction, in the second half the other bands the opposite way.
#include "BandsW2.h"

#include "Bandsw2f.h"

namespace BandsW2 {
namespace {

struct Unit {
  using Settings = BandsW2::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(6, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr auto& kSettings = Bands::kPhasedSettings;

  static void defaults(Settings& settings) { settings = {0, Bands::kDefaultBands, 2}; }
  static wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
    return BandsW2::render(frame, settings);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Bandsw2f::execute(settings, host);
  }
  // "Bands Wipe 2 Phase (270°,12)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    Bands::appendDegreeAndBands(state, settings.degree, settings.bands);
  }
};

}  // namespace

wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
  return Bands::render(Bands::Motion::Wipe, frame, settings.degree, settings.bands,
                       Bands::twoPhase(settings.bands, settings.phases));
}

void resetBeforeDialog(Settings& settings) {
  const bool valid = (settings.degree == 0 || settings.degree == 90 || settings.degree == 180 ||
                      settings.degree == 270) &&
                     settings.bands >= 2 && settings.bands <= Bands::kMaxBands;
  if (!valid) {
    settings.degree = 0;
    settings.bands = Bands::kDefaultBands;
  }
  settings.phases = 2;
}

const plugin::EffectOps kBandsWipe2PhaseOps = wipes::kWipeOps<Unit>;

}  // namespace BandsW2
