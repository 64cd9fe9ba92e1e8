#include <gtest/gtest.h>

#include "app/application.h"
#include "fakes.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

using test_support::FakePlatform;
using test_support::FakeWindow;

const AppConfig kConfig = test_support::PlatformHostsConfig();

struct Listing {
  Text box;
  Text label;
};

Listing List(const Text& playlist) {
  FakeWindow window;
  FakePlatform platform;
  Application application(window, platform, kConfig);
  window.SetControlText(Control::kAddressList, "before");
  window.SetControlText(Control::kStatusLabel, "previous count");
  application.globals().PlaylistText = playlist;
  application.ListAddresses();
  return {window.text(Control::kAddressList), window.text(Control::kStatusLabel)};
}

Text Count(int n) {
  return Text(("当前已经加载：" + std::to_string(n) + "条YY精彩回顾下载地址记录").c_str());
}

TEST(ListingTest, EveryAddressBecomesALineAndIsCounted) {
  struct Case {
    Text playlist;
    Text box;
    int count;
  };
  const Case cases[] = {
      {"#EXTM3U\n#EXTINF:10,\nhttp://h/a.ts\n#EXTINF:10,\nhttp://h/b.ts\n#EXT-X-ENDLIST\n",
       "http://h/a.ts\n\r\nhttp://h/b.ts\n\r\n", 2},
      {"#EXTM3U\r\n#EXTINF:10,\r\nhttp://h/a.ts\r\n#EXT-X-ENDLIST\r\n", "http://h/a.ts\r\n\r\n", 1},
      // A last address with no tag after it is not listed.
      {"#EXTM3U\n#EXTINF:10,\nhttp://h/a.ts\n#EXTINF:10,\nhttp://h/b.ts\n", "http://h/a.ts\n\r\n", 1},
      // Relative addresses are not found, and neither are https ones; the box stays empty.
      {"#EXTM3U\n#EXTINF:10,\na.ts\n#EXTINF:10,\nhttps://h/b.ts\n#EXT-X-ENDLIST\n", "", 0},
      // The scheme is matched in any case and always written in lower case.
      {"#EXTM3U\n#EXTINF:10,\nHTTP://h/A.ts\n#ext-x-endlist\n", "http://h/A.ts\n\r\n", 1},
      // An address inside a tag line starts a piece that runs to the next tag.
      {"#EXTM3U\n#EXT-X-KEY:METHOD=AES-128,URI=\"http://k/key\"\n#EXTINF:10,\nhttp://h/"
       "a.ts\n#EXT-X-ENDLIST\n",
       "http://k/key\"\n\r\nhttp://h/a.ts\n\r\n", 2},
      // Spaces around the playlist change nothing; Chinese in an address passes through.
      {"  \xA1\xA1#EXTM3U\n#EXTINF:10,\nhttp://h/中.ts\n#EXT-X-ENDLIST \xA1\xA1", "http://h/中.ts\n\r\n", 1},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    const Listing listing = List(c.playlist);
    EXPECT_EQ(listing.box, c.box) << ::testing::PrintToString(c.playlist);
    // No address found says "0条" rather than keeping an earlier run's count.
    EXPECT_EQ(listing.label, Count(c.count)) << ::testing::PrintToString(c.playlist);
  }
}

}  // namespace
}  // namespace quorvane
