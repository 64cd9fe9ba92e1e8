// The program's logic: the six global texts, the three button commands, the handler of the window's
// created event (start-up library and update notice) and the exit routine. It touches the window and
// the system only through `Window` and `Platform`, so it runs the same under Qt and under test fakes.
//
// The methods live in three files, one per concern:
//   application.cpp   the constructor, OnResetClicked, OnCopyClicked, ExitCleanup and the example address
//   get_command.cpp   OnGetClicked, PreparePlaylistUrl, DerivePlaylistUrl and ListAddresses
//   startup.cpp       OnMainWindowCreated and UpdateNotice
#ifndef QUORVANE_APP_APPLICATION_H_
#define QUORVANE_APP_APPLICATION_H_

#include "app/app_config.h"
#include "app/platform.h"
#include "app/window.h"
#include "text/text.h"

namespace quorvane {

// The texts that the commands share, from start to exit.
struct GlobalTexts {
  Text CurrentVersion;
  Text LatestVersion;
  Text UpdateRemark;
  Text UpdatePageUrl;
  Text PlaylistUrl;
  Text PlaylistText;
};

class Application {
 public:
  // `window` and `platform` must outlive the application.
  Application(Window& window, Platform& platform, AppConfig config);

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The window's created event, before the window is first shown: insists on the start-up library
  // beside the program and calls it, records the version and shows the update notice. Ends the
  // program with exit code 0, silently, when the library is missing.
  void OnMainWindowCreated();

  // The get button: derives the playlist address from the replay page address, downloads the
  // playlist and lists its segment addresses, or shows the failure mark and message.
  void OnGetClicked();

  // The reset button: empties both edit boxes and forgets the playlist address and text.
  void OnResetClicked();

  // The copy button: puts the whole content of the address box on the clipboard.
  void OnCopyClicked();

  // Releases the global texts; part of the exit sequence.
  void ExitCleanup();

  // The completed replay page address from the address box, mapped to `PlaylistUrl`.
  void PreparePlaylistUrl();

  // The playlist address for a replay page address: the playlist prefix, the identifier between the
  // page prefix and the query text, and ".m3u8". The identifier is empty when either is missing.
  Text DerivePlaylistUrl(const Text& pageAddress) const;

  // Lists every segment address of `PlaylistText` in the address box and counts them in the status
  // label, "当前已经加载：0条YY精彩回顾下载地址记录" when there is none.
  void ListAddresses();

  // Fetches the update record and tells the user whether a newer version exists.
  void UpdateNotice();

  GlobalTexts& globals() { return globals_; }
  const GlobalTexts& globals() const { return globals_; }
  const AppConfig& config() const { return config_; }

 private:
  Window& window_;
  Platform& platform_;
  const AppConfig config_;
  GlobalTexts globals_;
};

// The replay page address shown as an example in the address box when the window opens.
Text ExampleReplayPageAddress(const AppConfig& config);

}  // namespace quorvane

#endif  // QUORVANE_APP_APPLICATION_H_
