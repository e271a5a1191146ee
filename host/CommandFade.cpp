// vtrhost fade: runs a sound fade over WAV files as a host does — the sample
// format first, then the length, then blocks of sample frames of A and B,
// each answered by a new block of samples that the host collects.
#include <algorithm>
#include <charconv>
#include <cstring>

#include "Commands.h"
#include "Effects.h"
#include "Wav.h"

namespace host {
namespace {

constexpr int32_t kDefaultBlock = 4096;

struct FadeArguments {
  std::string library, effect, pathA, pathB, output;
  int32_t block = kDefaultBlock;
  int32_t length = -1;  // frames of A when not given
};

int32_t positiveNumber(const std::string& option, const std::string& text) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1)
    throw UsageError(option + " takes a positive number of sample frames, not \"" + text + "\"");
  return value;
}

FadeArguments parse(const Arguments& arguments) {
  FadeArguments parsed;
  std::vector<std::string> positional;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    bool hasValue = i + 1 < arguments.size();
    if (word == "-o" || word == "--length" || word == "--block") {
      if (!hasValue) throw UsageError(word + " needs a value");
      const std::string& value = arguments[++i];
      if (word == "-o") parsed.output = value;
      if (word == "--length") parsed.length = positiveNumber(word, value);
      if (word == "--block") parsed.block = positiveNumber(word, value);
    } else if (word.size() > 1 && word[0] == '-') {
      throw UsageError("unknown option " + word);
    } else {
      positional.push_back(word);
    }
  }
  if (positional.size() < 3 || positional.size() > 4)
    throw UsageError("fade takes a library, an effect and one or two WAV files");
  if (parsed.output.empty()) throw UsageError("fade needs an output file: -o OUT.wav");
  parsed.library = positional[0];
  parsed.effect = positional[1];
  parsed.pathA = positional[2];
  if (positional.size() == 4) parsed.pathB = positional[3];
  return parsed;
}

// The 16-byte PCM wave format record handed to piLocalSetFormat.
std::vector<unsigned char> sampleFormat(const WavSound& sound) {
  auto put = [](unsigned char* at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
  };
  std::vector<unsigned char> record(16);
  uint32_t blockAlign = uint32_t(sound.frameBytes());
  put(&record[0], 1, 2);  // PCM
  put(&record[2], uint32_t(sound.channels), 2);
  put(&record[4], uint32_t(sound.sampleRate), 4);
  put(&record[8], uint32_t(sound.sampleRate) * blockAlign, 4);
  put(&record[12], blockAlign, 2);
  put(&record[14], uint32_t(sound.bitsPerSample), 2);
  return record;
}

void requireSameFormat(const WavSound& a, const std::string& pathA, const WavSound& b,
                       const std::string& pathB) {
  if (a.channels != b.channels || a.bitsPerSample != b.bitsPerSample ||
      a.sampleRate != b.sampleRate)
    throw HostError("the sound files differ in format: " + pathA + " is " + a.describe() + ", " +
                    pathB + " is " + b.describe());
}

// Where block `offset` of a sound starts, and how many frames it has left
// (none once the sound has ended; the pointer then marks its end).
struct Slice {
  const void* data;
  int32_t frames;
};

Slice slice(const WavSound& sound, int64_t offset, int32_t block) {
  static const unsigned char kNothing = 0;
  int64_t start = std::min(offset, sound.frames);
  int64_t frames = std::min<int64_t>(block, sound.frames - start);
  const unsigned char* data =
      sound.bytes.empty() ? &kNothing : sound.bytes.data() + start * sound.frameBytes();
  return {data, int32_t(frames)};
}

// Runs the instance over A (and B) block by block and collects the output.
WavSound runFade(const Instance& instance, const WavSound& a, const WavSound* b,
                 const FadeArguments& options) {
  const PluginExports& api = instance.api();
  const uint32_t index = instance.index();
  HGLOBAL handle = instance.handle();
  std::vector<unsigned char> format = sampleFormat(a);
  api.piLocalSetFormat(index, handle, format.data());
  api.piLocalLength(index, handle, options.length >= 0 ? options.length : int32_t(a.frames));
  api.piLocalProcessDataStart(index, handle);

  WavSound out = a;
  out.bytes.clear();
  for (int64_t offset = 0; offset < a.frames; offset += options.block) {
    Slice sliceA = slice(a, offset, options.block);
    Slice sliceB = b ? slice(*b, offset, options.block) : Slice{nullptr, 0};
    api.piLocalSetData(index, handle, sliceA.data, sliceA.frames, sliceB.data, sliceB.frames);
    if (!api.piLocalProcessData(index, handle))
      throw HostError("the effect refused the block at sample frame " + std::to_string(offset));
    HGLOBAL block = api.piLocalGetData(index, handle);
    size_t expected = size_t(sliceA.frames) * size_t(a.frameBytes());
    void* bytes = GlobalLock(block);
    bool complete = bytes && GlobalSize(block) >= expected;
    if (complete) {
      const auto* first = static_cast<const unsigned char*>(bytes);
      out.bytes.insert(out.bytes.end(), first, first + expected);
    }
    if (bytes) GlobalUnlock(block);
    GlobalFree(block);
    if (!complete)
      throw HostError("the effect answered no complete block at sample frame " +
                      std::to_string(offset));
  }
  api.piLocalProcessDataEnd(index, handle);
  return out;
}

int fade(const Arguments& arguments) {
  FadeArguments options = parse(arguments);
  PluginLibrary library(options.library);
  uint32_t index = findEffect(library, options.effect, /*includeUnannounced=*/true);
  EffectUse use(library, index);
  std::string name = effectName(library, index);
  uint32_t flags = library.api().piFlags(index);
  if (!(flags & PI_CAP_SOUND))
    throw HostError("the effect \"" + name + "\" does not process sound");
  bool twoInputs = flags & PI_CAP_TWO_INPUTS;
  if (twoInputs && options.pathB.empty())
    throw HostError("the effect \"" + name + "\" mixes two sounds: give B.wav after " +
                    options.pathA);

  WavSound a = readWav(options.pathA);
  WavSound b;
  if (!options.pathB.empty()) {
    b = readWav(options.pathB);
    requireSameFormat(a, options.pathA, b, options.pathB);
  }
  if (a.frames > INT32_MAX) throw HostError("the sound file " + options.pathA + " is too long");

  Instance instance(library, index, PI_SOUND);
  WavSound out = runFade(instance, a, options.pathB.empty() ? nullptr : &b, options);
  writeWav(options.output, out);
  return 0;
}

}  // namespace

const Command kFadeCommand{
    "fade",
    "fade LIB EFFECT A.wav [B.wav] -o OUT.wav [--length SAMPLES] [--block SAMPLES]\n"
    "    runs a sound fade over 8-bit unsigned or 16-bit PCM WAV files; B is needed by\n"
    "    the fades that mix two sounds.  The host hands the fade blocks of --block\n"
    "    sample frames (4096); the length defaults to the sample frames of A",
    &fade};

}  // namespace host
