// The program's run on the desktop, from the built window to the end of the message loop, and the
// wiring it is made of.
#ifndef QUORVANE_APP_QT_PROGRAM_H_
#define QUORVANE_APP_QT_PROGRAM_H_

#include <functional>

#include "app/app_config.h"
#include "app/application.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"

namespace quorvane {

// Everything the program's main does, shared with the start-up probe so that the probe starts the
// program as a user does. Makes the application from the program's path alone: the program takes no
// command line, so none of the toolkit's own options (-reverse, -style, -platform and the others)
// applies to it. Names the application, gives it the program's icon and the toolkit's
// Simplified-Chinese texts, runs `beforeStart` (the probe watches the window from there), then
// ProgramStart. Returns the process's exit code.
//
// Example: int main(int, char** argv) { return RunProgram(argv[0], BuiltInAppConfig()); }
int RunProgram(char* programPath, const AppConfig& config, const std::function<void()>& beforeStart = {});

// Needs a QApplication. Makes the run directory the working directory, builds the main window hidden,
// runs its created event (start-up library and update notice; this may end the program), shows the
// window and runs the message loop until the window is closed. Runs the exit sequence and returns 0.
int ProgramStart(const AppConfig& config);

// Binds the clicks of the three buttons to their commands.
void ConnectCommands(MainWindow& window, Application& application);

// For its lifetime, lets the lowest layer dispatch the window's waiting events (a pass at most every
// 10 ms, however often it is asked), and sends fatal error reports to a message box (and standard
// error) before the program ends with exit code -1.
class DesktopHooks {
 public:
  explicit DesktopHooks(QtPlatform& platform);
  DesktopHooks(const DesktopHooks&) = delete;
  DesktopHooks& operator=(const DesktopHooks&) = delete;
  ~DesktopHooks();

  // From now on the lowest layer learns that the program is closing once `window` has been closed,
  // so that a download in progress ends at once. `window` must outlive the hooks.
  void WatchWindow(const Window& window);
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_PROGRAM_H_
