// The toolkit's own texts read Simplified Chinese, also under the C locale that CTest sets for these
// tests: the edit boxes' context menus here, the message boxes' buttons in update_notice_test.cpp.
#include <memory>

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "app/fakes.h"
#include "app/qt/main_window.h"

namespace quorvane {
namespace {

QStringList ActionTexts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    if (!action->isSeparator()) {
      texts << action->text().section(QLatin1Char('\t'), 0, 0);  // without the shortcut column
    }
  }
  return texts;
}

TEST(ToolkitTextsTest, EditBoxContextMenusAreChinese) {
  MainWindow window(test_support::PlatformHostsConfig());
  const QStringList expected{QStringLiteral("撤消(&U)"), QStringLiteral("重做(&R)"),
                             QStringLiteral("剪切(&T)"), QStringLiteral("复制(&C)"),
                             QStringLiteral("粘贴(&P)"), QStringLiteral("删除"),
                             QStringLiteral("全选")};
  auto* pageAddress = static_cast<QLineEdit*>(window.ControlWidget(Control::kPageAddressBox));
  const std::unique_ptr<QMenu> lineMenu(pageAddress->createStandardContextMenu());
  EXPECT_EQ(ActionTexts(*lineMenu), expected);
  auto* addressList = static_cast<QPlainTextEdit*>(window.ControlWidget(Control::kAddressList));
  const std::unique_ptr<QMenu> listMenu(addressList->createStandardContextMenu());
  EXPECT_EQ(ActionTexts(*listMenu), expected);
  EXPECT_EQ(QLocale().name(), QStringLiteral("zh_CN"));
}

}  // namespace
}  // namespace quorvane
