#include <algorithm>
#include <cstdlib>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "app/fakes.h"
#include "app/qt/main_window.h"
#include "app/qt/text_conversion.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

const AppConfig kConfig = test_support::PlatformHostsConfig();

QString Utf16(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The template as the window must show it, written out independently of the table the window is
// built from.
struct ExpectedControl {
  std::u16string_view name;
  const char* className;
  std::u16string_view parent;  // empty for the main window
  QRect place;
  std::u16string_view text;  // as the widget shows it (line feeds for line breaks)
  QColor textColour;         // invalid: not checked
  QColor background;         // invalid: the default
  bool sunkenEdge;
  Qt::Alignment alignment;
  bool wordWrap;
};

const ExpectedControl kExpected[] = {
    {u"标签_公告", "QLabel", u"分组框1", QRect(8, 15, 680, 40),
     u"\n    "
     u"将YY精彩回顾视频地址复制到网址栏，点击获取下载地址,,助手会自动处理出来地址,"
     u"然后将处理出来的地址点击复制地址,就会到剪切板,"
     u"然后打开QQ旋风什么的【批量下载】即可...",
     QColor(0, 128, 0), QColor(), false, Qt::AlignLeft | Qt::AlignTop, true},
    {u"分组框1", "QGroupBox", u"", QRect(8, 1, 704, 72), u"使用方法：", QColor(0, 0, 0), QColor(), false,
     Qt::AlignLeft, false},
    {u"按钮_清空",
     "QPushButton",
     u"",
     QRect(632, 232, 80, 32),
     u"重置所有",
     QColor(),
     QColor(),
     false,
     {},
     false},
    {u"duicuo", "QLabel", u"", QRect(600, 80, 24, 24), u"※", QColor(255, 0, 0), QColor(0, 0, 0), true,
     Qt::AlignCenter, false},
    {u"标签_LED", "QLabel", u"", QRect(104, 421, 520, 20), u"等待加载数据内容...", QColor(255, 128, 0),
     QColor(), true, Qt::AlignCenter, false},
    {u"按钮_复制",
     "QPushButton",
     u"",
     QRect(632, 272, 80, 32),
     u"复制地址",
     QColor(),
     QColor(),
     false,
     {},
     false},
    {u"标签1", "QLabel", u"", QRect(8, 120, 96, 24), u"视频下载地址：", QColor(0, 0, 0), QColor(), false,
     Qt::AlignLeft | Qt::AlignVCenter, false},
    {u"编辑框_视频地址",
     "QPlainTextEdit",
     u"",
     QRect(104, 110, 520, 306),
     u"\n等待获取视频地址...",
     QColor(0, 128, 128),
     QColor(0, 0, 0),
     true,
     {},
     true},
    {u"按钮_获取",
     "QPushButton",
     u"",
     QRect(632, 77, 80, 32),
     u"获取下载地址",
     QColor(),
     QColor(),
     false,
     {},
     false},
    {u"标签_地址", "QLabel", u"", QRect(8, 80, 96, 24), u"YY精彩回顾网址：", QColor(0, 0, 0), QColor(), false,
     Qt::AlignLeft | Qt::AlignVCenter, false},
    {u"编辑框_精彩回顾网址", "QLineEdit", u"", QRect(104, 80, 488, 24),
     u"http://www.yy.com/index/v/15012x01_141483582_1414679605?entrance=index&gsid=", QColor(0, 255, 0),
     QColor(0, 0, 0), true, Qt::AlignLeft | Qt::AlignVCenter, false},
};

QString ShownText(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget))
    return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget))
    return group->title();
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return button->text();
  if (auto* line = qobject_cast<QLineEdit*>(widget))
    return line->text();
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
    return box->toPlainText();
  return {};
}

TEST(WindowTemplateTest, EveryControlHasItsPlaceTextAndStyle) {
  MainWindow window(kConfig);
  for (const ExpectedControl& expected : kExpected) {
    const QString name = Utf16(expected.name);
    auto* widget = window.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name.toStdString();
    SCOPED_TRACE(name.toStdString());
    EXPECT_STREQ(widget->metaObject()->className(), expected.className);
    EXPECT_EQ(widget->parentWidget()->objectName(), Utf16(expected.parent));
    EXPECT_EQ(widget->geometry(), expected.place);
    EXPECT_EQ(ShownText(widget), Utf16(expected.text));
    EXPECT_TRUE(widget->isEnabled());
    const QPalette palette = widget->palette();
    if (expected.textColour.isValid()) {
      const auto role = qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QLineEdit*>(widget)
                            ? QPalette::Text
                            : QPalette::WindowText;
      EXPECT_EQ(palette.color(role), expected.textColour);
    }
    if (expected.background.isValid()) {
      const auto role = qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QLineEdit*>(widget)
                            ? QPalette::Base
                            : QPalette::Window;
      EXPECT_EQ(palette.color(role), expected.background);
    } else {
      EXPECT_EQ(palette.color(QPalette::Window), window.palette().color(QPalette::Window));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->alignment(), expected.alignment);
      EXPECT_EQ(label->wordWrap(), expected.wordWrap);
      EXPECT_EQ(label->frameShadow() == QFrame::Sunken && label->frameShape() != QFrame::NoFrame,
                expected.sunkenEdge);
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
      EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
      EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
      EXPECT_FALSE(box->isReadOnly());
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_EQ(line->alignment(), expected.alignment);
      EXPECT_TRUE(line->hasFrame());
      EXPECT_FALSE(line->isReadOnly());
      EXPECT_GE(line->maxLength(), 1 << 30);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
    }
  }
}

