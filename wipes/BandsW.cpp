// Bands Wipe: B is wiped in over A in alternate bands from opposite sides
// at the same time (or, with phases other than 1, one set after the other).
#include "BandsW.h"

#include "Bandswf.h"

namespace BandsW {
namespace {

struct Unit {
  using Settings = BandsW::Settings;
  static constexpr plugin::Identity kIdentity =
      plugin::sweepIdentity(2, plugin::kConfigurableWipeFlags, /*animated=*/false);
  static constexpr auto& kSettings = Bands::kPhasedSettings;

  static void defaults(Settings& settings) { settings = {0, Bands::kDefaultBands, 1}; }
  static wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
    return BandsW::render(frame, settings);
  }
  static bool dialog(int32_t, Settings& settings, HWND host) {
    return Bandswf::execute(settings, host);
  }
  // "Bands Wipe (Hor.,10)"
  static void decorate(plugin::PresentationState& state, const Settings& settings) {
    Bands::appendAxisAndBands(state, settings.degree, settings.bands);
  }
};

}  // namespace

wipes::Rendered render(const wipes::Frame& frame, const Settings& settings) {
  return Bands::render(Bands::Motion::Wipe, frame, settings.degree, settings.bands,
                       Bands::twoPhase(settings.bands, settings.phases));
}

void resetBeforeDialog(Settings& settings) {
  const bool valid = (settings.degree == 0 || settings.degree == 90) && settings.bands >= 1 &&
                     settings.bands <= Bands::kMaxBands;
  if (!valid) {
    settings.degree = 0;
    settings.bands = Bands::kDefaultBands;
  }
  settings.phases = 1;
}

const plugin::EffectOps kBandsWipeOps = wipes::kWipeOps<Unit>;

}  // namespace BandsW
