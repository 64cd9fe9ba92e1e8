#include <string>

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/program.h"
#include "app/qt/text_conversion.h"
#include "loopback_server.h"
#include "playlist.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

constexpr const char* kPageAddress = "http://www.yy.com/index/v/15012x01_1_2?entrance=index&gsid=";
constexpr const char* kPlaylistTarget = "/vod_hls/15012x01_1_2.m3u8";

std::string SmallPlaylist(std::string_view lineEnd) {
  std::string playlist;
  for (const char* line : {"#EXTM3U", "#EXTINF:10.000,", "http://h/a.ts", "#EXTINF:10.000,", "HTTP://h/中.ts",
                           "#EXT-X-ENDLIST"}) {
    playlist += line;
    playlist += lineEnd;
  }
  return playlist;
}

// The program's window and commands on the offscreen platform, with the playlist host on loopback.
class GetCommandTest : public ::testing::Test {
 protected:
  GetCommandTest()
      : config_{.webHost = "www.yy.com",
                .vodHost = Text(server_.HostAndPort()),
                .updatePageUrl = "",
                .contactAddress = ""},
        window_(config_),
        application_(window_, platform_, config_) {
    hooks_.WatchWindow(window_);
    ConnectCommands(window_, application_);
    window_.SetControlText(Control::kPageAddressBox, kPageAddress);
    window_.show();
  }

  void ClickGet() { window_.Button(Control::kGetButton)->click(); }
  void Click(Control button) { window_.Button(button)->click(); }
  Text Shown(Control control) { return window_.GetControlText(control); }
  QString Label(Control control) { return static_cast<QLabel*>(window_.ControlWidget(control))->text(); }

  tools::LoopbackServer server_;
  AppConfig config_;
  QtPlatform platform_;
  DesktopHooks hooks_{platform_};
  MainWindow window_;
  Application application_;
};

TEST_F(GetCommandTest, ListsEverySegmentOfALineFeedPlaylist) {
  server_.Route(kPlaylistTarget, tools::Ok(SmallPlaylist("\n")));
  ClickGet();
  // Each piece keeps the playlist's own line feed, then gets CR LF; the scheme is always lower case.
  EXPECT_EQ(Shown(Control::kAddressList), Text("http://h/a.ts\n\r\nhttp://h/中.ts\n\r\n"));
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("当前已经加载：2条YY精彩回顾下载地址记录"));
  EXPECT_EQ(Label(Control::kResultMark), QStringLiteral("√"));
  EXPECT_TRUE(window_.Button(Control::kGetButton)->isEnabled());
  ASSERT_EQ(server_.RequestCount(), 1u);
  EXPECT_EQ(server_.Requests()[0].rfind("GET /vod_hls/15012x01_1_2.m3u8 HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(application_.globals().PlaylistUrl,
            Text(("http://" + server_.HostAndPort() + "/vod_hls/15012x01_1_2.m3u8").c_str()));
}

TEST_F(GetCommandTest, ListsEverySegmentOfACarriageReturnLineFeedPlaylist) {
  server_.Route(kPlaylistTarget, tools::Ok(SmallPlaylist("\r\n")));
  ClickGet();
  EXPECT_EQ(Shown(Control::kAddressList), Text("http://h/a.ts\r\n\r\nhttp://h/中.ts\r\n\r\n"));
  auto* box = static_cast<QPlainTextEdit*>(window_.ControlWidget(Control::kAddressList));
  EXPECT_EQ(box->toPlainText(), QStringLiteral("http://h/a.ts\n\nhttp://h/中.ts\n\n"));
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("当前已经加载：2条YY精彩回顾下载地址记录"));
}

TEST_F(GetCommandTest, AnswerWithoutTheSignatureShowsTheFailure) {
  server_.Route(kPlaylistTarget,
                tools::WithStatus("HTTP/1.1 404 Not Found", "<html>#extm3u http://h/a.ts</html>"));
  ClickGet();
  EXPECT_EQ(Label(Control::kResultMark), QStringLiteral("×"));
  EXPECT_EQ(Shown(Control::kAddressList),
            Text("\r\nYY回顾地址识别失败,无法处理视频地址列表..请检查后再试!!"));
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("等待加载数据内容..."));
  EXPECT_EQ(application_.globals().PlaylistText, Text("<html>#extm3u http://h/a.ts</html>"));
  EXPECT_TRUE(window_.Button(Control::kGetButton)->isEnabled());
}