TEST(WindowTemplateTest, WindowIsFixedCentredAndHoldsEveryControl) {
  MainWindow window(kConfig);
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane v1.6 by Hadrunel"));
  // With a frame reported (the offscreen platform reports a thin one) the outer size is the
  // template's; without one the client area is the template's frameless size.
  const bool framed = window.frameGeometry().size() != window.size();
  EXPECT_EQ(framed ? window.frameGeometry().size() : window.size(),
            framed ? QSize(723, 483) : QSize(717, 455));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window.frameGeometry().topLeft(),
            QPoint(screen.left() + (screen.width() - 723) / 2, screen.top() + (screen.height() - 483) / 2));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(window.rect().contains(child->geometry())) << child->objectName().toStdString();
  }
  EXPECT_FALSE(window.windowIcon().isNull());
  window.close();
}

TEST(WindowTemplateTest, TabVisitsTheFiveFocusableControls) {
  MainWindow window(kConfig);
  window.show();
  window.activateWindow();
  QWidget* start = window.ControlWidget(Control::kPageAddressBox);
  start->setFocus();
  QStringList visited;
  QWidget* current = start;
  for (int i = 0; i < 5; ++i) {
    visited << current->objectName();
    current = current->nextInFocusChain();
    while (current->focusPolicy() == Qt::NoFocus || !current->isVisibleTo(&window)) {
      current = current->nextInFocusChain();
    }
  }
  EXPECT_EQ(current, start) << "the chain returns to where it started after five controls";
  EXPECT_EQ(visited, (QStringList{Utf16(u"编辑框_精彩回顾网址"), Utf16(u"按钮_获取"),
                                  Utf16(u"编辑框_视频地址"), Utf16(u"按钮_清空"), Utf16(u"按钮_复制")}));
  EXPECT_TRUE(window.ControlWidget(Control::kAddressList)->property("tabChangesFocus").toBool());
  window.close();
}

TEST(WindowTemplateTest, EscapeDoesNotCloseTheWindow) {
  MainWindow window(kConfig);
  window.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window, &escape);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.IsClosed());
  window.close();
  EXPECT_TRUE(window.IsClosed());
}

// The group box's caption sits on the left of the frame's top edge: the frame's top line runs
// through the caption's rows, not below them.
TEST(WindowTemplateTest, GroupBoxCaptionSitsOnTheFramesTopEdge) {
  MainWindow window(kConfig);
  window.show();
  const QImage picture = window.ControlWidget(Control::kUsageGroup)->grab().toImage();
  const QRgb background = picture.pixel(4, 60);  // inside the frame, below the instructions
  int frameRow = -1;                             // the first row that is not background, left of the caption
  for (int y = 0; y < 30 && frameRow < 0; ++y) {
    if (picture.pixel(4, y) != background) {
      frameRow = y;
    }
  }
  int captionTop = picture.height();
  int captionBottom = -1;
  for (int y = 0; y < 30; ++y) {
    for (int x = 12; x < 60; ++x) {
      if (qGray(picture.pixel(x, y)) < 96) {  // the black caption
        captionTop = std::min(captionTop, y);
        captionBottom = std::max(captionBottom, y);
      }
    }
  }
  ASSERT_GE(frameRow, 0);
  ASSERT_GE(captionBottom, 0);
  EXPECT_GT(frameRow, captionTop);
  EXPECT_LT(frameRow, captionBottom);
  window.close();
}

// True when the two pictures differ nowhere by more than the smoothing of a glyph's edge, which Qt
// draws a shade differently inside a selection.
bool LookAlike(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 24 || std::abs(qGreen(p) - qGreen(q)) > 24 ||
          std::abs(qBlue(p) - qBlue(q)) > 24) {
        return false;
      }
    }
  }
  return true;
}

// An edit box without the focus shows no selection: with its text selected it looks exactly as it
// does with nothing selected.
TEST(WindowTemplateTest, EditBoxesHideTheirSelectionWithoutFocus) {
  MainWindow window(kConfig);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QWidget* elsewhere = window.ControlWidget(Control::kGetButton);
  for (const Control control : {Control::kAddressList, Control::kPageAddressBox}) {
    QWidget* box = window.ControlWidget(control);
    SCOPED_TRACE(box->objectName().toStdString());
    const auto select = [box](bool all) {
      if (auto* list = qobject_cast<QPlainTextEdit*>(box)) {
        all ? list->selectAll() : list->moveCursor(QTextCursor::Start);
      } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        all ? line->selectAll() : line->deselect();
      }
    };
    box->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(box->hasFocus());
    select(true);
    const QImage focused = box->grab().toImage();
    const QRgb highlight = box->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    bool highlighted = false;
    for (int y = 0; y < focused.height() && !highlighted; ++y) {
      for (int x = 0; x < focused.width() && !highlighted; ++x) {
        highlighted = focused.pixel(x, y) == highlight;
      }
    }
    EXPECT_TRUE(highlighted) << "the selection shows while the box has the focus";

    elsewhere->setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(box->hasFocus());
    const QImage unfocused = box->grab().toImage();
    select(false);
    const QImage unselected = box->grab().toImage();
    EXPECT_TRUE(LookAlike(unfocused, unselected));
  }
  window.close();
}

}  // namespace
}  // namespace quorvane
