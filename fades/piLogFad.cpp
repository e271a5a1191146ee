// Logarithmic fades: the linear fades' steps fed with squared progress.  The
// picture and sound curves differ on purpose: a picture fade out darkens by
// p² (brightness 1 - p²) while the sound fade out scales by (1 - p)², and
// the picture's fade out/fade in darkens by x² × 256 where the sound keeps
// 1 - x².
#include "piLogFad.h"

#include "FadeUnit.h"

namespace piLogFad {
namespace {

using FadeCore::amount;
using FadeCore::Extended;
using FadeCore::Input;

struct Unit {
  static constexpr uint32_t kFirstNameId = 5;
  static constexpr uint32_t kFirstIconId = 50;
  static constexpr bool kGuarded = true;
  static constexpr bool kDoneReportsRelease = false;  // a failed release is ignored
  // counter / length for runs longer than one; 0.5 otherwise; held to 0..1.
  static std::optional<double> progress(int32_t counter, int32_t length) {
    return plugin::logFadeProgress(counter, length);
  }
  static HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p) {
    return piLogFad::renderPicture(a, b, type, p);
  }
  static FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& in, int32_t type,
                                           double p) {
    return piLogFad::renderSound(in, type, p);
  }
};

}  // namespace

// Squares are the progress multiplied by itself, then scaled and truncated.
HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p) {
  const Extended q = p;
  const Extended r = 1 - q;
  switch (type) {
    case 0: return FadeCore::darken(a, a, amount(r * r * 255));
    case 1: return FadeCore::darken(a, a, amount(q * q * 255));
    case 2: return FadeCore::cross(a, b, amount(q * q * 255), amount(r * r * 255));
    case 3: {
      // At x = 1 exactly, A darkened by 256: black.
      const Extended x = 2 * q;
      if (x > 1) return FadeCore::darken(a, b, amount((2 - x) * (2 - x) * 256));
      return FadeCore::darken(a, a, amount(x * x * 256));
    }
  }
  return nullptr;
}

FadeCore::SoundResult renderSound(const FadeCore::SoundInputs& inputs, int32_t type, double p) {
  FadeCore::SoundBlock out(inputs);
  const Extended q = p;
  const Extended r = 1 - q;
  switch (type) {
    case 0: out.scale(Input::A, q * q); break;
    case 1: out.scale(Input::A, r * r); break;
    case 2:
      out.scale(Input::A, r * r);
      out.lowerCountToB();
      out.add(Input::B, q * q);
      break;
    case 3: {
      const Extended x = 2 * q;
      if (x >= 1) {
        out.lowerCountToB();
        out.scale(Input::B, (x - 1) * (x - 1));
      } else {
        out.scale(Input::A, 1 - x * x);
      }
      break;
    }
    default: break;  // the block stays zero
  }
  return out.finish();
}

const plugin::EffectOps kOps = FadeCore::FadeUnit<Unit>::ops();

}  // namespace piLogFad
