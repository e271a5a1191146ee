// One full-HD frame of the four band effects at p = 0.5 with 10 bands;
// compare with BM_Copy24.
#include "BandsP.h"
#include "BandsP2.h"
#include "BandsW.h"
#include "BandsW2.h"
#include "BenchPictures.h"
#include "DibLib.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  wipes::Frame frame(double p = 0.5) const { return {a.data(), b.data(), p, 0, 0, 0}; }
};

template <class Render>
void runFrames(benchmark::State& state, Render render) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    wipes::Rendered out = render(frame);
    benchmark::DoNotOptimize(out.output);
    GlobalFree(out.output);
  }
}

void BM_BandsWipe(benchmark::State& state, int32_t degree) {
  runFrames(state, [degree](const wipes::Frame& f) { return BandsW::render(f, {degree, 10, 1}); });
}
void BM_BandsPush(benchmark::State& state, int32_t degree) {
  runFrames(state, [degree](const wipes::Frame& f) { return BandsP::render(f, {degree, 10}); });
}
void BM_BandsWipe2Phase(benchmark::State& state, int32_t degree) {
  runFrames(state, [degree](const wipes::Frame& f) { return BandsW2::render(f, {degree, 10, 2}); });
}
void BM_BandsPush2Phase(benchmark::State& state, int32_t degree) {
  runFrames(state, [degree](const wipes::Frame& f) { return BandsP2::render(f, {degree, 10, 2}); });
}

BENCHMARK_CAPTURE(BM_BandsWipe, Horizontal, 0);
BENCHMARK_CAPTURE(BM_BandsWipe, Vertical, 90);
BENCHMARK_CAPTURE(BM_BandsPush, Horizontal, 0);
BENCHMARK_CAPTURE(BM_BandsPush, Vertical, 90);
BENCHMARK_CAPTURE(BM_BandsWipe2Phase, Right, 0);
BENCHMARK_CAPTURE(BM_BandsWipe2Phase, Up, 90);
BENCHMARK_CAPTURE(BM_BandsPush2Phase, Right, 0);
BENCHMARK_CAPTURE(BM_BandsPush2Phase, Up, 90);

}  // namespace
