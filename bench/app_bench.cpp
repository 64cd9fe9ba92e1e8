// The window side of the tool on Qt's offscreen platform, for a 200,000-segment playlist:
// - the address listing, from the playlist text to the final box and label, against one
//   setPlainText of the same final content;
// - the whole get command, from the click to the final list with the playlist served on loopback,
//   against `curl -s URL | rg -oi 'http://[^#]*'` for the same address;
// - the program's start-up to the shown window, with the update page on loopback (reported alone;
//   the same start without the start-up library, which ends right after Qt is up, is beside it).
//
// Rerun with: tools/bench.sh --benchmark_filter='Listing|SetPlainText|Get|Pipeline|Startup'
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include "app/qt/program.h"
#include "app/qt/text_conversion.h"
#include "loopback_server.h"
#include "support/ratios.h"
#include "support/workloads.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

constexpr int kSegments = 200000;
constexpr const char* kPlaylistTarget = "/vod_hls/15012x01_141483582_1414679605.m3u8";

// One offscreen application and one program window for the whole run, wired as the program wires
// them, with the playlist host on loopback.
struct Desktop {
  Desktop()
      : application(argc, argv),
        config{.webHost = "www.yy.com",
               .vodHost = Text(server.HostAndPort()),
               .updatePageUrl = "",
               .contactAddress = ""},
        window(config),
        logic(window, platform, config) {
    server.Route(kPlaylistTarget, tools::Ok(bench::CachedPlaylist(kSegments)));
    ConnectCommands(window, logic);
    window.show();
  }

  QPlainTextEdit* AddressList() const {
    return static_cast<QPlainTextEdit*>(window.ControlWidget(Control::kAddressList));
  }

  int argc = 1;
  char name[16] = "app_bench";
  char* argv[2] = {name, nullptr};
  QApplication application;
  tools::LoopbackServer server;
  AppConfig config;
  QtPlatform platform;
  DesktopHooks hooks{platform};
  MainWindow window;
  Application logic;
};

Desktop& TheDesktop() {
  static Desktop* desktop = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new Desktop();  // never destroyed: the process ends with Qt still up
  }();
  return *desktop;
}

// The baseline: one setPlainText of the content the listing ends with.
void BM_SetPlainText(benchmark::State& state) {
  Desktop& desktop = TheDesktop();
  desktop.logic.globals().PlaylistText = Text(bench::CachedPlaylist(kSegments));
  desktop.logic.ListAddresses();
  const QString finalContent = desktop.AddressList()->toPlainText();
  for (auto _ : state) {
    desktop.AddressList()->setPlainText(finalContent);
  }
}

void BM_Listing(benchmark::State& state) {
  Desktop& desktop = TheDesktop();
  desktop.logic.globals().PlaylistText = Text(bench::CachedPlaylist(kSegments));
  for (auto _ : state) {
    desktop.logic.ListAddresses();
  }
  if (desktop.AddressList()->blockCount() < kSegments) {
    state.SkipWithError("the listing did not fill the box");
  }
}

// The baseline: the download and the extraction done by two command-line tools.
void BM_Pipeline(benchmark::State& state) {
  const std::string command =
      "curl -s --noproxy '*' " + TheDesktop().server.Url(kPlaylistTarget) + " | rg -oi 'http://[^#]*'";
  for (auto _ : state) {
    if (!bench::RunToCompletion({"sh", "-c", command})) {
      state.SkipWithError("curl or rg failed (tools/setup-debian.sh installs both)");
      break;
    }
  }
}

void BM_GetCommand(benchmark::State& state) {
  Desktop& desktop = TheDesktop();
  desktop.window.SetControlText(Control::kPageAddressBox, ExampleReplayPageAddress(desktop.config));
  for (auto _ : state) {
    desktop.window.Button(Control::kGetButton)->click();
  }
  if (desktop.AddressList()->blockCount() < kSegments) {
    state.SkipWithError("the get command did not list the playlist");
  }
}

// A directory with the start-up probe and, when asked, the sample start-up library beside it.
std::string ProbeDirectory(bool withLibrary) {
  std::string pattern = (fs::temp_directory_path() / "quorvane-bench-XXXXXX").string();
  const fs::path directory = ::mkdtemp(pattern.data());
  fs::copy_file(QUORVANE_STARTUP_PROBE, directory / "startup_probe");
  if (withLibrary) {
    fs::copy_file(QUORVANE_SAMPLE_STARTUP_LIBRARY, directory / "Proxy.dll");
  }
  return directory.string();
}

void RunStartup(benchmark::State& state, bool withLibrary) {
  tools::LoopbackServer updates;
  updates.Route("/update.htm", tools::Ok("!Orvessa1!v1.6v1r2015r2ehttp://dl.test/qe2!Orvessa2!"));
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string directory = ProbeDirectory(withLibrary);
  const std::vector<std::string> command = {directory + "/startup_probe", "--update-url",
                                            updates.Url("/update.htm"), "--close-when-shown"};
  for (auto _ : state) {
    if (!bench::RunToCompletion(command)) {
      state.SkipWithError("the start-up probe failed");
      break;
    }
  }
  fs::remove_all(directory);
}

// From the process start to the window shown (and closed at once), the update notice answered.
void BM_StartupToWindowShown(benchmark::State& state) {
  RunStartup(state, true);
}

// The same process without the start-up library: it ends as soon as Qt is up.
void BM_StartupWithoutLibrary(benchmark::State& state) {
  RunStartup(state, false);
}

BENCHMARK(BM_SetPlainText)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Listing)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Pipeline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_GetCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_StartupToWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_StartupWithoutLibrary)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

const bool kComparisons = [] {
  bench::CompareRuns("BM_Listing/min_time:2.000/real_time", "BM_SetPlainText/min_time:2.000/real_time", 3.0);
  bench::CompareRuns("BM_GetCommand/min_time:2.000/real_time", "BM_Pipeline/min_time:2.000/real_time", 4.0);
  return true;
}();

}  // namespace
}  // namespace quorvane
