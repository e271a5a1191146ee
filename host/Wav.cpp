#include "Wav.h"

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "PluginLibrary.h"

namespace host {
namespace {

struct SndFileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFile = std::unique_ptr<SNDFILE, SndFileCloser>;

// libsndfile hands both sizes out as 16-bit values: an 8-bit sample u
// becomes (u - 128) << 8 and goes back exactly by the inverse.
int16_t wordOf(const WavSound& sound, int64_t sample) {
  const unsigned char* p = sound.bytes.data();
  if (sound.bitsPerSample == 8) return int16_t((int32_t(p[sample]) - 128) * 256);
  return int16_t(uint16_t(p[2 * sample] | p[2 * sample + 1] << 8));
}

void storeWord(WavSound& sound, int64_t sample, int16_t word) {
  unsigned char* p = sound.bytes.data();
  if (sound.bitsPerSample == 8) {
    p[sample] = static_cast<unsigned char>((word >> 8) + 128);
  } else {
    p[2 * sample] = static_cast<unsigned char>(uint16_t(word));
    p[2 * sample + 1] = static_cast<unsigned char>(uint16_t(word) >> 8);
  }
}

int32_t bitsOf(const SF_INFO& info) {
  int major = info.format & SF_FORMAT_TYPEMASK;
  if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) return 0;
  switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8: return 8;
    case SF_FORMAT_PCM_16: return 16;
    default: return 0;
  }
}

}  // namespace

std::string WavSound::describe() const {
  return std::to_string(channels) + (channels == 1 ? " channel, " : " channels, ") +
         std::to_string(bitsPerSample) + "-bit, " + std::to_string(sampleRate) + " Hz";
}

WavSound readWav(const std::string& path) {
  SF_INFO info{};
  SndFile file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) throw HostError("cannot read the sound file " + path + ": " + sf_strerror(nullptr));
  WavSound sound;
  sound.bitsPerSample = bitsOf(info);
  if (sound.bitsPerSample == 0)
    throw HostError("the sound file " + path +
                    " is not an 8-bit unsigned or 16-bit PCM WAV file, the only formats the "
                    "fades read");
  if (info.channels < 1 || info.channels > 65535)
    throw HostError("the sound file " + path + " has an unusable channel count");
  sound.channels = info.channels;
  sound.sampleRate = info.samplerate;
  sound.frames = info.frames;
  std::vector<int16_t> words(size_t(info.frames) * size_t(info.channels));
  sf_count_t read = sf_readf_short(file.get(), words.data(), info.frames);
  if (read != info.frames)
    throw HostError("the sound file " + path + " ends early: " + std::to_string(read) + " of " +
                    std::to_string(info.frames) + " sample frames could be read");
  sound.bytes.resize(size_t(sound.frames) * size_t(sound.frameBytes()));
  for (size_t i = 0; i < words.size(); ++i) storeWord(sound, int64_t(i), words[i]);
  return sound;
}

void writeWav(const std::string& path, const WavSound& sound) {
  std::string temporary = path + ".XXXXXX";
  int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) throw HostError("cannot write the sound file " + path);
  close(descriptor);
  // mkstemp makes the file private; the result gets the mode a new file gets.
  mode_t mask = umask(0);
  umask(mask);
  chmod(temporary.c_str(), 0666 & ~mask);
  // Removes the half-written file unless it was renamed into place.
  struct Remover {
    const std::string& name;
    bool keep = false;
    ~Remover() {
      if (!keep) std::remove(name.c_str());
    }
  } remover{temporary};

  SF_INFO info{};
  info.channels = sound.channels;
  info.samplerate = sound.sampleRate;
  info.format = SF_FORMAT_WAV | (sound.bitsPerSample == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
  {
    SndFile file(sf_open(temporary.c_str(), SFM_WRITE, &info));
    if (!file) throw HostError("cannot write the sound file " + path + ": " + sf_strerror(nullptr));
    std::vector<int16_t> words(size_t(sound.frames) * size_t(sound.channels));
    for (size_t i = 0; i < words.size(); ++i) words[i] = wordOf(sound, int64_t(i));
    if (sf_writef_short(file.get(), words.data(), sound.frames) != sound.frames)
      throw HostError("cannot write the sound file " + path + ": " + sf_strerror(file.get()));
    if (sf_close(file.release()) != 0) throw HostError("cannot write the sound file " + path);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0)
    throw HostError("cannot write the sound file " + path);
  remover.keep = true;
}

}  // namespace host
