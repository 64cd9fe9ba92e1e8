// Compares benchmarks measured in the same run. A benchmark program declares which of its results
// are to be read against which baseline, and the shared main prints every such ratio (real time per
// iteration) after the runs, with the limit it is held to. Counters that a benchmark reports can be
// held to a limit the same way.
#ifndef QUORVANE_BENCH_SUPPORT_RATIOS_H_
#define QUORVANE_BENCH_SUPPORT_RATIOS_H_

#include <string>

namespace quorvane::bench {

// After the runs, prints `measured` / `baseline` and whether it is at most `limit`. The names are
// the full benchmark names as Google Benchmark prints them.
void CompareRuns(std::string measured, std::string baseline, double limit);

// After the runs, prints the value of user counter `counter` of benchmark `benchmark` and whether it
// is at most `limit`, for figures that are not times (such as peak memory per input byte).
void CheckCounter(std::string benchmark, std::string counter, double limit);

}  // namespace quorvane::bench

#endif  // QUORVANE_BENCH_SUPPORT_RATIOS_H_
