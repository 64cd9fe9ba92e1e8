// The text primitives over whole playlists: collecting every part between two markers and
// replacing every occurrence, against a plain std::string::find loop that collects the same parts.
#include <string>

#include <benchmark/benchmark.h>

#include "support/ratios.h"
#include "support/workloads.h"
#include "text/text_between.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

// The baseline: the same parts and separators collected with std::string::find.
void BM_FindLoop(benchmark::State& state) {
  const std::string& playlist = bench::CachedPlaylist(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string joined;
    std::size_t from = 0;
    while (true) {
      const std::size_t start = playlist.find("http://", from);
      if (start == std::string::npos) {
        break;
      }
      const std::size_t begin = start + 7;
      const std::size_t end = playlist.find("#EXT", begin);
      if (end == std::string::npos) {
        break;
      }
      joined.append(playlist, begin, end - begin);
      joined.append("\r\n");
      from = end;
    }
    benchmark::DoNotOptimize(joined.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * playlist.size()));
}

void BM_TextBetweenAll(benchmark::State& state) {
  const Text playlist(bench::CachedPlaylist(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    Text separator;
    Text parts = TextBetween(playlist, "http://", "#EXT", false, true, &separator);
    benchmark::DoNotOptimize(parts.c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * playlist.size()));
}

void BM_ReplaceSubtext(benchmark::State& state) {
  const Text playlist(bench::CachedPlaylist(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    Text replaced = ReplaceSubtext(playlist, "http://", "hxxp://");
    benchmark::DoNotOptimize(replaced.c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * playlist.size()));
}

BENCHMARK(BM_FindLoop)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextBetweenAll)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceSubtext)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

const bool kComparisons = [] {
  bench::CompareRuns("BM_TextBetweenAll/200000", "BM_FindLoop/200000", 3.0);
  bench::CompareRuns("BM_ReplaceSubtext/200000", "BM_FindLoop/200000", 3.0);
  bench::CompareRuns("BM_TextBetweenAll/200000", "BM_TextBetweenAll/20000", 12.0);
  bench::CompareRuns("BM_ReplaceSubtext/200000", "BM_ReplaceSubtext/20000", 12.0);
  return true;
}();

}  // namespace
}  // namespace quorvane
