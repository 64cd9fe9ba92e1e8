#include <algorithm>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/program.h"
#include "browser_stand_in.h"
#include "loopback_server.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QStringList buttonTexts;  // in the order the box shows them
  QPixmap picture;
};

// Leaves a picture of a box in the build folder, for a reviewer to look at.
void SavePicture(const SeenBox& box, const QString& name) {
  const QString folder = QStringLiteral(QUORVANE_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(box.picture.save(folder + QLatin1Char('/') + name));
}

// Answers every message box that appears with `answer` (or OK where there is no such button), and
// remembers what it showed.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) {
        return;
      }
      QList<QAbstractButton*> buttons = box->buttons();
      std::sort(buttons.begin(), buttons.end(),
                [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
      QStringList buttonTexts;
      for (const QAbstractButton* button : buttons) {
        buttonTexts << button->text();
      }
      seen.push_back(
          {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), buttonTexts, box->grab()});
      QAbstractButton* button = box->button(answer);
      (button != nullptr ? button : box->button(QMessageBox::Ok))->click();
    });
    timer_.start(10);
  }

  std::vector<SeenBox> seen;

 private:
  QTimer timer_;
};

const QString kNewer = QStringLiteral(
    "欢迎使用[ Quorvane "
    "]\n检测到本辅助有更新,请升级到最新版本使用...\n有任何问题给我发邮件：maker@example.com");
const QString kLatest = QStringLiteral(
    "\n欢迎使用[ Quorvane ]\n恭喜你,,当前版本已是最新!!\n有任何问题给我发邮件：maker@example.com");
const QString kUnknown = QStringLiteral(
    "\n欢迎使用[ Quorvane ]\n未能获取更新信息,请稍后再试...\n有任何问题给我发邮件：maker@example.com");

struct Outcome {
  std::vector<SeenBox> boxes;
  std::vector<QString> opened;
};

// Runs the update notice against `page` served on loopback (or against a closed port when `page` is
// empty), answering the box with `answer`.
Outcome RunUpdateNotice(const std::string& page, QMessageBox::StandardButton answer) {
  tools::LoopbackServer server;
  std::string address = server.Url("/update.htm");
  if (page.empty()) {
    const tools::LoopbackServer closed;
    address = closed.Url("/update.htm");  // the port is closed once `closed` goes
  } else {
    server.Route("/update.htm", tools::Ok(page));
  }
  const AppConfig config{.webHost = "www.yy.com",
                         .vodHost = "vod.yy.com",
                         .updatePageUrl = Text(address),
                         .contactAddress = "maker@example.com"};
  QtPlatform platform;
  MainWindow window(config);
  Application application(window, platform, config);
  test_support::BrowserStandIn browser;
  BoxAnswerer answerer(answer);
  application.globals().CurrentVersion = "1.6";  // as the created event records it first
  application.UpdateNotice();
  return {answerer.seen, browser.opened};
}

std::string Record(const std::string& version, const std::string& address = "http://dl.test/q") {
  return "<p>!Orvessa1!v" + version + "v1r2015r2e" + address + "e2!Orvessa2!</p>";
}

TEST(UpdateNoticeTest, NewerVersionIsOfferedAndItsPageOpensOnYes) {
  const Outcome yes = RunUpdateNotice(Record("1.7"), QMessageBox::Yes);
  ASSERT_EQ(yes.boxes.size(), 1u);
  EXPECT_EQ(yes.boxes[0].caption, QStringLiteral("建议升级到最新版本"));
  EXPECT_EQ(yes.boxes[0].text, kNewer);
  EXPECT_EQ(yes.boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(yes.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
  // Qt's own texts for the standard buttons, in Chinese under any locale; the order is the desktop's.
  EXPECT_EQ(QSet<QString>(yes.boxes[0].buttonTexts.begin(), yes.boxes[0].buttonTexts.end()),
            (QSet<QString>{QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")}));
  SavePicture(yes.boxes[0], QStringLiteral("update_notice_newer_version.png"));
  EXPECT_EQ(yes.opened, std::vector<QString>{QStringLiteral("http://dl.test/q")});

  EXPECT_TRUE(RunUpdateNotice(Record("1.7"), QMessageBox::No).opened.empty());
  EXPECT_TRUE(RunUpdateNotice(Record("1.7", "file:///etc/passwd"), QMessageBox::Yes).opened.empty());
}

TEST(UpdateNoticeTest, VersionsAtOrWithinTheThresholdAreTheLatest) {
  for (const char* version : {"1.6", "1.6000001"}) {
    const Outcome outcome = RunUpdateNotice(Record(version), QMessageBox::Yes);
    ASSERT_EQ(outcome.boxes.size(), 1u) << version;
    EXPECT_EQ(outcome.boxes[0].caption, QStringLiteral("信息：")) << version;
    EXPECT_EQ(outcome.boxes[0].text, kLatest);
    EXPECT_EQ(outcome.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(outcome.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(outcome.boxes[0].buttonTexts, QStringList{QStringLiteral("确定")});
    EXPECT_TRUE(outcome.opened.empty());
    SavePicture(outcome.boxes[0], QStringLiteral("update_notice_latest_version.png"));
  }
  const Outcome above = RunUpdateNotice(Record("1.6000002"), QMessageBox::No);
  ASSERT_EQ(above.boxes.size(), 1u);
  EXPECT_EQ(above.boxes[0].caption, QStringLiteral("建议升级到最新版本"));
}

TEST(UpdateNoticeTest, UnreachableOrUnreadablePageSaysSoInsteadOfUpToDate) {
  for (const std::string& page : {std::string(), std::string("<html>maintenance</html>")}) {
    const Outcome outcome = RunUpdateNotice(page, QMessageBox::Yes);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].caption, QStringLiteral("信息："));
    EXPECT_EQ(outcome.boxes[0].text, kUnknown);
    EXPECT_EQ(outcome.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(outcome.boxes[0].buttons, QMessageBox::Ok);
    SavePicture(outcome.boxes[0], QStringLiteral("update_notice_no_information.png"));
  }
}

}  // namespace
}  // namespace quorvane
