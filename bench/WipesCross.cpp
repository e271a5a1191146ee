// One full-HD frame of each cross and diamond wipe at p = 0.5.
#include "BenchPictures.h"
#include "Cross.h"
#include "DibLib.h"

namespace {

struct Pictures {
  std::vector<unsigned char> a = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> b = bench::picture24(bench::kWidth, bench::kHeight, 77);
  wipes::Frame frame(double p = 0.5) const { return {a.data(), b.data(), p, 0, 0, 0}; }
};

void BM_Cross(benchmark::State& state, Cross::Shape shape) {
  Pictures pictures;
  auto frame = pictures.frame();
  for (auto _ : state) {
    HGLOBAL out = Cross::render(shape, frame);
    benchmark::DoNotOptimize(out);
    GlobalFree(out);
  }
}
BENCHMARK_CAPTURE(BM_Cross, CrossWipeIn, Cross::Shape::CrossIn);
BENCHMARK_CAPTURE(BM_Cross, CrossWipeOut, Cross::Shape::CrossOut);
BENCHMARK_CAPTURE(BM_Cross, DiamondWipeOut, Cross::Shape::DiamondOut);
BENCHMARK_CAPTURE(BM_Cross, DiamondWipeIn, Cross::Shape::DiamondIn);

}  // namespace
