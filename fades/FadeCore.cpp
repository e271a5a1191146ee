#include "FadeCore.h"

#include <cstring>
#include <optional>

namespace FadeCore {
namespace {

using DibLib::Dib24View;

struct Size {
  int32_t width, height;
};

// Picture A sets the output size; it is read as a 24-bit picture.
std::optional<Size> sizeOfA(const void* a) {
  if (!DibLib::isSupportedDib(a)) return std::nullopt;
  DibLib::DibHeader h = DibLib::readHeader(a);
  if (h.biBitCount != 24) return std::nullopt;
  return Size{h.biWidth, h.biHeight};
}

inline uint8_t subtractHeld(uint8_t v, uint8_t k) { return v > k ? uint8_t(v - k) : 0; }
inline uint8_t addHeld(uint8_t v, uint8_t k) {
  uint8_t sum = uint8_t(v + k);
  return sum < v ? 255 : sum;
}

// A channel lowered by an amount, held to the channel range: the amount
// split into a part to subtract and (for a negative amount) a part to add,
// one of them 0, each held at 255 where it already reaches past the range.
struct Lowering {
  uint8_t down, up;
  explicit Lowering(int32_t by)
      : down(uint8_t(numeric::clampTo(by, 0, 255))), up(uint8_t(numeric::clampTo(-by, 0, 255))) {}
  uint8_t operator()(uint8_t v) const { return addHeld(subtractHeld(v, down), up); }
};

// Applies a byte operation over one row of `n` channel bytes, sixteen at a
// time through local copies so that the compiler can turn each block into
// a few vector instructions.
template <class Op>
void mapRow(uint8_t* out, const uint8_t* a, const uint8_t* b, int64_t n, Op op) {
  constexpr int kBlock = 16;
  int64_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    uint8_t x[kBlock], y[kBlock], r[kBlock];
    std::memcpy(x, a + i, kBlock);
    std::memcpy(y, b + i, kBlock);
    for (int j = 0; j < kBlock; ++j) r[j] = op(x[j], y[j]);
    std::memcpy(out + i, r, kBlock);
  }
  for (; i < n; ++i) out[i] = op(a[i], b[i]);
}

// The output picture of one frame, locked while it is drawn.
class Canvas {
 public:
  explicit Canvas(Size size) : handle_(DibLib::allocDib24(size.width, size.height)) {
    if (handle_) lock_.emplace(handle_.get());
    if (lock_ && *lock_) view_ = Dib24View(lock_->get());
  }
  explicit operator bool() const { return lock_ && *lock_; }
  const Dib24View& view() const { return view_; }
  HGLOBAL finish() {
    lock_.reset();
    return handle_.release();
  }

 private:
  DibLib::DibHandle handle_;
  std::optional<DibLib::GlobalLockGuard> lock_;
  Dib24View view_;
};

}  // namespace

uint32_t typeBits(int32_t type) {
  switch (type) {
    case 0: return 0x1400;   // fade in: one input, starts from black
    case 1: return 0x2400;   // fade out: one input, ends in black
    default: return 0x2800;  // two inputs
  }
}

int32_t amount(Extended product) {
  int64_t truncated = numeric::Trunc(product);
  return int32_t(numeric::clampTo<int64_t>(truncated, -256, 256));
}

// The pixel loops run row by row: every output pixel depends only on the
// input pixels at its own place, so the order cannot change the picture.
HGLOBAL darken(const void* a, const void* source, int32_t by) {
  std::optional<Size> size = sizeOfA(a);
  if (!size || !DibLib::isReadable24(source, size->width, size->height)) return nullptr;
  Canvas out(*size);
  if (!out) return nullptr;
  const Dib24View from(source);
  const Lowering lower(by);
  const int64_t bytes = 3 * int64_t(size->width);
  for (int32_t y = 0; y < size->height; ++y) {
    const uint8_t* s = from.row(y);
    mapRow(out.view().row(y), s, s, bytes, [lower](uint8_t v, uint8_t) { return lower(v); });
  }
  return out.finish();
}

