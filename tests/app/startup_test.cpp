#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/application.h"
#include "fakes.h"
#include "support/text_printers.h"
#include "text/hooks.h"

namespace quorvane {
namespace {

using test_support::FakePlatform;
using test_support::FakeWindow;

const AppConfig kConfig{
    .webHost = "www.yy.com",
    .vodHost = "vod.yy.com",
    .updatePageUrl = "http://update.test/record.htm",
    .contactAddress = "maker@example.com",
};

const Text kNewerText =
    "欢迎使用[ Quorvane "
    "]\r\n检测到本辅助有更新,请升级到最新版本使用...\r\n有任何问题给我发邮件：maker@example.com";
const Text kLatestText =
    "\r\n欢迎使用[ Quorvane ]\r\n恭喜你,,当前版本已是最新!!\r\n有任何问题给我发邮件：maker@example.com";
const Text kUnknownText =
    "\r\n欢迎使用[ Quorvane ]\r\n未能获取更新信息,请稍后再试...\r\n有任何问题给我发邮件：maker@example.com";

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { platform_.existingFiles.insert("/opt/quorvane/Proxy.dll"); }

  // Runs the created event with `page` as the update-record page.
  void StartWithPage(const std::string& page) {
    platform_.page = Bytes(page);
    application_.OnMainWindowCreated();
  }

