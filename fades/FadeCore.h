// What the linear and the logarithmic fades share: the instance record, the
// sample format and the steps both draw with — darkening a picture, adding
// two darkened pictures, and scaling or adding sound samples.  The units
// differ only in their progress rule and in the curves they feed the steps.
#pragma once

#include <cstdint>

#include "DibLib.h"
#include "Instance.h"
#include "Numeric.h"

namespace FadeCore {

using numeric::Extended;

// The PCM wave format record a host passes to piLocalSetFormat.  Only the
// channel count and the sample size are read.
struct SampleFormat {
  uint16_t formatTag;
  uint16_t channels;
  uint32_t samplesPerSecond;
  uint32_t averageBytesPerSecond;
  uint16_t blockAlign;
  uint16_t bitsPerSample;
};
static_assert(sizeof(SampleFormat) == 16);

// The record of one fade instance; one layout serves the four types.
struct FadeRecord {
  uint32_t flags;
  int32_t length;  // frames, or sample frames for sound
  uint8_t type;    // 0 fade in, 1 fade out, 2 cross fade, 3 fade out/fade in
  SampleFormat format;
  plugin::RunBlock run;
};

// The instance constants: 0x10060200 with the type's bits.
uint32_t typeBits(int32_t type);
inline uint32_t instanceConstant(int32_t type) { return 0x10060200u | typeBits(type); }
inline uint32_t effectConstant(int32_t type) { return 0x10060203u | typeBits(type); }

// ---- pictures ---------------------------------------------------------------

// A darkening amount from a truncated product; beyond the channel range
// every amount acts alike, so the value is held to -256..256.
int32_t amount(Extended product);

// A new W x H picture, W and H from picture A, of `source` read at A's
// coordinates with every channel lowered by `by` (and held to 0..255).
// Null when A is not a readable 24-bit picture or the source is not one at
// least A's size.
HGLOBAL darken(const void* a, const void* source, int32_t by);

// A new picture of A's size: per channel, A lowered by `byA` plus B lowered
// by `byB`, the sum held to 255.  Null when either picture cannot be read.
HGLOBAL cross(const void* a, const void* b, int32_t byA, int32_t byB);

// ---- sound ------------------------------------------------------------------

// The inputs of one sound frame as the instance holds them.
struct SoundInputs {
  const void* a;
  const void* b;
  int32_t countA;  // sample frames in A
  int32_t countB;  // sample frames in B
  SampleFormat format;
};

struct SoundResult {
  HGLOBAL block = nullptr;  // null: the frame was refused
  int32_t countA = 0;       // count A after the frame (lowered to count B by some types)
};

enum class Input { A, B };

// The output block of one sound frame: count A sample frames of silence-zero
// bytes, into which the steps scale and add the inputs.  Refused (false)
// for sample sizes other than 8 and 16 bits, no channels, a negative count
// A, or any step that would read a missing input.
class SoundBlock {
 public:
  explicit SoundBlock(const SoundInputs& inputs);
  ~SoundBlock();
  SoundBlock(const SoundBlock&) = delete;
  SoundBlock& operator=(const SoundBlock&) = delete;

  explicit operator bool() const { return !failed_; }

  // Writes input × f over count A sample frames.
  void scale(Input input, Extended f);
  // Adds input × f to what the block holds, over count A sample frames.
  void add(Input input, Extended f);
  // Count A becomes count B where B is shorter: the steps that follow cover
  // only what B holds, and the frames beyond keep their bytes.
  void lowerCountToB();

  // The block and the count A the frame leaves; an empty result when any
  // step was refused.
  SoundResult finish();

 private:
  void apply(Input input, Extended f, bool adding);

  SoundInputs in_;
  DibLib::DibHandle block_;
  unsigned char* bytes_ = nullptr;
  bool failed_ = false;
};

}  // namespace FadeCore
