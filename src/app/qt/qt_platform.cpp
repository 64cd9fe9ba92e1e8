#include "app/qt/qt_platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/qt/text_conversion.h"
#include "http/fetch_page.h"

namespace quorvane {
namespace {

QMessageBox::Icon ToQtIcon(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::kNone:
      return QMessageBox::NoIcon;
    case MessageBoxIcon::kInformation:
      return QMessageBox::Information;
    case MessageBoxIcon::kWarning:
      return QMessageBox::Warning;
    case MessageBoxIcon::kError:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtPlatform::~QtPlatform() {
  RunExitSequence();
}

void QtPlatform::SetClipboardText(const Text& text) {
  // What the clipboard receives is the address list as the box shows it, in the form Linux
  // programs read: lines ended by LF (Qt offers it as UTF-8 and the other text targets). The list
  // outlives the program where a clipboard manager runs: at exit Qt hands it over through the
  // freedesktop convention (SAVE_TARGETS on CLIPBOARD_MANAGER).
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(ToClipboardString(text));
  }
}

MessageBoxAnswer QtPlatform::ShowMessageBox(const Text& text, const Text& caption, MessageBoxButtons buttons,
                                            MessageBoxIcon icon) {
  const QMessageBox::StandardButtons shown =
      buttons == MessageBoxButtons::kYesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
  // No owner: the box is modal for the whole program, also before the main window is shown.
  QMessageBox box(ToQtIcon(icon), ToDisplayString(caption), ToDisplayString(text), shown, nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageBoxAnswer::kYes;
    case QMessageBox::No:
      return MessageBoxAnswer::kNo;
    default:
      return buttons == MessageBoxButtons::kYesNo ? MessageBoxAnswer::kNo : MessageBoxAnswer::kOk;
  }
}

void QtPlatform::OpenInBrowser(const Text& address) {
  if (address.empty()) {
    return;
  }
  QDesktopServices::openUrl(QUrl(ToQString(address), QUrl::TolerantMode));
}

Text QtPlatform::RunDirectory() {
  // The program file as the kernel knows it, symbolic links resolved.
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
    return {};
  }
  path.resize(static_cast<std::size_t>(length));
  return Text(std::string_view(path).substr(0, path.rfind('/')));
}

bool QtPlatform::FileExists(const Text& path) {
  struct stat status;
  return ::lstat(path.c_str(), &status) == 0;
}

Bytes QtPlatform::FetchPage(const Text& address) {
  return quorvane::FetchPage(address);
}

bool QtPlatform::CallLibraryExport(const Text& path, const Text& exportName, int argument) {
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    return false;
  }
  loadedLibraries_.push_back(library);
  void* symbol = ::dlsym(library, exportName.c_str());
  if (symbol == nullptr) {
    return false;
  }
  // This platform has one calling convention, in which the caller cleans up the arguments, so the
  // stack cannot be left unbalanced by the call and there is nothing to check afterwards.
  using StartFunction = int (*)(int);
  reinterpret_cast<StartFunction>(symbol)(argument);
  return true;
}

void QtPlatform::EndProgram(int exitCode) {
  RunExitSequence();
  std::fflush(nullptr);
  // Ends at once, without unwinding the caller's frames: the window and the message loop that may be
  // on the stack are never used again.
  std::_Exit(exitCode);
}

void QtPlatform::RegisterExitRoutine(std::function<void()> routine) {
  if (!exitRoutine_) {
    exitRoutine_ = std::move(routine);
  }
}

void QtPlatform::RunExitSequence() {
  if (exitSequenceRan_) {
    return;
  }
  exitSequenceRan_ = true;
  if (exitRoutine_) {
    exitRoutine_();
  }
  for (auto library = loadedLibraries_.rbegin(); library != loadedLibraries_.rend(); ++library) {
    ::dlclose(*library);
  }
  loadedLibraries_.clear();
}

}  // namespace quorvane