HGLOBAL cross(const void* a, const void* b, int32_t byA, int32_t byB) {
  std::optional<Size> size = sizeOfA(a);
  if (!size || !DibLib::isReadable24(b, size->width, size->height)) return nullptr;
  Canvas out(*size);
  if (!out) return nullptr;
  const Dib24View fromA(a), fromB(b);
  const Lowering lowerA(byA), lowerB(byB);
  const int64_t bytes = 3 * int64_t(size->width);
  for (int32_t y = 0; y < size->height; ++y)
    mapRow(out.view().row(y), fromA.row(y), fromB.row(y), bytes,
           [lowerA, lowerB](uint8_t a, uint8_t b) { return addHeld(lowerA(a), lowerB(b)); });
  return out.finish();
}

// ---- sound ------------------------------------------------------------------

namespace {

bool supportedSampleSize(uint16_t bits) { return bits == 8 || bits == 16; }

// One sample step: v = s × f (plus what the output holds), truncated toward
// zero and stored modulo the sample range, without clamping.
inline void step8(unsigned char* out, unsigned char in, Extended f, bool adding) {
  Extended v = Extended(int32_t(in) - 128) * f;
  if (adding) v += int32_t(*out) - 128;
  *out = static_cast<unsigned char>((numeric::Trunc(v) + 128) & 0xFF);
}

inline int16_t read16(const unsigned char* p) { return int16_t(uint16_t(p[0] | p[1] << 8)); }

inline void step16(unsigned char* out, const unsigned char* in, Extended f, bool adding) {
  Extended v = Extended(read16(in)) * f;
  if (adding) v += read16(out);
  uint64_t stored = uint64_t(numeric::Trunc(v)) & 0xFFFF;
  out[0] = static_cast<unsigned char>(stored);
  out[1] = static_cast<unsigned char>(stored >> 8);
}

}  // namespace

SoundBlock::SoundBlock(const SoundInputs& inputs) : in_(inputs) {
  if (!supportedSampleSize(in_.format.bitsPerSample) || in_.format.channels == 0 ||
      in_.countA < 0) {
    failed_ = true;
    return;
  }
  uint64_t size = uint64_t(in_.countA) * (in_.format.bitsPerSample / 8) * in_.format.channels;
  block_ = DibLib::DibHandle(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  bytes_ = block_ ? static_cast<unsigned char*>(GlobalLock(block_.get())) : nullptr;
  failed_ = bytes_ == nullptr;
}

SoundBlock::~SoundBlock() {
  if (bytes_) GlobalUnlock(block_.get());
}

void SoundBlock::scale(Input input, Extended f) { apply(input, f, false); }
void SoundBlock::add(Input input, Extended f) { apply(input, f, true); }

void SoundBlock::lowerCountToB() {
  if (in_.countB < in_.countA) in_.countA = in_.countB;
}

// The truncating conversion of every sample otherwise switches the FPU's
// rounding mode twice per sample, which some processors serialise so badly
// that one second of sound costs up to a hundred times more depending on
// where the loop lands in memory.  Where the processor has the truncating
// store (SSE3) a clone of this function uses it; the results are identical.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__)
#define FADE_SAMPLE_LOOP __attribute__((target_clones("sse3", "default")))
#else
#define FADE_SAMPLE_LOOP
#endif

FADE_SAMPLE_LOOP void SoundBlock::apply(Input input, Extended f, bool adding) {
  const void* source = input == Input::A ? in_.a : in_.b;
  // Count A only ever shrinks, so the block covers it; B is read over count
  // A only after count A was lowered to count B.
  if (failed_ || !source || in_.countA < 0 || (input == Input::B && in_.countB < in_.countA)) {
    failed_ = true;
    return;
  }
  const auto* s = static_cast<const unsigned char*>(source);
  const int64_t samples = int64_t(in_.countA) * in_.format.channels;
  if (in_.format.bitsPerSample == 8) {
    for (int64_t i = 0; i < samples; ++i) step8(bytes_ + i, s[i], f, adding);
  } else {
    for (int64_t i = 0; i < samples; ++i) step16(bytes_ + 2 * i, s + 2 * i, f, adding);
  }
}

SoundResult SoundBlock::finish() {
  if (failed_) return {};
  GlobalUnlock(block_.get());
  bytes_ = nullptr;
  return {block_.release(), in_.countA};
}

}  // namespace FadeCore
