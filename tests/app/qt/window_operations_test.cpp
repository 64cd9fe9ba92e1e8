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

const AppConfig kConfig = test_support::PlatformHostsConfig();

TEST(WindowOperationsTest, AddressListReadsBackExactlyWhatWasWritten) {
  MainWindow window(kConfig);
  EXPECT_EQ(window.GetControlText(Control::kAddressList), Text("\r\n等待获取视频地址..."));
  window.SetControlText(Control::kAddressList, {});
  window.AppendControlText(Control::kAddressList, "http://h/a.ts\n\r\n");
  window.AppendControlText(Control::kAddressList, "http://h/中.ts\r\n\r\n");
  EXPECT_EQ(window.GetControlText(Control::kAddressList), Text("http://h/a.ts\n\r\nhttp://h/中.ts\r\n\r\n"));
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::kAddressList));
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

TEST(WindowOperationsTest, ClipboardTextIsTheShownLinesEachEndedByLineFeed) {
  struct Case {
    Text text;
    QString copied;
  };
  const Case cases[] = {
      {"", QString()},
      {"a", QStringLiteral("a\n")},
      {"a\r\n", QStringLiteral("a\n")},
      {"\r\n中", QStringLiteral("\n中\n")},
      {"a\n\r\nb\n\r\n", QStringLiteral("a\nb\n")},
      {"a\r\n\r\nb\r\n\r\n", QStringLiteral("a\n\nb\n\n")},
      {"a\rb\r", QStringLiteral("ab\n")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToClipboardString(c.text), c.copied) << ::testing::PrintToString(c.text);
  }
}

TEST(WindowOperationsTest, LineBreakSplitAcrossTwoAppendsStillBreaks) {
  MainWindow window(kConfig);
  window.SetControlText(Control::kAddressList, "a\r");
  window.AppendControlText(Control::kAddressList, "\nb");
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::kAddressList));
  EXPECT_EQ(box->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(window.GetControlText(Control::kAddressList), Text("a\r\nb"));
}

TEST(WindowOperationsTest, TypedLineBreaksReadAsCarriageReturnLineFeed) {
  MainWindow window(kConfig);
  window.SetControlText(Control::kAddressList, "a\r\n");
  auto* box = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::kAddressList));
  box->moveCursor(QTextCursor::End);
  QTest::keyClicks(box, "b");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "c");
  EXPECT_EQ(window.GetControlText(Control::kAddressList), Text("a\r\nb\r\nc"));
}

TEST(WindowOperationsTest, LabelsAndTheAddressBoxTakeGbkTexts) {
  MainWindow window(kConfig);
  window.SetControlText(Control::kResultMark, "√");
  window.SetControlText(Control::kStatusLabel, "当前已经加载：2条YY精彩回顾下载地址记录");
  EXPECT_EQ(static_cast<QLabel*>(window.ControlWidget(Control::kResultMark))->text(), QStringLiteral("√"));
  EXPECT_EQ(static_cast<QLabel*>(window.ControlWidget(Control::kStatusLabel))->text(),
            QStringLiteral("当前已经加载：2条YY精彩回顾下载地址记录"));
  auto* address = static_cast<QLineEdit*>(window.ControlWidget(Control::kPageAddressBox));
  address->setText(QStringLiteral("http://www.yy.com/index/v/中"));
  EXPECT_EQ(window.GetControlText(Control::kPageAddressBox), Text("http://www.yy.com/index/v/中"));
  window.SetControlText(Control::kPageAddressBox, {});
  EXPECT_TRUE(address->text().isEmpty());
}

TEST(WindowOperationsTest, DisabledButtonIgnoresClicks) {
  MainWindow window(kConfig);
  window.show();
  int clicks = 0;
  QObject::connect(window.Button(Control::kGetButton), &QAbstractButton::clicked, [&clicks] { ++clicks; });
  window.SetControlEnabled(Control::kGetButton, false);
  QTest::mouseClick(window.Button(Control::kGetButton), Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
  window.SetControlEnabled(Control::kGetButton, true);
  QTest::mouseClick(window.Button(Control::kGetButton), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  window.close();
}

}  // namespace
}  // namespace quorvane
