// One full-HD frame of Slide In and Slide out at p = 0.5, straight and
// diagonal; compare with BM_Copy24.
#include "BenchPictures.h"
#include "DibLib.h"
#include "Slide.h"

namespace {

void BM_Slide(benchmark::State& state, int32_t variant, int32_t degree) {
  auto a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  auto b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  const wipes::Frame frame{a.data(), b.data(), 0.5, 0, 0, variant};
  for (auto _ : state) {
    HGLOBAL out = Slide::render(frame, {degree});
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_Slide, In0, 0, 0);
BENCHMARK_CAPTURE(BM_Slide, In90, 0, 90);
BENCHMARK_CAPTURE(BM_Slide, In45, 0, 45);
BENCHMARK_CAPTURE(BM_Slide, Out0, 1, 0);
BENCHMARK_CAPTURE(BM_Slide, Out270, 1, 270);
BENCHMARK_CAPTURE(BM_Slide, Out45, 1, 45);
BENCHMARK_CAPTURE(BM_Slide, Out225, 1, 225);

}  // namespace
