#include "app/qt/program.h"

#include <cstdint>
#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <unistd.h>

#include "app/qt/text_conversion.h"
#include "app/qt/toolkit_texts.h"
#include "text/clock.h"
#include "text/hooks.h"

namespace quorvane {
namespace {

constexpr std::int64_t kEventPassIntervalMilliseconds = 10;

}  // namespace

DesktopHooks::DesktopHooks(QtPlatform& platform) {
  // The read loops ask for every 512 bytes, which on a fast link is many thousand times a second;
  // a pass over Qt's queues costs microseconds even when nothing waits, so passes closer together
  // than a screen refresh are skipped. Waiting events still go through within that time.
  SetPendingEventsProcessor([lastPass = std::int64_t{0}]() mutable {
    const std::int64_t now = MonotonicMilliseconds();
    if (lastPass != 0 && now - lastPass < kEventPassIntervalMilliseconds) {
      return;
    }
    lastPass = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  });
  SetFatalErrorReporter([&platform](const Text& message) {
    const Text report = FatalErrorReportText(message);
    const QByteArray readable = ToQString(report).toUtf8();
    std::fwrite(readable.constData(), 1, static_cast<std::size_t>(readable.size()), stderr);
    platform.ShowMessageBox(report, "错误", MessageBoxButtons::kOk, MessageBoxIcon::kError);
    platform.EndProgram(-1);
  });
}

DesktopHooks::~DesktopHooks() {
  SetPendingEventsProcessor(nullptr);
  SetProgramClosingQuery(nullptr);
  SetFatalErrorReporter(nullptr);
}

void DesktopHooks::WatchWindow(const Window& window) {
  SetProgramClosingQuery([&window] { return window.IsClosed(); });
}

void ConnectCommands(MainWindow& window, Application& application) {
  QObject::connect(window.Button(Control::kGetButton), &QAbstractButton::clicked, &window,
                   [&application] { application.OnGetClicked(); });
  QObject::connect(window.Button(Control::kResetButton), &QAbstractButton::clicked, &window,
                   [&application] { application.OnResetClicked(); });
  QObject::connect(window.Button(Control::kCopyButton), &QAbstractButton::clicked, &window,
                   [&application] { application.OnCopyClicked(); });
}

int RunProgram(char* programPath, const AppConfig& config, const std::function<void()>& beforeStart) {
  // Qt keeps references to both for the application's lifetime.
  int toolkitArgumentCount = 1;
  char* toolkitArguments[] = {programPath, nullptr};
  QApplication application(toolkitArgumentCount, toolkitArguments);
  QApplication::setApplicationName(QStringLiteral("Quorvane"));
  // The installed desktop entry's name, by which desktops match the window to its entry and icon.
  QApplication::setDesktopFileName(QStringLiteral("example.quorvane.Quorvane"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.png")));
  if (!InstallChineseToolkitTexts(application)) {
    std::fputs("quorvane: Qt's Simplified-Chinese translations (qtbase_zh_CN.qm) are missing\n", stderr);
  }
  if (beforeStart) {
    beforeStart();
  }
  return ProgramStart(config);
}

int ProgramStart(const AppConfig& config) {
  QtPlatform platform;
  const Text runDirectory = platform.RunDirectory();
  if (!runDirectory.empty() && ::chdir(runDirectory.c_str()) != 0) {
    std::perror("quorvane: cannot enter the program's directory");
  }
  DesktopHooks hooks(platform);

  MainWindow window(config);
  hooks.WatchWindow(window);
  Application application(window, platform, config);
  platform.RegisterExitRoutine([&application] { application.ExitCleanup(); });
  ConnectCommands(window, application);

  application.OnMainWindowCreated();
  window.show();
  QApplication::exec();
  platform.RunExitSequence();
  return 0;
}

}  // namespace quorvane
