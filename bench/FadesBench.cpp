// One full-HD cross-fade frame of each fade unit at p = 0.5, and one second
// of 48 kHz stereo 16-bit sound through each sound type; compare the
// pictures with BM_Copy24, the floor every frame pays.
#include <cstdint>
#include <vector>

#include "BenchPictures.h"
#include "DibLib.h"
#include "piDirFad.h"
#include "piLinFad.h"
#include "piLogFad.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
};

template <HGLOBAL (*Render)(const void*, const void*, int32_t, double)>
void BM_CrossFadeFrame(benchmark::State& state) {
  Pictures pictures;
  for (auto _ : state) {
    HGLOBAL out = Render(pictures.a.data(), pictures.b.data(), 2, 0.5);
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK(BM_CrossFadeFrame<piLinFad::renderPicture>)->Name("BM_LinearCrossFadeFrame");
BENCHMARK(BM_CrossFadeFrame<piLogFad::renderPicture>)->Name("BM_LogCrossFadeFrame");

void BM_DirectCrossFadeFrame(benchmark::State& state) {
  Pictures pictures;
  for (auto _ : state) {
    HGLOBAL out = piDirFad::render(pictures.a.data(), pictures.b.data(), 0.5);
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK(BM_DirectCrossFadeFrame);

// One second of 48 kHz stereo 16-bit sound in one buffer, at p = 0.5 (the
// fade out/fade in is then in its second half).
constexpr int32_t kFrames = 48000;

std::vector<unsigned char> tone(uint32_t seed) {
  std::vector<unsigned char> bytes(size_t(kFrames) * 4);
  uint32_t x = seed;
  for (unsigned char& b : bytes)
    b = static_cast<unsigned char>((x = x * 1664525u + 1013904223u) >> 24);
  return bytes;
}

template <FadeCore::SoundResult (*Render)(const FadeCore::SoundInputs&, int32_t, double)>
void BM_SoundSecond(benchmark::State& state) {
  auto a = tone(1), b = tone(2);
  const FadeCore::SoundInputs inputs{
      a.data(), b.data(), kFrames, kFrames, {1, 2, 48000, 192000, 4, 16}};
  const int32_t type = int32_t(state.range(0));
  for (auto _ : state) {
    HGLOBAL out = Render(inputs, type, 0.5).block;
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kFrames * 2);
}
BENCHMARK(BM_SoundSecond<piLinFad::renderSound>)->Name("BM_LinearSoundSecond")->DenseRange(0, 3);
BENCHMARK(BM_SoundSecond<piLogFad::renderSound>)->Name("BM_LogSoundSecond")->DenseRange(0, 3);

}  // namespace
