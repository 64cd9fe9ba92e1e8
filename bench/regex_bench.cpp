// Extracting every segment address of a whole playlist with RegexTextBetweenAll, the call the
// address listing makes, against ripgrep doing the same extraction (`rg -oi 'http://[^#]*'`) on the
// same bytes in the same run. Also reports the peak heap the call holds, per playlist byte, and the
// speed of the GBK / UTF-16 conversions the window layer uses for texts of that size.
#include <algorithm>
#include <string>

#include <benchmark/benchmark.h>

#include "regex/code_page.h"
#include "support/allocation_counter.h"
#include "support/ratios.h"
#include "support/workloads.h"
#include "text/extraction.h"

namespace quorvane {
namespace {

constexpr char kStartMarker[] = "http://";
constexpr char kEndMarker[] = "#EXT";

// ripgrep as a child process with its output thrown away, as one would run it from a shell. It
// reads the file from the page cache after the first iteration, as the call reads memory.
void BM_Ripgrep(benchmark::State& state) {
  const std::string path = bench::CachedPlaylistFile(static_cast<int>(state.range(0)));
  long childPeakKilobytes = 0;
  for (auto _ : state) {
    if (!bench::RunToCompletion({"rg", "-oi", "http://[^#]*", path}, &childPeakKilobytes)) {
      state.SkipWithError("rg failed (tools/setup-debian.sh installs ripgrep)");
      break;
    }
  }
  state.counters["rg_peak_rss_to_playlist"] =
      static_cast<double>(childPeakKilobytes) * 1024.0 /
      static_cast<double>(bench::CachedPlaylist(static_cast<int>(state.range(0))).size());
}

void BM_RegexTextBetweenAll(benchmark::State& state) {
  const int segments = static_cast<int>(state.range(0));
  const Text playlist(bench::CachedPlaylist(segments));
  for (auto _ : state) {
    TextArray addresses;
    if (RegexTextBetweenAll(playlist, kStartMarker, kEndMarker, &addresses) != segments) {
      state.SkipWithError("wrong number of addresses");
      break;
    }
    benchmark::DoNotOptimize(addresses.At(segments).c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * playlist.size()));
}

// The most heap the call holds at once (its regex object, the UTF-16 subject, the matches and the
// list it fills), per byte of the playlist it is given.
void BM_RegexTextBetweenAllPeakMemory(benchmark::State& state) {
  const int segments = static_cast<int>(state.range(0));
  const Text playlist(bench::CachedPlaylist(segments));
  std::int64_t peak = 0;
  for (auto _ : state) {
    bench::StartCounting();
    {
      TextArray addresses;
      RegexTextBetweenAll(playlist, kStartMarker, kEndMarker, &addresses);
      benchmark::DoNotOptimize(addresses.At(segments).c_str());
    }
    peak = std::max(peak, bench::StopCounting());
  }
  state.counters["peak_heap_to_playlist"] = static_cast<double>(peak) / static_cast<double>(playlist.size());
}

// A GBK text of the playlist's size with Chinese on every line, as the address box may hold.
const Text& ChineseList() {
  static const Text list = [] {
    std::string text;
    const std::string& playlist = bench::CachedPlaylist(200000);
    text.reserve(playlist.size() * 11 / 10);
    for (std::size_t line = 0; text.size() < playlist.size(); ++line) {
      text.append("第");
      text.append(std::to_string(line));
      text.append("段：http://vod-cdn.example.net/视频/segment.ts\r\n");
    }
    return Text(std::move(text));
  }();
  return list;
}

void BM_TextToUtf16(benchmark::State& state) {
  const Text text = state.range(0) == 0 ? Text(bench::CachedPlaylist(200000)) : ChineseList();
  for (auto _ : state) {
    Bytes utf16 = TextToUtf16Ex(text, true);
    benchmark::DoNotOptimize(utf16.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Utf16ToText(benchmark::State& state) {
  const Text text = state.range(0) == 0 ? Text(bench::CachedPlaylist(200000)) : ChineseList();
  const Bytes utf16 = TextToUtf16Ex(text, true);
  for (auto _ : state) {
    Text back = Utf16ToText(utf16);
    benchmark::DoNotOptimize(back.c_str());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_Ripgrep)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RegexTextBetweenAll)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RegexTextBetweenAllPeakMemory)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
// Argument 0: the ASCII playlist; 1: a GBK text of the same size with Chinese on every line.
BENCHMARK(BM_TextToUtf16)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Utf16ToText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

const bool kComparisons = [] {
  bench::CompareRuns("BM_RegexTextBetweenAll/200000/real_time", "BM_Ripgrep/200000/real_time", 1.0);
  bench::CompareRuns("BM_RegexTextBetweenAll/200000/real_time", "BM_RegexTextBetweenAll/20000/real_time",
                     12.0);
  bench::CheckCounter("BM_RegexTextBetweenAllPeakMemory/200000/iterations:3/real_time",
                      "peak_heap_to_playlist", 6.0);
  return true;
}();

}  // namespace
}  // namespace quorvane