TEST_F(GetCommandTest, EmptyAddressRequestsTheBarePlaylistAddress) {
  window_.SetControlText(Control::kPageAddressBox, {});
  ClickGet();
  ASSERT_EQ(server_.RequestCount(), 1u);
  EXPECT_EQ(server_.Requests()[0].rfind("GET /vod_hls/.m3u8 HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(Label(Control::kResultMark), QStringLiteral("×"));
}

TEST_F(GetCommandTest, PlaylistWithoutSegmentsCountsNoneInsteadOfTheLastRunsCount) {
  server_.Route(kPlaylistTarget, tools::Ok(SmallPlaylist("\n")));
  ClickGet();
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("当前已经加载：2条YY精彩回顾下载地址记录"));
  server_.Route(kPlaylistTarget, tools::Ok("#EXTM3U\n#EXTINF:10,\nrelative/a.ts\n#EXT-X-ENDLIST\n"));
  ClickGet();
  EXPECT_EQ(Label(Control::kResultMark), QStringLiteral("√"));
  EXPECT_EQ(Shown(Control::kAddressList), Text());
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("当前已经加载：0条YY精彩回顾下载地址记录"));
}

TEST_F(GetCommandTest, ResetAndCopyWorkWhileTheBodyTrickles) {
  tools::Response trickle = tools::Ok(SmallPlaylist("\n"));
  trickle.pieceBytes = 8;
  trickle.pieceDelayMilliseconds = 40;  // about half a second for the whole body
  server_.Route(kPlaylistTarget, trickle);
  bool getDisabledMeanwhile = false;
  QTimer::singleShot(100, &window_, [&] {
    getDisabledMeanwhile = !window_.Button(Control::kGetButton)->isEnabled();
    Click(Control::kCopyButton);
  });
  QTimer::singleShot(200, &window_, [&] { Click(Control::kResetButton); });
  ClickGet();
  EXPECT_TRUE(getDisabledMeanwhile);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\n等待获取视频地址...\n"));
  // The reset emptied both boxes mid-way; the command then filled the list afresh.
  EXPECT_EQ(Shown(Control::kPageAddressBox), Text());
  EXPECT_EQ(Shown(Control::kAddressList), Text("http://h/a.ts\n\r\nhttp://h/中.ts\n\r\n"));
  EXPECT_EQ(application_.globals().PlaylistText, Text(SmallPlaylist("\n")));
  EXPECT_EQ(application_.globals().PlaylistUrl, Text());
  EXPECT_TRUE(window_.Button(Control::kGetButton)->isEnabled());
}

TEST_F(GetCommandTest, ClosingTheWindowWhileTheBodyTricklesLeavesTheWindowAlone) {
  tools::Response trickle = tools::Ok(SmallPlaylist("\n"));
  trickle.pieceBytes = 8;
  trickle.pieceDelayMilliseconds = 20;
  server_.Route(kPlaylistTarget, trickle);
  QTimer::singleShot(100, &window_, [&] { window_.close(); });
  ClickGet();
  EXPECT_TRUE(window_.IsClosed());
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(Shown(Control::kAddressList), Text("\r\n等待获取视频地址..."));
  EXPECT_EQ(Label(Control::kResultMark), QStringLiteral("※"));
}

TEST_F(GetCommandTest, CopyAfterAGetPutsTheListOnTheClipboardAsTheBoxShowsIt) {
  // Lines ended by LF alone; the LF playlist's own line feeds, which the box does not show, are not
  // copied either, while the CR LF playlist's empty lines, which it shows, are.
  server_.Route(kPlaylistTarget, tools::Ok(SmallPlaylist("\n")));
  ClickGet();
  Click(Control::kCopyButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://h/a.ts\nhttp://h/中.ts\n"));
  server_.Route(kPlaylistTarget, tools::Ok(SmallPlaylist("\r\n")));
  ClickGet();
  Click(Control::kCopyButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://h/a.ts\n\nhttp://h/中.ts\n\n"));
  Click(Control::kResetButton);
  Click(Control::kCopyButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

// Leaves a picture of the window after a successful get in the build folder, for a reviewer to look at.
TEST_F(GetCommandTest, GrabsTheWindowAfterASuccessfulGet) {
  tools::PlaylistOptions options{.segments = 40};
  server_.Route(kPlaylistTarget, tools::Ok(tools::MakePlaylist(options)));
  ClickGet();
  const QString folder = QStringLiteral(QUORVANE_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + QStringLiteral("/main_window_after_get.png");
  EXPECT_TRUE(window_.grab().save(path));
  EXPECT_EQ(Label(Control::kStatusLabel), QStringLiteral("当前已经加载：40条YY精彩回顾下载地址记录"));
}

}  // namespace
}  // namespace quorvane
