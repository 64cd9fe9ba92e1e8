// The values the program has built in but that belong to the platform and the maker rather than to
// the program's logic: the platform's two hosts, the update-record page and the contact address.
// They come from the build (CMake cache variables); tests and the demo replace the whole value.
#ifndef QUORVANE_APP_APP_CONFIG_H_
#define QUORVANE_APP_APP_CONFIG_H_

#include "text/text.h"

namespace quorvane {

struct AppConfig {
  Text webHost;         // host of the replay pages, e.g. "www.yy.com"
  Text vodHost;         // host of the replay playlists, e.g. "vod.yy.com"
  Text updatePageUrl;   // the page that holds the update record
  Text contactAddress;  // the maker's e-mail address, ending both update messages
};

// The values this build was configured with.
AppConfig BuiltInAppConfig();

}  // namespace quorvane

#endif  // QUORVANE_APP_APP_CONFIG_H_