  FakeWindow window_;
  FakePlatform platform_;
  Application application_{window_, platform_, kConfig};
};

TEST_F(StartupTest, MissingLibraryEndsSilentlyBeforeAnyRequest) {
  platform_.existingFiles.clear();
  application_.OnMainWindowCreated();
  EXPECT_EQ(platform_.exitCodes, std::vector<int>{0});
  EXPECT_TRUE(platform_.libraryCalls.empty());
  EXPECT_TRUE(platform_.fetched.empty());
  EXPECT_TRUE(platform_.boxes.empty());
  EXPECT_EQ(application_.globals().CurrentVersion, Text());
}

TEST_F(StartupTest, CallsTheLibraryWith504ThenFetchesTheUpdateRecord) {
  StartWithPage("");
  ASSERT_EQ(platform_.libraryCalls.size(), 1u);
  EXPECT_EQ(platform_.libraryCalls[0].path, Text("/opt/quorvane/Proxy.dll"));
  EXPECT_EQ(platform_.libraryCalls[0].exportName, Text("start"));
  EXPECT_EQ(platform_.libraryCalls[0].argument, 504);
  EXPECT_EQ(application_.globals().CurrentVersion, Text("1.6"));
  EXPECT_EQ(platform_.fetched, std::vector<Text>{kConfig.updatePageUrl});
  EXPECT_TRUE(platform_.exitCodes.empty());
}

TEST_F(StartupTest, LibraryInTheRootDirectoryIsLookedForThere) {
  platform_.runDirectory = "";
  platform_.existingFiles = {"/Proxy.dll"};
  StartWithPage("");
  EXPECT_EQ(platform_.checkedPaths, std::vector<Text>{"/Proxy.dll"});
}

TEST(StartupDeathTest, LibraryWithoutStartEndsThroughTheFatalReport) {
  FakeWindow window;
  FakePlatform platform;
  platform.existingFiles.insert("/opt/quorvane/Proxy.dll");
  platform.libraryHasExport = false;
  Application application(window, platform, kConfig);
  const Text report =
      FatalErrorReportText("无法找到指定DLL库文件“/opt/quorvane/Proxy.dll”中的输出命令“start”");
  EXPECT_EXIT(application.OnMainWindowCreated(), ::testing::ExitedWithCode(255),
              ::testing::HasSubstr(std::string(report.view())));
}

TEST_F(StartupTest, UpdateNoticeComparesVersionsAboveTheThreshold) {
  struct Case {
    std::string version;
    bool newer;
  };
  const Case cases[] = {
      {"1.7", true},    {"1.6", false}, {"1.6000001", false}, {"1.6000002", true},
      {"1.6.1", false}, {"0.9", false}, {" 2", true},         {"\xA3\xB2", true},  // full-width 2
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.existingFiles.insert("/opt/quorvane/Proxy.dll");
    platform.page = Bytes("<html>!Orvessa1!v" + c.version + "v1r2015r2ehttp://dl.test/qe2!Orvessa2!</html>");
    Application application(window_, platform, kConfig);
    application.OnMainWindowCreated();
    ASSERT_EQ(platform.boxes.size(), 1u) << c.version;
    const auto& box = platform.boxes[0];
    if (c.newer) {
      EXPECT_EQ(box.caption, Text("建议升级到最新版本")) << c.version;
      EXPECT_EQ(box.text, kNewerText);
      EXPECT_EQ(box.buttons, MessageBoxButtons::kYesNo);
      EXPECT_EQ(box.icon, MessageBoxIcon::kNone);
    } else {
      EXPECT_EQ(box.caption, Text("信息：")) << c.version;
      EXPECT_EQ(box.text, kLatestText);
      EXPECT_EQ(box.buttons, MessageBoxButtons::kOk);
      EXPECT_EQ(box.icon, MessageBoxIcon::kInformation);
    }
  }
}

TEST_F(StartupTest, UpdateRecordFieldsIgnoreLetterCase) {
  StartWithPage("x!ORVESSA1!V1.7V1R2015R2EHTTP://dl.test/qE2!orvessa2!y");
  EXPECT_EQ(application_.globals().LatestVersion, Text("1.7"));
  EXPECT_EQ(application_.globals().UpdateRemark, Text("2015"));
  EXPECT_EQ(application_.globals().UpdatePageUrl, Text("HTTP://dl.test/q"));
}

TEST_F(StartupTest, UnreadableUpdateRecordIsNotReportedAsTheLatestVersion) {
  const std::string pages[] = {
      "",                                              // unreachable page, or an empty one
      "<html>no record</html>",                        // no record
      "!Orvessa1!v1.7v1ehttp://dl.test/e2",            // no closing marker
      "!Orvessa1!vnewv1ehttp://dl.test/e2!Orvessa2!",  // version is not a number
      "!Orvessa1!ehttp://dl.test/e2!Orvessa2!",        // no version field
  };
  for (const std::string& page : pages) {
    FakePlatform platform;
    platform.existingFiles.insert("/opt/quorvane/Proxy.dll");
    platform.page = Bytes(page);
    Application application(window_, platform, kConfig);
    application.OnMainWindowCreated();
    ASSERT_EQ(platform.boxes.size(), 1u) << page;
    EXPECT_EQ(platform.boxes[0].caption, Text("信息：")) << page;
    EXPECT_EQ(platform.boxes[0].text, kUnknownText) << page;
    EXPECT_EQ(platform.boxes[0].buttons, MessageBoxButtons::kOk);
    EXPECT_EQ(platform.boxes[0].icon, MessageBoxIcon::kWarning);
    EXPECT_TRUE(platform.opened.empty());
  }
}

TEST_F(StartupTest, DownloadPageOpensOnlyOnYesAndOnlyForWebAddresses) {
  struct Case {
    std::string address;
    MessageBoxAnswer answer;
    bool opened;
  };
  const Case cases[] = {
      {"http://dl.test/q", MessageBoxAnswer::kYes, true},
      {"HTTPS://dl.test/q", MessageBoxAnswer::kYes, true},
      {"http://dl.test/q", MessageBoxAnswer::kNo, false},
      {"file:///tmp/x", MessageBoxAnswer::kYes, false},
      {"/usr/bin/xterm", MessageBoxAnswer::kYes, false},
      {" http://dl.test/q", MessageBoxAnswer::kYes, false},
      {"", MessageBoxAnswer::kYes, false},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.existingFiles.insert("/opt/quorvane/Proxy.dll");
    platform.answer = c.answer;
    platform.page = Bytes("!Orvessa1!v1.7v1e" + c.address + "e2!Orvessa2!");
    Application application(window_, platform, kConfig);
    application.OnMainWindowCreated();
    EXPECT_EQ(platform.opened, c.opened ? std::vector<Text>{Text(c.address.c_str())} : std::vector<Text>{})
        << c.address;
  }
}

TEST_F(StartupTest, LetterBeforeTheFieldShiftsTheAddressAsTheRecordFormatSays) {
  // The remark holds an "e" before the download-page field, so that field starts after the remark's "e".
  platform_.answer = MessageBoxAnswer::kYes;
  StartWithPage("!Orvessa1!v1.7v1rseer2ehttp://dl.test/qe2!Orvessa2!");
  EXPECT_EQ(application_.globals().UpdatePageUrl, Text("er2ehttp://dl.test/q"));
  EXPECT_TRUE(platform_.opened.empty());
}

}  // namespace
}  // namespace quorvane
