// HttpRequest reading a 100 MiB body from the loopback server, against the curl command line tool
// fetching the same address in the same run, and the heap it needs against the body size.
//
// Rerun with: tools/bench.sh --benchmark_filter=Body  (or build/bench/bench/http_bench).
//
// Heap figures count every malloc of the process during the call (libcurl's own buffers included).
#include <algorithm>
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "http/http_request.h"
#include "loopback_server.h"
#include "support/allocation_counter.h"
#include "support/ratios.h"
#include "support/workloads.h"

namespace quorvane {
namespace {

constexpr std::size_t kBodyBytes = 100 * 1024 * 1024;

// The server and its address, made once: the body is built outside every measurement.
const tools::LoopbackServer& Server() {
  static const tools::LoopbackServer* server = [] {
    auto* made = new tools::LoopbackServer();
    std::string body(kBodyBytes, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) {
      body[i] = static_cast<char>('a' + i % 26);
    }
    const_cast<tools::LoopbackServer*>(made)->Route("/big", tools::Ok(std::move(body)));
    return made;
  }();
  return *server;
}

// The baseline: the curl tool fetching the same body into /dev/null, started as a child process.
void BM_BodyCurlCommandLine(benchmark::State& state) {
  const std::string url = Server().Url("/big");
  for (auto _ : state) {
    if (!bench::RunToCompletion({"curl", "-s", "--noproxy", "*", "-o", "/dev/null", url})) {
      state.SkipWithError("curl could not fetch the body");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBodyBytes));
}

void BM_BodyHttpRequest(benchmark::State& state) {
  const Text url(Server().Url("/big"));
  for (auto _ : state) {
    const Text body = HttpRequest(url);
    if (body.size() != kBodyBytes) {
      state.SkipWithError("the body did not arrive whole");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBodyBytes));
}

// The most heap in use at once during one call, per byte of the body.
void BM_BodyHttpRequestPeakHeap(benchmark::State& state) {
  const Text url(Server().Url("/big"));
  std::int64_t peak = 0;
  for (auto _ : state) {
    bench::StartCounting();
    const std::size_t received = HttpRequest(url).size();
    peak = std::max(peak, bench::StopCounting());
    if (received != kBodyBytes) {
      state.SkipWithError("the body did not arrive whole");
      break;
    }
  }
  state.counters["peak_heap_to_body"] = static_cast<double>(peak) / static_cast<double>(kBodyBytes);
}

BENCHMARK(BM_BodyCurlCommandLine)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BodyHttpRequest)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BodyHttpRequestPeakHeap)->Unit(benchmark::kMillisecond)->Iterations(3);

const bool kComparisons = [] {
  bench::CompareRuns("BM_BodyHttpRequest/min_time:1.000", "BM_BodyCurlCommandLine/min_time:1.000", 2.0);
  bench::CheckCounter("BM_BodyHttpRequestPeakHeap/iterations:3", "peak_heap_to_body", 3.0);
  return true;
}();

}  // namespace
}  // namespace quorvane
