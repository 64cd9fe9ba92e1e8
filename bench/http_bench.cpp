// HttpRequest reading a 100 MiB body from the loopback server, against the curl command line tool
// fetching the same address in the same run, and the heap it needs against the body size.
//
// Rerun with: tools/bench.sh --benchmark_filter=Body  (or build/bench/bench/http_bench).
//
// Heap figures come from counting every operator new and delete in this program; the bytes that
// libcurl allocates with malloc itself (its buffers of some tens of kilobytes) are not counted.
// They travel through the manual-time channel (one nanosecond per byte), so that the shared main
// prints their ratio beside the timing ratios and holds it to its limit.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>

#include "http/http_request.h"
#include "loopback_server.h"
#include "support/ratios.h"

extern char** environ;

namespace {

std::atomic<std::int64_t> heapInUse{0};
std::atomic<std::int64_t> heapPeak{0};

void* CountedAllocation(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  const auto now = heapInUse.fetch_add(static_cast<std::int64_t>(malloc_usable_size(block))) +
                   static_cast<std::int64_t>(malloc_usable_size(block));
  std::int64_t peak = heapPeak.load();
  while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
  }
  return block;
}

void CountedRelease(void* block) noexcept {
  if (block != nullptr) {
    heapInUse.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(block)));
    std::free(block);
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocation(size);
}
void operator delete(void* block) noexcept {
  CountedRelease(block);
}
void operator delete[](void* block) noexcept {
  CountedRelease(block);
}
void operator delete(void* block, std::size_t) noexcept {
  CountedRelease(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  CountedRelease(block);
}

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
  char* arguments[] = {const_cast<char*>("curl"),      const_cast<char*>("-s"),
                       const_cast<char*>("--noproxy"), const_cast<char*>("*"),
                       const_cast<char*>("-o"),        const_cast<char*>("/dev/null"),
                       const_cast<char*>(url.c_str()), nullptr};
  for (auto _ : state) {
    pid_t child = 0;
    int status = 0;
    if (posix_spawnp(&child, "curl", nullptr, nullptr, arguments, environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
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

// The most heap in use at once during one call, above what was in use before it.
void BM_BodyHttpRequestPeakHeap(benchmark::State& state) {
  const Text url(Server().Url("/big"));
  for (auto _ : state) {
    const std::int64_t before = heapInUse.load();
    heapPeak.store(before);
    const std::size_t received = HttpRequest(url).size();
    const std::int64_t peak = heapPeak.load() - before;
    if (received != kBodyBytes) {
      state.SkipWithError("the body did not arrive whole");
      break;
    }
    state.SetIterationTime(static_cast<double>(peak) * 1e-9);
    state.counters["peak_bytes"] = static_cast<double>(peak);
  }
}

// The body size through the same channel, as the baseline of the heap figure.
void BM_BodySize(benchmark::State& state) {
  for (auto _ : state) {
    state.SetIterationTime(static_cast<double>(kBodyBytes) * 1e-9);
  }
  state.counters["body_bytes"] = static_cast<double>(kBodyBytes);
}

BENCHMARK(BM_BodyCurlCommandLine)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BodyHttpRequest)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BodyHttpRequestPeakHeap)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BodySize)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

const bool kComparisons = [] {
  bench::CompareRuns("BM_BodyHttpRequest/min_time:1.000", "BM_BodyCurlCommandLine/min_time:1.000", 2.0);
  bench::CompareRuns("BM_BodyHttpRequestPeakHeap/iterations:3/manual_time",
                     "BM_BodySize/iterations:1/manual_time", 3.0);
  return true;
}();

}  // namespace
}  // namespace quorvane
