// The main of every benchmark program: runs the benchmarks with the console reporter, then prints
// the ratios that the program declared with CompareRuns.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "support/ratios.h"

namespace quorvane::bench {
namespace {

struct Comparison {
  std::string measured;
  std::string baseline;
  double limit;
};

std::vector<Comparison>& Comparisons() {
  static std::vector<Comparison> comparisons;
  return comparisons;
}

struct CounterCheck {
  std::string benchmark;
  std::string counter;
  double limit;
};

std::vector<CounterCheck>& CounterChecks() {
  static std::vector<CounterCheck> checks;
  return checks;
}

// Remembers the real time per iteration of every run it prints.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  // With --benchmark_repetitions the median stands for the benchmark; otherwise its single run.
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        continue;
      }
      const double seconds = run.GetAdjustedRealTime() * TimeUnitSeconds(run.time_unit);
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[name] = seconds;
        seconds_[name] = seconds;
        RecordCounters(name, run);
      } else if (run.run_type == Run::RT_Iteration && !medians_.contains(name)) {
        seconds_[name] = seconds;
        RecordCounters(name, run);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const std::map<std::string, double>& seconds() const { return seconds_; }
  const std::map<std::string, std::map<std::string, double>>& counters() const { return counters_; }

 private:
  void RecordCounters(const std::string& name, const Run& run) {
    for (const auto& [counter, value] : run.counters) {
      counters_[name][counter] = value.value;
    }
  }

  static double TimeUnitSeconds(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kNanosecond:
        return 1e-9;
      case benchmark::kMicrosecond:
        return 1e-6;
      case benchmark::kMillisecond:
        return 1e-3;
      case benchmark::kSecond:
        return 1.0;
    }
    return 1.0;
  }

  std::map<std::string, double> seconds_;
  std::map<std::string, double> medians_;
  std::map<std::string, std::map<std::string, double>> counters_;
};

}  // namespace

void CheckCounter(std::string benchmark, std::string counter, double limit) {
  CounterChecks().push_back({std::move(benchmark), std::move(counter), limit});
}

void CompareRuns(std::string measured, std::string baseline, double limit) {
  Comparisons().push_back({std::move(measured), std::move(baseline), limit});
}

}  // namespace quorvane::bench

int main(int argc, char** argv) {
  using quorvane::bench::Comparisons;
  using quorvane::bench::CounterChecks;
  // glibc serves large blocks with fresh mmap()s, and whether a block counts as large moves with
  // what was freed before (its dynamic threshold). Benchmarks then measure page faults in an order
  // that depends on which benchmark ran first. Serving every block from the reused heap makes each
  // benchmark measure the code alone, whatever ran before it.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, -1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  quorvane::bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto& seconds = reporter.seconds();
  bool anyOver = false;
  std::printf("\nRatios (real time, same run):\n");
  for (const auto& comparison : Comparisons()) {
    const auto measured = seconds.find(comparison.measured);
    const auto baseline = seconds.find(comparison.baseline);
    if (measured == seconds.end() || baseline == seconds.end()) {
      continue;  // filtered out by --benchmark_filter
    }
    const double ratio = measured->second / baseline->second;
    const bool over = ratio > comparison.limit;
    anyOver = anyOver || over;
    std::printf("  %-58s / %-44s = %6.2f  (limit %.2f) %s\n", comparison.measured.c_str(),
                comparison.baseline.c_str(), ratio, comparison.limit, over ? "OVER" : "ok");
  }
  if (!CounterChecks().empty()) {
    std::printf("\nCounters (same run):\n");
  }
  for (const auto& check : CounterChecks()) {
    const auto runCounters = reporter.counters().find(check.benchmark);
    if (runCounters == reporter.counters().end() || !runCounters->second.contains(check.counter)) {
      continue;  // filtered out by --benchmark_filter
    }
    const double value = runCounters->second.at(check.counter);
    const bool over = value > check.limit;
    anyOver = anyOver || over;
    std::printf("  %-58s %-44s = %6.2f  (limit %.2f) %s\n", check.benchmark.c_str(), check.counter.c_str(),
                value, check.limit, over ? "OVER" : "ok");
  }
  return anyOver ? 2 : 0;
}
