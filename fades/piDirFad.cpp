// Direct cross fade: unlike the linear cross fade, which adds two darkened
// pictures, each output channel lies between the two input channels.
#include "piDirFad.h"

#include <optional>

#include "DibLib.h"
#include "CommonOps.h"
#include "Instance.h"
#include "Numeric.h"
#include "Presentation.h"

namespace piDirFad {
namespace {

using numeric::Extended;

constexpr uint32_t kEffectFlags = 0x10022A01;
constexpr uint32_t kInstanceFlags = 0x10022A00;
constexpr uint32_t kNameId = 9;
constexpr uint32_t kFirstIconId = 90;

struct Record {
  uint32_t flags;
  int32_t length;
  plugin::RunBlock run;
};
using Lock = plugin::InstanceLock<Record>;
using Common = plugin::CommonInstanceOps<Record>;

plugin::PresentationState state;

// The step of a channel for every difference b - a in -255..255 at one
// progress: Trunc((b - a) × p), the product formed in extended precision.
struct Steps {
  int32_t byDifference[511];
  explicit Steps(double p) {
    const Extended q = p;
    for (int32_t d = -255; d <= 255; ++d) byDifference[d + 255] = int32_t(numeric::Trunc(d * q));
  }
  unsigned char blend(unsigned char a, unsigned char b) const {
    // Only a progress outside 0..1 (a negative length) leaves the channel
    // range; the colour value keeps the low byte as set pixel does.
    return static_cast<unsigned char>((a + byDifference[b - a + 255]) & 0xFF);
  }
};

// Icons are loaded once while the effect stays initialised, so handles a
// host holds stay valid until effect Done.
Boolean init(int32_t) {
  if (!state.initialised) plugin::loadIcons(state, kFirstIconId);
  return 1;
}
Boolean done(int32_t) {
  plugin::destroyIcons(state);
  return 1;
}
const char* name(int32_t) { return plugin::loadName(state, kNameId); }
uint32_t flags(int32_t) { return kEffectFlags; }
HICON icon(int32_t, int32_t frame) { return plugin::effectIcon(state, frame, /*animated=*/false); }

HGLOBAL localInit(int32_t, uint32_t hostFlags) {
  return plugin::allocInstance<Record>(hostFlags | kInstanceFlags);
}
// The sound bit of the instance flags changes nothing: every instance
// renders pictures.  A refused frame leaves no output.
LongBool processData(int32_t, HGLOBAL instance) {
  Lock record(instance);
  if (!record) return PI_FALSE;
  plugin::RunBlock& run = record->run;
  run.output = nullptr;
  std::optional<double> p = plugin::fadeProgress(run.counter, record->length);
  if (!p) return PI_FALSE;
  run.counter = int32_t(uint32_t(run.counter) + 1u);
  run.output = render(run.inputA, run.inputB, *p);
  return run.output ? PI_TRUE : PI_FALSE;
}

const char* localName(int32_t, HGLOBAL) { return state.name; }

}  // namespace

HGLOBAL render(const void* a, const void* b, double p) {
  if (!DibLib::isSupportedDib(a)) return nullptr;
  const DibLib::DibHeader h = DibLib::readHeader(a);
  if (h.biBitCount != 24 || !DibLib::isReadable24(b, h.biWidth, h.biHeight)) return nullptr;
  DibLib::DibHandle out(DibLib::allocDib24(h.biWidth, h.biHeight));
  if (!out) return nullptr;
  {
    DibLib::GlobalLockGuard lock(out.get());
    if (!lock) return nullptr;
    const DibLib::Dib24View to(lock.get()), fromA(a), fromB(b);
    const Steps steps(p);
    // Row by row: each pixel depends only on A and B at its own place.
    const int64_t bytes = 3 * int64_t(h.biWidth);
    for (int32_t y = 0; y < h.biHeight; ++y) {
      const unsigned char* sa = fromA.row(y);
      const unsigned char* sb = fromB.row(y);
      unsigned char* o = to.row(y);
      for (int64_t i = 0; i < bytes; ++i) o[i] = steps.blend(sa[i], sb[i]);
    }
  }
  return out.release();
}

const plugin::EffectOps kOps{
    .init = &init,
    .done = &done,
    .name = &name,
    .flags = &flags,
    .icon = &icon,
    .localInit = &localInit,
    .localDone = &Common::done,
    .setFormat = nullptr,
    .length = &Common::length,
    .dlg = nullptr,  // no dialog
    .localFlags = &Common::flags,
    .setData = &Common::setInputs,
    .processDataStart = &Common::restart,
    .processData = &processData,
    .processDataEnd = &Common::restart,
    .getData = &Common::getData,
    .saveData = nullptr,  // no settings
    .loadData = nullptr,
    .localName = &localName,
};

}  // namespace piDirFad
