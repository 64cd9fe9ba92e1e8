// Runs the program's start-up exactly as the product does, from a directory of the test's choosing,
// with the hosts and the update page given on the command line, and reports on standard output what a
// user would see: every message box (answered as told) and the main window being shown
// (program_watch.h gives the lines).
//
//   startup_probe --update-url URL [--vod-host HOST] [--answer yes|no] [--close-when-shown]
//                 [--copy-and-close-when-shown] [--get-and-close-after MILLISECONDS]
//
// --copy-and-close-when-shown clicks the copy button once the window shows, and closes the window
// 300 ms later.
//
// --get-and-close-after clicks the get button once the window shows and closes the window that
// many milliseconds later, while the playlist may still be arriving; it reports the moment of the
// close ("closing the window at <ms>", on the program's monotonic clock) so that a test can tell how
// long the process outlives its window.
//
// The probe starts the program through the program's own RunProgram, which shows the toolkit the
// program's path alone: the probe's options, and any other argument, never reach the toolkit. The
// product itself has no command line: this program exists for the start-up tests and benchmark.
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app_config.h"
#include "app/qt/program.h"
#include "program_watch.h"

namespace {

struct ProbeOptions {
  quorvane::AppConfig config{.webHost = "www.yy.com",
                             .vodHost = "vod.yy.com",
                             .updatePageUrl = "",
                             .contactAddress = "maker@example.com"};
  quorvane::tools::WatchOptions watch;
};

ProbeOptions ParseOptions(int argc, char** argv) {
  ProbeOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (option == "--update-url") {
      options.config.updatePageUrl = value;
      ++i;
    } else if (option == "--vod-host") {
      options.config.vodHost = value;
      ++i;
    } else if (option == "--answer") {
      options.watch.answerYes = std::strcmp(value, "yes") == 0;
      ++i;
    } else if (option == "--get-and-close-after") {
      options.watch.getAndCloseAfter = std::atoi(value);
      ++i;
    } else if (option == "--close-when-shown") {
      options.watch.closeWhenShown = true;
    } else if (option == "--copy-and-close-when-shown") {
      options.watch.copyAndCloseWhenShown = true;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const ProbeOptions options = ParseOptions(argc, argv);
  return quorvane::RunProgram(argv[0], options.config,
                              [&options] { quorvane::tools::WatchProgram(options.watch); });
}
