#include "support/workloads.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "playlist.h"

extern char** environ;

namespace quorvane::bench {
namespace {

// Temporary playlist files, removed when the program ends.
class PlaylistFiles {
 public:
  ~PlaylistFiles() {
    for (const auto& [segments, path] : paths_) {
      std::remove(path.c_str());
    }
  }

  const std::string& PathOf(int segments) {
    auto [entry, made] = paths_.try_emplace(segments);
    if (made) {
      std::string path = "/tmp/quorvane-playlist-XXXXXX";
      const int file = ::mkstemp(path.data());
      const std::string& playlist = CachedPlaylist(segments);
      if (file < 0 ||
          ::write(file, playlist.data(), playlist.size()) != static_cast<ssize_t>(playlist.size())) {
        std::perror("bench: writing the sample playlist");
        std::exit(1);
      }
      ::close(file);
      entry->second = path;
    }
    return entry->second;
  }

 private:
  std::map<int, std::string> paths_;
};

}  // namespace

const std::string& CachedPlaylist(int segments) {
  static std::map<int, std::string> playlists;
  auto [entry, made] = playlists.try_emplace(segments);
  if (made) {
    entry->second = tools::MakePlaylist({.segments = segments});
  }
  return entry->second;
}

const std::string& CachedPlaylistFile(int segments) {
  static PlaylistFiles files;
  return files.PathOf(segments);
}

bool RunToCompletion(const std::vector<std::string>& arguments, long* peakKilobytes) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const bool started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started) {
    return false;
  }
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child) {
    return false;
  }
  if (peakKilobytes != nullptr) {
    *peakKilobytes = usage.ru_maxrss;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace quorvane::bench
