// Normalising a full-HD 8-bit picture to 24 bits; compare with BM_Copy24.
#include "BenchPictures.h"
#include "DibLib.h"

namespace {

void BM_Convert8To24(benchmark::State& state) {
  auto source = bench::picture8(bench::kWidth, bench::kHeight);
  for (auto _ : state) {
    HGLOBAL copy = DibLib::copy24(static_cast<const void*>(source.data()));
    benchmark::DoNotOptimize(copy);
    GlobalFree(copy);
  }
}
BENCHMARK(BM_Convert8To24);

}  // namespace
