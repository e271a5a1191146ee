// Linear fades: the darkening of a picture and the gain of a sound follow p.
// Fade in brightens A from black, fade out darkens A to black, the cross
// fade adds A darkening and B brightening, and fade out/fade in darkens A
// over the first half of the run and brightens B over the second.
#include "piLinFad.h"

#include "FadeUnit.h"

namespace piLinFad {
namespace {

using FadeCore::amount;
using FadeCore::Extended;
using FadeCore::Input;

// t runs 0..511 over the run: A darkens by t, then B comes up from black.
HGLOBAL outIn(const void* a, const void* b, int64_t t) {
  if (t < 256) return FadeCore::darken(a, a, amount(t));
  return FadeCore::darken(a, b, amount(511 - t));
}

struct Unit {
  static constexpr uint32_t kFirstNameId = 1;
  static constexpr uint32_t kFirstIconId = 10;
  static constexpr bool kGuarded = false;
  static constexpr bool kDoneReportsRelease = true;
  // counter / length, held to 1 from above; a run of length 0 has none.
  static std::optional<double> progress(int32_t counter, int32_t length) {
    return plugin::fadeProgress(counter, length);
  }
  static HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p) {
    return piLinFad::renderPicture(a, b, type, p);
  }
  static FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& in, int32_t type,
                                           double p) {
    return piLinFad::renderSound(in, type, p);
  }
};

}  // namespace

HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p) {
  const Extended q = p;
  switch (type) {
    case 0: return FadeCore::darken(a, a, amount((1 - q) * 255));
    case 1: return FadeCore::darken(a, a, amount(q * 255));
    case 2: return FadeCore::cross(a, b, amount(q * 255), amount((1 - q) * 255));
    case 3: return outIn(a, b, numeric::Trunc(q * 511));
  }
  return nullptr;
}

FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& inputs, int32_t type, double p) {
  FadeCore::SoundBlock out(inputs);
  const Extended q = p;
  switch (type) {
    case 0: out.scale(Input::A, q); break;
    case 1: out.scale(Input::A, 1 - q); break;
    case 2:
      out.scale(Input::A, 1 - q);
      out.lowerCountToB();
      out.add(Input::B, q);
      break;
    case 3:
      if (2 * q >= 1) {
        // B alone from the middle on; frames beyond a shorter B stay zero.
        out.lowerCountToB();
        out.scale(Input::B, 2 * q - 1);
      } else {
        out.scale(Input::A, 1 - 2 * q);
      }
      break;
    default: break;  // the block stays zero
  }
  return out.finish();
}

const plugin::EffectOps kOps = FadeCore::FadeUnit<Unit>::ops();

}  // namespace piLinFad
