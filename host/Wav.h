// PCM WAV files in and out, holding samples as the fades read them:
// interleaved, 8-bit unsigned (128 is silence) or 16-bit signed
// little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct WavSound {
  int32_t channels = 0;
  int32_t sampleRate = 0;
  int32_t bitsPerSample = 0;  // 8 or 16
  int64_t frames = 0;         // sample frames; each holds `channels` samples
  std::vector<unsigned char> bytes;

  int32_t frameBytes() const { return channels * (bitsPerSample / 8); }
  // "2 channels, 16-bit, 48000 Hz"
  std::string describe() const;
};

// Reads an 8-bit or 16-bit PCM WAV file; throws HostError naming the file
// for an unreadable file or any other sample format.
WavSound readWav(const std::string& path);

// Writes the sound as a PCM WAV file of its own format.  The file appears
// complete or not at all: it is written under a temporary name beside the
// target and renamed.  Throws HostError naming the file.
void writeWav(const std::string& path, const WavSound& sound);

}  // namespace host
