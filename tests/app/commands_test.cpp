#include <gtest/gtest.h>

#include "app/application.h"
#include "fakes.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

using test_support::FakePlatform;
using test_support::FakeWindow;

const AppConfig kConfig = test_support::PlatformHostsConfig();

TEST(CommandsTest, PlaylistAddressIsDerivedFromTheTypedPageAddress) {
  struct Case {
    Text typed;
    Text playlistUrl;
  };
  const Case cases[] = {
      {"http://www.yy.com/index/v/15012x01_1_2?entrance=index&gsid=",
       "http://vod.yy.com/vod_hls/15012x01_1_2.m3u8"},
      {"http://www.yy.com/index/v/15012x01_1_2?entrance=index&gsid=abc&x=1",
       "http://vod.yy.com/vod_hls/15012x01_1_2.m3u8"},
      // Without the query text, everything after the prefix to the end is the identifier.
      {"http://www.yy.com/index/v/ID/more ", "http://vod.yy.com/vod_hls/ID/more .m3u8"},
      // The prefix is found anywhere.
      {"  see http://www.yy.com/index/v/ID?entrance=index&gsid=", "http://vod.yy.com/vod_hls/ID.m3u8"},
      // The query text in other letter case is not recognised, so it stays in the identifier.
      {"http://www.yy.com/index/v/ID?ENTRANCE=INDEX&GSID=",
       "http://vod.yy.com/vod_hls/ID?ENTRANCE=INDEX&GSID=.m3u8"},
      // Without the exact prefix the identifier is empty.
      {"", "http://vod.yy.com/vod_hls/.m3u8"},
      {"https://www.yy.com/index/v/ID?entrance=index&gsid=", "http://vod.yy.com/vod_hls/.m3u8"},
      {"http://WWW.YY.COM/index/v/ID?entrance=index&gsid=", "http://vod.yy.com/vod_hls/.m3u8"},
      // The identifier is copied without any check, Chinese included.
      {"http://www.yy.com/index/v/中文?entrance=index&gsid=", "http://vod.yy.com/vod_hls/中文.m3u8"},
  };
  for (const Case& c : cases) {
    FakeWindow window;
    FakePlatform platform;
    Application application(window, platform, kConfig);
    window.SetControlText(Control::kPageAddressBox, c.typed);
    application.PreparePlaylistUrl();
    EXPECT_EQ(application.globals().PlaylistUrl, c.playlistUrl) << ::testing::PrintToString(c.typed);
    EXPECT_EQ(window.text(Control::kPageAddressBox), c.typed) << "the box keeps what the user typed";
  }
}

TEST(CommandsTest, ResetEmptiesBothBoxesAndThePlaylistButNotTheLabels) {
  FakeWindow window;
  FakePlatform platform;
  Application application(window, platform, kConfig);
  window.SetControlText(Control::kAddressList, "http://h/a.ts\r\n");
  window.SetControlText(Control::kPageAddressBox, "http://www.yy.com/index/v/ID");
  window.SetControlText(Control::kResultMark, "√");
  window.SetControlText(Control::kStatusLabel, "count");
  application.PreparePlaylistUrl();
  application.OnResetClicked();
  EXPECT_EQ(window.text(Control::kAddressList), Text());
  EXPECT_EQ(window.text(Control::kPageAddressBox), Text());
  EXPECT_EQ(application.globals().PlaylistUrl, Text());
  EXPECT_EQ(application.globals().PlaylistText, Text());
  EXPECT_EQ(window.text(Control::kResultMark), Text("√"));
  EXPECT_EQ(window.text(Control::kStatusLabel), Text("count"));
}

TEST(CommandsTest, CopyPutsTheWholeAddressBoxOnTheClipboard) {
  FakeWindow window;
  FakePlatform platform;
  Application application(window, platform, kConfig);
  window.SetControlText(Control::kAddressList, "\r\n等待获取视频地址...");
  application.OnCopyClicked();
  window.SetControlText(Control::kAddressList, {});
  application.OnCopyClicked();
  EXPECT_EQ(platform.clipboard, (std::vector<Text>{"\r\n等待获取视频地址...", ""}));
}

TEST(CommandsTest, ExitCleanupReleasesTheGlobalTexts) {
  FakeWindow window;
  FakePlatform platform;
  Application application(window, platform, kConfig);
  window.SetControlText(Control::kPageAddressBox, "x");
  application.PreparePlaylistUrl();
  application.ExitCleanup();
  EXPECT_EQ(application.globals().PlaylistUrl, Text());
}

}  // namespace
}  // namespace quorvane
