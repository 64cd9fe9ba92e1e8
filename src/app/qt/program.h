// The program's run on the desktop, from the built window to the end of the message loop, and the
// wiring it is made of.
#ifndef QUORVANE_APP_QT_PROGRAM_H_
#define QUORVANE_APP_QT_PROGRAM_H_

#include "app/app_config.h"
#include "app/application.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"

namespace quorvane {

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
};

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_PROGRAM_H_
