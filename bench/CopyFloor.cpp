// The floor every wipe and fade pays: a plain byte copy of a full-HD 24-bit
// frame, and the library's 24-bit copy of the same picture.  Compiled into
// every benchmark program, so that each can state its figures as ratios.
#include <cstring>

#include "BenchPictures.h"
#include "DibLib.h"

namespace {

void BM_MemcpyFloor(benchmark::State& state) {
  auto source = bench::picture24(bench::kWidth, bench::kHeight, 1);
  std::vector<unsigned char> target(source.size());
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}
BENCHMARK(BM_MemcpyFloor);

void BM_Copy24(benchmark::State& state) {
  auto source = bench::picture24(bench::kWidth, bench::kHeight, 1);
  for (auto _ : state) {
    HGLOBAL copy = DibLib::copy24(static_cast<const void*>(source.data()));
    benchmark::DoNotOptimize(copy);
    GlobalFree(copy);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}
BENCHMARK(BM_Copy24);

}  // namespace
