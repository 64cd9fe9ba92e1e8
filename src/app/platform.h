// The services of the system around the program that the commands and the start-up use: clipboard,
// message boxes, the browser, the program's directory, the file system, the whole-page fetch, the
// start-up library and ending the program. The Qt front end implements them; tests use fakes.
//
// How the program ends. There are three routes, and only these:
//   1. The user closes the main window: the message loop ends, ProgramStart runs the exit sequence
//      (ExitCleanup, then the start-up library is unloaded) and returns 0 from main.
//   2. Platform::EndProgram(code): runs the exit sequence and ends the process at once with `code`,
//      without unwinding. The start-up calls it with 0 when the start-up library is missing.
//   3. ReportFatalError(message) (text/hooks.h), from any layer, when the program cannot go on:
//      the front end's reporter shows the "错误" box and calls EndProgram(-1); without a front end
//      the report goes to standard error and the process exits with -1.
#ifndef QUORVANE_APP_PLATFORM_H_
#define QUORVANE_APP_PLATFORM_H_

#include "text/text.h"

namespace quorvane {

enum class MessageBoxButtons { kOk, kYesNo };
enum class MessageBoxIcon { kNone, kInformation, kWarning, kError };
enum class MessageBoxAnswer { kOk, kYes, kNo };

class Platform {
 public:
  virtual ~Platform() = default;

  // Puts `text` on the clipboard as plain text; does nothing when the clipboard cannot be had.
  virtual void SetClipboardText(const Text& text) = 0;

  // Shows a modal box without an owner window and returns the button pressed.
  virtual MessageBoxAnswer ShowMessageBox(const Text& text, const Text& caption, MessageBoxButtons buttons,
                                          MessageBoxIcon icon) = 0;

  // Asks the system to open `address` with its default handler; failures are not reported.
  virtual void OpenInBrowser(const Text& address) = 0;

  // The directory of the program file, without a trailing separator ("" for the root directory).
  virtual Text RunDirectory() = 0;

  // True when the file system holds an entry at `path`.
  virtual bool FileExists(const Text& path) = 0;

  // The whole body of an HTTP GET of `address` whatever the status; empty on failure before the body.
  virtual Bytes FetchPage(const Text& address) = 0;

  // Loads the library at `path` (it stays loaded until the program ends) and calls its export
  // `exportName` with `argument`. False when the library cannot be loaded or has no such export.
  virtual bool CallLibraryExport(const Text& path, const Text& exportName, int argument) = 0;

  // Runs the exit sequence and ends the process with `exitCode`. Fakes may return; callers then
  // return at once without doing anything else.
  virtual void EndProgram(int exitCode) = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_PLATFORM_H_
