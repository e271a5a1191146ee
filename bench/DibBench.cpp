// The floor: what a plain byte copy of a full-HD 24-bit frame costs, and the
// library's 24-bit copy and 8-bit conversion of the same picture.
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
