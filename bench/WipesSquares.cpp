// One full-HD frame of Multiple rectangle Wipe and Square Wipe at p = 0.5;
// compare with BM_Copy24.
#include "BenchPictures.h"
#include "DibLib.h"
#include "SquareW.h"
#include "SquaresW.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  wipes::Frame frame() const { return {a.data(), b.data(), 0.5, 0, 0, 0}; }
};

void BM_MultipleRectangleWipe(benchmark::State& state, int32_t squares, int32_t degree) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = SquaresW::render(frame, {squares, degree});
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_MultipleRectangleWipe, Four45, 4, 45);
BENCHMARK_CAPTURE(BM_MultipleRectangleWipe, Ten0, 10, 0);
BENCHMARK_CAPTURE(BM_MultipleRectangleWipe, Ten225, 10, 225);

void BM_SquareWipe(benchmark::State& state, int32_t origin, bool wipeIn) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = SquareW::render(frame, {origin, uint8_t(wipeIn)});
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_SquareWipe, CenterOut, SquareW::kCenter, false);
BENCHMARK_CAPTURE(BM_SquareWipe, CenterIn, SquareW::kCenter, true);
BENCHMARK_CAPTURE(BM_SquareWipe, BottomRightIn, SquareW::kBottomRight, true);

}  // namespace
