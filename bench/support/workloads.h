// Inputs and helpers that several benchmark programs share: the sample playlists, made once per
// size, and running another program to completion as a baseline.
#ifndef QUORVANE_BENCH_SUPPORT_WORKLOADS_H_
#define QUORVANE_BENCH_SUPPORT_WORKLOADS_H_

#include <string>
#include <vector>

namespace quorvane::bench {

// The seeded sample playlist of `segments` segments with LF lines, made on first use and kept.
const std::string& CachedPlaylist(int segments);

// The path of a temporary file that holds CachedPlaylist(segments); removed when the program ends.
const std::string& CachedPlaylistFile(int segments);

// Runs `arguments` (the first names the program, looked up in PATH) with its standard output thrown
// away, and waits for it. False when it cannot be started or does not exit with 0. `peakKilobytes`,
// when given, receives the child's peak resident set.
bool RunToCompletion(const std::vector<std::string>& arguments, long* peakKilobytes = nullptr);

}  // namespace quorvane::bench

#endif  // QUORVANE_BENCH_SUPPORT_WORKLOADS_H_
