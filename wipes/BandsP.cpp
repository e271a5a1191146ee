// Bands Push: in every band B pushes A out, alternate bands pushing in
// opposite directions at the same time.
#include "BandsP.h"

#include "Bandspf.h"

namespace BandsP {
namespace {

struct Unit {
  using Settings = BandsP::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(3, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr auto& kSettings = Bands::kSinglePhaseSettings;

  static void defaults(Settings& settings) { settings = {0, Bands::kDefaultBands}; }
  static wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
    return BandsP::render(frame, settings);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Bandspf::execute(settings, host);
  }
  // "Bands Push (Ver.,12)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    Bands::appendAxisAndBands(state, settings.degree, settings.bands);
  }
};

}  // namespace

wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
  return Bands::render(Bands::Motion::Push, frame, settings.degree, settings.bands,
                       /*twoPhase=*/false);
}

void resetBeforeDialog(Settings& settings) {
  const bool valid = (settings.degree == 0 || settings.degree == 90) && settings.bands >= 1 &&
                     settings.bands <= Bands::kMaxBands;
  if (!valid) {
    settings.degree = 0;
    settings.bands = Bands::kDefaultBands;
  }
}

const plugin::EffectOps kBandsPushOps = wipes::kWipeOps<Unit>;

}  // namespace BandsP
