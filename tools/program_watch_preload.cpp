// A library that the package check loads into the installed program (LD_PRELOAD) to watch it from
// inside, as the start-up probe watches its own run: it reports the message boxes (answering them)
// and the main window on standard output, then closes the window, so that the program ends as when
// a user closes it. Qt runs the watch when the program makes its application.
#include <QCoreApplication>

#include "program_watch.h"

namespace {

void StartWatching() {
  quorvane::tools::WatchProgram({.closeWhenShown = true});
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartWatching)
