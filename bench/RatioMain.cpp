// The benchmark programs' main: the usual console report, then every
// benchmark's CPU time as a ratio to BM_Copy24, the copy every frame pays.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With repetitions only the medians are compared.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      times_.emplace_back(run.run_name.str(), seconds);
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    double floor = 0;
    for (const auto& [name, seconds] : times_)
      if (name == "BM_Copy24") floor = seconds;
    if (floor <= 0) {
      std::printf("\n(no BM_Copy24 among the runs: no ratios)\n");
      return;
    }
    std::printf("\nCPU time as a multiple of BM_Copy24 (%.3f ms):\n", floor * 1e3);
    for (const auto& [name, seconds] : times_)
      std::printf("  %-60s %8.2f\n", name.c_str(), seconds / floor);
  }

 private:
  std::vector<std::pair<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
