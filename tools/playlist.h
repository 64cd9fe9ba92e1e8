// Sample replay playlists for benchmarks, tests and the demo: an HLS playlist of `segments`
// segments, each a "#EXTINF:10.000," line and an absolute "http://" address of about 130 bytes,
// closed by "#EXT-X-ENDLIST". The same seed gives the same bytes on every machine.
#ifndef QUORVANE_TOOLS_PLAYLIST_H_
#define QUORVANE_TOOLS_PLAYLIST_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane::tools {

struct PlaylistOptions {
  int segments = 1000;
  std::uint32_t seed = 504;
  std::string_view lineEnd = "\n";
  std::string_view host = "vod-cdn.example.net";
};

std::string MakePlaylist(const PlaylistOptions& options);

// The address of segment `index` (from 1) as MakePlaylist writes it, without the line end.
std::string SegmentAddress(const PlaylistOptions& options, int index);

}  // namespace quorvane::tools

#endif  // QUORVANE_TOOLS_PLAYLIST_H_
