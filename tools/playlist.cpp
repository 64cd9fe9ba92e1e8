#include "playlist.h"

#include <cstdio>
#include <random>

namespace quorvane::tools {
namespace {

// A deterministic 32-hex-digit signature per segment, so addresses vary like real ones do.
std::string Signature(std::uint32_t seed, int index) {
  std::mt19937 generator(seed ^ (static_cast<std::uint32_t>(index) * 2654435761U));
  char digits[33];
  for (int i = 0; i < 4; ++i) {
    std::snprintf(digits + i * 8, 9, "%08x", static_cast<unsigned>(generator()));
  }
  return std::string(digits, 32);
}

}  // namespace

std::string SegmentAddress(const PlaylistOptions& options, int index) {
  char middle[96];
  std::snprintf(middle, sizeof middle,
                "/vod_hls/15012x01_141483582_1414679605/segment_%06d.ts?start=%d&end=%d", index,
                (index - 1) * 1880000, index * 1880000 - 1);
  std::string address = "http://";
  address += options.host;
  address += middle;
  address += "&sign=";
  address += Signature(options.seed, index);
  return address;
}

std::string MakePlaylist(const PlaylistOptions& options) {
  const std::string end(options.lineEnd);
  std::string playlist;
  playlist.reserve(static_cast<std::size_t>(options.segments) * 160 + 128);
  playlist += "#EXTM3U" + end + "#EXT-X-VERSION:3" + end + "#EXT-X-TARGETDURATION:10" + end +
              "#EXT-X-MEDIA-SEQUENCE:0" + end;
  for (int index = 1; index <= options.segments; ++index) {
    playlist += "#EXTINF:10.000," + end;
    playlist += SegmentAddress(options, index);
    playlist += end;
  }
  playlist += "#EXT-X-ENDLIST" + end;
  return playlist;
}

}  // namespace quorvane::tools
