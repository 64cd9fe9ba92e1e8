#include "program_watch.h"

#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "text/clock.h"

namespace quorvane::tools {
namespace {

void Report(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

QAbstractButton* ButtonNamed(QWidget* window, const char16_t* name) {
  return window->findChild<QAbstractButton*>(QString::fromUtf16(name));
}

// Reports every main window shown and acts on it as told; closing it ends the message loop.
class ShowWatcher final : public QObject {
 public:
  ShowWatcher(const WatchOptions& options, QObject* parent) : QObject(parent), options_(options) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Show || widget == nullptr || !widget->isWindow() ||
        qobject_cast<QMessageBox*>(widget) != nullptr) {
      return false;
    }
    Report(QStringLiteral("window shown: ") + widget->windowTitle() +
           (widget->layoutDirection() == Qt::RightToLeft ? QStringLiteral(" (right to left)")
                                                         : QStringLiteral(" (left to right)")));
    if (options_.closeWhenShown) {
      QTimer::singleShot(0, widget, &QWidget::close);
    }
    if (options_.copyAndCloseWhenShown) {
      QTimer::singleShot(0, ButtonNamed(widget, u"按钮_复制"), &QAbstractButton::click);
      // A moment later, as a user would: closing in the same pass of the event loop as the copy
      // has been seen to leave Qt's X11 event loop running.
      QTimer::singleShot(300, widget, &QWidget::close);
    }
    if (options_.getAndCloseAfter >= 0) {
      QTimer::singleShot(0, ButtonNamed(widget, u"按钮_获取"), &QAbstractButton::click);
      QTimer::singleShot(options_.getAndCloseAfter, widget, [widget] {
        Report(QStringLiteral("closing the window at %1").arg(MonotonicMilliseconds()));
        widget->close();
      });
    }
    return false;
  }

 private:
  const WatchOptions options_;
};

// Message boxes run their own loops, so a timer finds and answers them.
void AnswerBox(bool answerYes) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) {
    return;
  }
  QString text = box->text();
  text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  QStringList labels;
  for (const QAbstractButton* button : box->buttons()) {
    labels << button->text();
  }
  labels.sort();
  Report(QStringLiteral("box: caption=%1 icon=%2 buttons=%3 labels=%4 text=%5")
             .arg(box->windowTitle())
             .arg(static_cast<int>(box->icon()))
             .arg(static_cast<int>(box->standardButtons()))
             .arg(labels.join(QLatin1Char('|')))
             .arg(text));
  QAbstractButton* button = box->button(answerYes ? QMessageBox::Yes : QMessageBox::No);
  if (button == nullptr) {
    button = box->button(QMessageBox::Ok);
  }
  button->click();
}

}  // namespace

void WatchProgram(const WatchOptions& options) {
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new ShowWatcher(options, application));
  auto* answerer = new QTimer(application);
  QObject::connect(answerer, &QTimer::timeout, [answerYes = options.answerYes] { AnswerBox(answerYes); });
  answerer->start(10);
}

}  // namespace quorvane::tools
