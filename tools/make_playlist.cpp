// Writes a sample replay playlist to standard output, so that other programs (ripgrep, curl, a
// loopback server) can be measured on exactly the bytes the benchmarks use.
//
//   make_playlist SEGMENTS [SEED] [--crlf]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "playlist.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SEGMENTS [SEED] [--crlf]\n", argv[0]);
    return 2;
  }
  quorvane::tools::PlaylistOptions options;
  options.segments = std::atoi(argv[1]);
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--crlf") == 0) {
      options.lineEnd = "\r\n";
    } else {
      options.seed = static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 10));
    }
  }
  const std::string playlist = quorvane::tools::MakePlaylist(options);
  return std::fwrite(playlist.data(), 1, playlist.size(), stdout) == playlist.size() ? 0 : 1;
}
