#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/fakes.h"
#include "app/qt/main_window.h"
#include "app/qt/text_conversion.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

const AppConfig kConfig = testing::PlatformHostsConfig();

TEST(WindowOperationsTest, AddressListReadsBackExactlyWhatWasWritten) {
  MainWindow window(kConfig);
  EXPECT_EQ(window.GetControlText(Control::编辑框_视频地址), Text("\r\n等待获取视频地址..."));
  window.SetControlText(Control::编辑框_视频地址, {});
  window.AppendControlText(Control::编辑框_视频地址, "http://h/a.ts\n\r\n");
  window.AppendControlText(Control::编辑框_视频地址, "http://h/中.ts\r\n\r\n");
  EXPECT_EQ(window.GetControlText(Control::编辑框_视频地址),
            Text("http://h/a.ts\n\r\nhttp://h/中.ts\r\n\r\n"));
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::编辑框_视频地址));
  // The box breaks lines at CR LF only, so the lone line feed after the first address shows nothing.
  EXPECT_EQ(box->toPlainText(), QStringLiteral("http://h/a.ts\nhttp://h/中.ts\n\n"));
  EXPECT_FALSE(box->document()->isUndoAvailable()) << "an appended text cannot be undone";
  EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1)
      << "the caret ends at the end";
}

TEST(WindowOperationsTest, EditBoxBreaksLinesAtCarriageReturnLineFeedOnly) {
  struct Case {
    Text text;
    bool afterCarriageReturn;
    QString shown;
  };
  const Case cases[] = {
      {"a\r\nb", false, QStringLiteral("a\nb")},   {"a\nb", false, QStringLiteral("ab")},
      {"a\rb", false, QStringLiteral("ab")},       {"a\n\r\n", false, QStringLiteral("a\n")},
      {"\r\n\r\n", false, QStringLiteral("\n\n")}, {"\nb", true, QStringLiteral("\nb")},
      {"\nb", false, QStringLiteral("b")},         {"中\r\n", false, QStringLiteral("中\n")},
      {"a\r", false, QStringLiteral("a")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToEditBoxString(c.text, c.afterCarriageReturn), c.shown) << ::testing::PrintToString(c.text);
  }
}

TEST(WindowOperationsTest, LineBreakSplitAcrossTwoAppendsStillBreaks) {
  MainWindow window(kConfig);
  window.SetControlText(Control::编辑框_视频地址, "a\r");
  window.AppendControlText(Control::编辑框_视频地址, "\nb");
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::编辑框_视频地址));
  EXPECT_EQ(box->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(window.GetControlText(Control::编辑框_视频地址), Text("a\r\nb"));
}

TEST(WindowOperationsTest, TypedLineBreaksReadAsCarriageReturnLineFeed) {
  MainWindow window(kConfig);
  window.SetControlText(Control::编辑框_视频地址, "a\r\n");
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::编辑框_视频地址));
  box->moveCursor(QTextCursor::End);
  QTest::keyClicks(box, "b");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "c");
  EXPECT_EQ(window.GetControlText(Control::编辑框_视频地址), Text("a\r\nb\r\nc"));
}

TEST(WindowOperationsTest, LabelsAndTheAddressBoxTakeGbkTexts) {
  MainWindow window(kConfig);
  window.SetControlText(Control::duicuo, "√");
  window.SetControlText(Control::标签_LED, "当前已经加载：2条YY精彩回顾下载地址记录");
  EXPECT_EQ(static_cast<QLabel*>(window.ControlWidget(Control::duicuo))->text(), QStringLiteral("√"));
  EXPECT_EQ(static_cast<QLabel*>(window.ControlWidget(Control::标签_LED))->text(),
            QStringLiteral("当前已经加载：2条YY精彩回顾下载地址记录"));
  auto* address = static_cast<QLineEdit*>(window.ControlWidget(Control::编辑框_精彩回顾网址));
  address->setText(QStringLiteral("http://www.yy.com/index/v/中"));
  EXPECT_EQ(window.GetControlText(Control::编辑框_精彩回顾网址), Text("http://www.yy.com/index/v/中"));
  window.SetControlText(Control::编辑框_精彩回顾网址, {});
  EXPECT_TRUE(address->text().isEmpty());
}

TEST(WindowOperationsTest, DisabledButtonIgnoresClicks) {
  MainWindow window(kConfig);
  window.show();
  int clicks = 0;
  QObject::connect(window.Button(Control::按钮_获取), &QAbstractButton::clicked, [&clicks] { ++clicks; });
  window.SetControlEnabled(Control::按钮_获取, false);
  QTest::mouseClick(window.Button(Control::按钮_获取), Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
  window.SetControlEnabled(Control::按钮_获取, true);
  QTest::mouseClick(window.Button(Control::按钮_获取), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  window.close();
}

}  // namespace
}  // namespace quorvane
