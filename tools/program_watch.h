// Watches a running program from inside its process, for tests that see it as a user would: reports
// on standard output every message box (then answers it) and every main window shown, and acts on
// the window as told. Used by the start-up probe and by the watch library that tests load into the
// installed program.
//
// Lines written, one each, in UTF-8:
//   box: caption=<title> icon=<QMessageBox::Icon> buttons=<StandardButtons> labels=<a|b> text=<text>
//   window shown: <title> (left to right)          or (right to left)
//   closing the window at <ms>                      with --get-and-close-after, on the monotonic clock
#ifndef QUORVANE_TOOLS_PROGRAM_WATCH_H_
#define QUORVANE_TOOLS_PROGRAM_WATCH_H_

namespace quorvane::tools {

struct WatchOptions {
  // Answers Yes where a box offers it; otherwise No, or OK where there is no No.
  bool answerYes = false;
  // Closes the main window as soon as it shows.
  bool closeWhenShown = false;
  // Clicks the copy button as soon as the window shows and closes the window 300 ms later.
  bool copyAndCloseWhenShown = false;
  // When 0 or more: clicks the get button as soon as the window shows and closes the window that
  // many milliseconds later.
  int getAndCloseAfter = -1;
};

// Starts watching the application, which must exist; the watchers live as long as it does.
void WatchProgram(const WatchOptions& options);

}  // namespace quorvane::tools

#endif  // QUORVANE_TOOLS_PROGRAM_WATCH_H_
