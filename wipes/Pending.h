// An announced effect whose renderer is not built yet: it presents itself
// (name, icons, flags) like every effect but creates no instance, so every
// instance operation answers 0.
#pragma once

#include "WipeEffect.h"

namespace wipes {

template <uint32_t Index, bool Configurable>
struct PendingUnit {
  using Settings = plugin::NoSettings;
  static constexpr plugin::Identity kIdentity = plugin::sweepIdentity(
      Index, Configurable ? plugin::kConfigurableWipeFlags : plugin::kFixedWipeFlags, !Configurable);
  static HGLOBAL render(const Frame&, const Settings&) { return nullptr; }
};

template <uint32_t Index, bool Configurable>
constexpr plugin::EffectOps pendingOps() {
  const plugin::EffectOps full = WipeEffect<PendingUnit<Index, Configurable>>::ops();
  plugin::EffectOps presentationOnly{};
  presentationOnly.init = full.init;
  presentationOnly.done = full.done;
  presentationOnly.name = full.name;
  presentationOnly.flags = full.flags;
  presentationOnly.icon = full.icon;
  return presentationOnly;
}

template <uint32_t Index, bool Configurable>
inline constexpr plugin::EffectOps kPendingOps = pendingOps<Index, Configurable>();

}  // namespace wipes
