// One full-HD frame of Clock Wipe and Windshield Wipe at p = 0.5; compare
// with BM_Copy24.
#include "BenchPictures.h"
#include "ClockW.h"
#include "DibLib.h"
#include "WindshW.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  wipes::Frame frame(double p = 0.5) const { return {a.data(), b.data(), p, 0, 0, 0}; }
};

template <class Settings>
void runFrames(benchmark::State& state, HGLOBAL (*render)(const wipes::Frame&, const Settings&),
               Settings settings) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = render(frame, settings);
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}

void BM_ClockWipe(benchmark::State& state, int32_t needles) {
  runFrames(state, ClockW::render, ClockW::Settings{1, needles});
}
BENCHMARK_CAPTURE(BM_ClockWipe, ThreeNeedles, 3);
BENCHMARK_CAPTURE(BM_ClockWipe, TenNeedles, 10);

// The reference that tests every pixel with the arctangent.
void BM_ClockWipePixelByPixel(benchmark::State& state) {
  runFrames(state, ClockW::renderPixelByPixel, ClockW::Settings{1, 3});
}
BENCHMARK(BM_ClockWipePixelByPixel)->Unit(benchmark::kMillisecond);

void BM_WindshieldWipe(benchmark::State& state, int32_t origin) {
  runFrames(state, WindshW::render, WindshW::Settings{origin, 1});
}
BENCHMARK_CAPTURE(BM_WindshieldWipe, BottomCenter, WindshW::kBottomCenter);
BENCHMARK_CAPTURE(BM_WindshieldWipe, TopLeftCorner, WindshW::kTopLeftCorner);

}  // namespace
