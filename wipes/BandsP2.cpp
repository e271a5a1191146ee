// Bands Push 2 Phase: in the first half every second band is pushed in the
// chosen direction, in the second half the other bands the opposite way.
// With phases 1 it renders what Bands Push renders.
#include "BandsP2.h"

#include "Bandsp2f.h"

namespace BandsP2 {
namespace {

struct Unit {
  using Settings = BandsP2::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(7, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr auto& kSettings = Bands::kPhasedSettings;

  static void defaults(Settings& settings) { settings = {0, Bands::kDefaultBands, 2}; }
  static wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
    return BandsP2::render(frame, settings);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Bandsp2f::execute(settings, host);
  }
  // "Bands Push 2 Phase (270°,12)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    Bands::appendDegreeAndBands(state, settings.degree, settings.bands);
  }
};

}  // namespace

wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
  return Bands::render(Bands::Motion::Push, frame, settings.degree, settings.bands,
                       Bands::twoPhase(settings.bands, settings.phases));
}

void resetBeforeDialog(Settings& settings) {
  const bool valid = (settings.degree == 0 || settings.degree == 90 || settings.degree == 180 ||
                      settings.degree == 270) &&
                     settings.bands >= 1 && settings.bands <= Bands::kMaxBands;
  if (!valid) {
    settings.degree = 0;
    settings.bands = Bands::kDefaultBands;
  }
  settings.phases = 2;
}

const plugin::EffectOps kBandsPush2PhaseOps = wipes::kWipeOps<Unit>;

}  // namespace BandsP2
