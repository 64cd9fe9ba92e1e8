// A window and a platform that record what the commands do to them, for testing the logic without Qt.
#ifndef QUORVANE_TESTS_APP_FAKES_H_
#define QUORVANE_TESTS_APP_FAKES_H_

#include <array>
#include <set>
#include <string>
#include <vector>

#include "app/app_config.h"
#include "app/platform.h"
#include "app/window.h"

namespace quorvane::test_support {

// The platform's real hosts, with neither an update page nor a contact address.
inline AppConfig PlatformHostsConfig() {
  return {.webHost = "www.yy.com", .vodHost = "vod.yy.com", .updatePageUrl = "", .contactAddress = ""};
}

class FakeWindow final : public Window {
 public:
  void SetControlText(Control control, const Text& text) override { texts_[Index(control)] = text; }
  Text GetControlText(Control control) override { return texts_[Index(control)]; }
  void AppendControlText(Control control, const Text& text) override { texts_[Index(control)].Append(text); }
  void SetControlEnabled(Control control, bool enabled) override {
    enabled_[Index(control)] = enabled;
    enabledChanges.push_back({control, enabled});
  }
  bool IsClosed() const override { return closed; }

  const Text& text(Control control) const { return texts_[Index(control)]; }
  bool enabled(Control control) const { return enabled_[Index(control)]; }

  struct EnabledChange {
    Control control;
    bool enabled;
  };
  std::vector<EnabledChange> enabledChanges;
  bool closed = false;

 private:
  static std::size_t Index(Control control) { return static_cast<std::size_t>(control); }
  std::array<Text, kControlCount> texts_{};
  std::array<bool, kControlCount> enabled_ = [] {
    std::array<bool, kControlCount> all{};
    all.fill(true);
    return all;
  }();
};

class FakePlatform final : public Platform {
 public:
  struct ShownBox {
    Text text;
    Text caption;
    MessageBoxButtons buttons;
    MessageBoxIcon icon;
  };

  void SetClipboardText(const Text& text) override { clipboard.push_back(text); }
  MessageBoxAnswer ShowMessageBox(const Text& text, const Text& caption, MessageBoxButtons buttons,
                                  MessageBoxIcon icon) override {
    boxes.push_back({text, caption, buttons, icon});
    return answer;
  }
  void OpenInBrowser(const Text& address) override { opened.push_back(address); }
  Text RunDirectory() override { return runDirectory; }
  bool FileExists(const Text& path) override {
    checkedPaths.push_back(path);
    return existingFiles.contains(std::string(path.view()));
  }
  Bytes FetchPage(const Text& address) override {
    fetched.push_back(address);
    return page;
  }
  bool CallLibraryExport(const Text& path, const Text& exportName, int argument) override {
    libraryCalls.push_back({path, exportName, argument});
    return libraryHasExport;
  }
  void EndProgram(int exitCode) override { exitCodes.push_back(exitCode); }

  struct LibraryCall {
    Text path;
    Text exportName;
    int argument;
  };

  // What the fakes answer.
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;
  Text runDirectory = "/opt/quorvane";
  std::set<std::string> existingFiles;
  Bytes page;
  bool libraryHasExport = true;

  // What was asked of them.
  std::vector<Text> clipboard;
  std::vector<ShownBox> boxes;
  std::vector<Text> opened;
  std::vector<Text> checkedPaths;
  std::vector<Text> fetched;
  std::vector<LibraryCall> libraryCalls;
  std::vector<int> exitCodes;
};

}  // namespace quorvane::test_support

#endif  // QUORVANE_TESTS_APP_FAKES_H_
