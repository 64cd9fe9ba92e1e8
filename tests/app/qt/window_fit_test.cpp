// The window's texts fit the template's pixel places whatever font the desktop chooses: every
// control draws in the window's own 12-pixel font, and every text, measured with that font's metrics
// and wrapped where its control wraps, lies inside its control. Leaves pictures of the window with
// the default desktop font and with a 14-point one in the build folder.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include "app/fakes.h"
#include "app/qt/main_window.h"
#include "app/qt/window_font.h"

namespace quorvane {
namespace {

// The desktop's font for the application and, as some desktops set them, for kinds of control,
// until the end of the scope.
class DesktopFont {
 public:
  explicit DesktopFont(int points) : saved_(QApplication::font()) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    QApplication::setFont(font);
    for (const char* kind : {"QLabel", "QPushButton", "QLineEdit", "QPlainTextEdit", "QGroupBox"}) {
      QApplication::setFont(font, kind);
    }
  }
  DesktopFont(const DesktopFont&) = delete;
  DesktopFont& operator=(const DesktopFont&) = delete;
  ~DesktopFont() {
    // Setting the plain font also forgets the fonts set for kinds of control.
    QApplication::setFont(saved_);
  }

 private:
  QFont saved_;
};

// The texts the labels ever show: the initial ones, and the longest the commands write.
QStringList LabelTexts(const QLabel* label) {
  QStringList texts{label->text()};
  if (label->objectName() == QStringLiteral("标签_LED")) {
    texts << QStringLiteral("当前已经加载：2147483647条YY精彩回顾下载地址记录");
  } else if (label->objectName() == QStringLiteral("duicuo")) {
    texts << QStringLiteral("√") << QStringLiteral("×");
  }
  return texts;
}

// Where each kind of control draws its text, and whether that text fits there.
void ExpectTextsFit(QWidget* widget) {
  SCOPED_TRACE(widget->objectName().toStdString());
  const QFontMetrics metrics(widget->font());
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QRect room = label->contentsRect();
    for (const QString& text : LabelTexts(label)) {
      const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
      const QRect drawn = metrics.boundingRect(room, flags, text);
      EXPECT_TRUE(room.contains(drawn)) << text.toStdString() << ": needs " << drawn.width() << " x "
                                        << drawn.height() << " in " << room.width() << " x " << room.height();
      if (!label->wordWrap()) {
        EXPECT_LE(metrics.horizontalAdvance(text), room.width()) << text.toStdString();
      }
    }
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed = metrics.size(Qt::TextShowMnemonic, button->text());
    EXPECT_LE(needed.width(), room.width()) << button->text().toStdString();
    EXPECT_LE(needed.height(), room.height()) << button->text().toStdString();
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    EXPECT_LE(metrics.horizontalAdvance(group->title()), caption.width());
    EXPECT_LE(metrics.height(), caption.height());
    EXPECT_TRUE(group->rect().contains(caption));
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    QStyleOptionFrame option;
    option.initFrom(line);
    option.lineWidth = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect room = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
    EXPECT_LE(metrics.height(), room.height());
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
    // The waiting text's two lines, the first of them empty.
    EXPECT_LE(2 * metrics.lineSpacing(), box->viewport()->height());
    EXPECT_LE(metrics.horizontalAdvance(box->toPlainText().section(QLatin1Char('\n'), 1)),
              box->viewport()->width());
  }
}

TEST(WindowFitTest, EveryControlsTextFitsWithTheDesktopFontAt9And11And14Points) {
  for (const int points : {9, 11, 14}) {
    SCOPED_TRACE(points);
    const DesktopFont desktop(points);
    MainWindow window(test_support::PlatformHostsConfig());
    window.show();
    for (int control = 0; control < kControlCount; ++control) {
      QWidget* widget = window.ControlWidget(static_cast<Control>(control));
      const QFontInfo font(widget->font());
      EXPECT_EQ(font.family(), QString::fromLatin1(kWindowFontFamily)) << widget->objectName().toStdString();
      EXPECT_EQ(font.pixelSize(), kWindowFontPixels) << widget->objectName().toStdString();
      ExpectTextsFit(widget);
    }
    window.close();
  }
}

void SaveWindowPicture(const QString& name) {
  MainWindow window(test_support::PlatformHostsConfig());
  window.show();
  const QString folder = QStringLiteral(QUORVANE_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + name));
  window.close();
}

TEST(WindowFitTest, GrabsTheWindowWithTheDefaultAndA14PointDesktopFont) {
  SaveWindowPicture(QStringLiteral("main_window.png"));
  const DesktopFont desktop(14);
  SaveWindowPicture(QStringLiteral("main_window_desktop_font_14pt.png"));
}

}  // namespace
}  // namespace quorvane
