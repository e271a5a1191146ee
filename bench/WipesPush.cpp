// One full-HD frame of Push+ and Free Wipe at p = 0.5; compare with BM_Copy24.
#include "BenchPictures.h"
#include "DibLib.h"
#include "FreeWipe.h"
#include "Push.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  wipes::Frame frame(double p = 0.5) const { return {a.data(), b.data(), p, 0, 0, 0}; }
};

void BM_PushPlus(benchmark::State& state, int32_t degree) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = Push::render(frame, {degree});
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_PushPlus, Right, 0);
BENCHMARK_CAPTURE(BM_PushPlus, Up, 90);
BENCHMARK_CAPTURE(BM_PushPlus, DownRight, 315);

void BM_FreeWipe(benchmark::State& state, int32_t degree) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = FreeWipe::render(frame, {degree});
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_FreeWipe, Degree0, 0);
BENCHMARK_CAPTURE(BM_FreeWipe, Degree30, 30);
BENCHMARK_CAPTURE(BM_FreeWipe, Degree135, 135);
BENCHMARK_CAPTURE(BM_FreeWipe, Degree400, 400);

}  // namespace
