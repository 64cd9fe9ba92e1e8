// The system services of the program on a Qt desktop: clipboard, message boxes, the browser, the
// program's directory, the file system, the whole-page fetch, the start-up library and the exit
// sequence.
#ifndef QUORVANE_APP_QT_QT_PLATFORM_H_
#define QUORVANE_APP_QT_QT_PLATFORM_H_

#include <functional>
#include <vector>

#include "app/platform.h"

namespace quorvane {

class QtPlatform final : public Platform {
 public:
  QtPlatform() = default;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;
  ~QtPlatform() override;

  // Puts the text on the clipboard as the address box shows it, lines ended by LF
  // (ToClipboardString), for the Linux programs that paste it.
  void SetClipboardText(const Text& text) override;
  MessageBoxAnswer ShowMessageBox(const Text& text, const Text& caption, MessageBoxButtons buttons,
                                  MessageBoxIcon icon) override;
  void OpenInBrowser(const Text& address) override;
  Text RunDirectory() override;
  bool FileExists(const Text& path) override;
  Bytes FetchPage(const Text& address) override;
  bool CallLibraryExport(const Text& path, const Text& exportName, int argument) override;
  // Runs the exit sequence, then ends the process at once with `exitCode`.
  [[noreturn]] void EndProgram(int exitCode) override;

  // The routine that the exit sequence runs first (the program's ExitCleanup); registered once.
  void RegisterExitRoutine(std::function<void()> routine);

  // Runs the exit routine, then unloads the libraries loaded for external functions. Runs once;
  // later calls do nothing.
  void RunExitSequence();

 private:
  std::function<void()> exitRoutine_;
  std::vector<void*> loadedLibraries_;
  bool exitSequenceRan_ = false;
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_QT_PLATFORM_H_
