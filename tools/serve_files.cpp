// serve_files: serves files at given targets from the loopback server until it is interrupted.
//
//   serve_files [--port N] TARGET=FILE...
//   serve_files --port 8504 /vod_hls/demo.m3u8=demo.m3u8 /update.html=update.html
//
// Prints the address of each file, then answers on 127.0.0.1 until SIGINT or SIGTERM. Unknown
// targets get "404 Not Found". Without --port a free port is chosen.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <signal.h>

#include "loopback_server.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: serve_files [--port N] TARGET=FILE...\n");
  return 2;
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  std::vector<std::pair<std::string, std::string>> files;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--port" && i + 1 < argc) {
      port = std::atoi(argv[++i]);
      continue;
    }
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0 || argument[0] != '/') {
      return Usage();
    }
    files.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
  }
  if (files.empty()) {
    return Usage();
  }

  // The server's threads inherit this mask, so the signals reach sigwait below and nowhere else.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    quorvane::tools::LoopbackServer server(port);
    for (const auto& [target, path] : files) {
      std::optional<std::string> contents = ReadFile(path);
      if (!contents.has_value()) {
        std::fprintf(stderr, "serve_files: cannot read %s\n", path.c_str());
        return 1;
      }
      server.Route(target, quorvane::tools::Ok(std::move(*contents)));
      std::printf("serving %s at %s\n", path.c_str(), server.Url(target).c_str());
    }
    std::fflush(stdout);
    int received = 0;
    sigwait(&stopSignals, &received);
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "serve_files: %s\n", error.what());
    return 1;
  }
  return 0;
}
