// Runs the program's start-up exactly as the product does, from a directory of the test's choosing,
// with the hosts and the update page given on the command line, and reports on standard output what a
// user would see: every message box (answered as told) and the main window being shown.
//
//   startup_probe --update-url URL [--vod-host HOST] [--answer yes|no] [--close-when-shown]
//                 [--copy-and-close-when-shown] [--get-and-close-after MILLISECONDS]
//
// --copy-and-close-when-shown clicks the copy button once the window shows, and closes the window
// 300 ms later.
//
// --get-and-close-after clicks the get button once the window shows and closes the window that
// many milliseconds later, while the playlist may still be arriving; it reports the moment of the
// close ("closing the window at <ms>", on the program's monotonic clock) so that a test can tell how
// long the process outlives its window.
//
// The probe starts the program through the program's own RunProgram, which shows the toolkit the
// program's path alone: the probe's options, and any other argument, never reach the toolkit. The
// product itself has no command line: this program exists for the start-up tests and benchmark.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/app_config.h"
#include "app/qt/program.h"
#include "text/clock.h"

namespace {

struct ProbeOptions {
  quorvane::AppConfig config{.webHost = "www.yy.com",
                             .vodHost = "vod.yy.com",
                             .updatePageUrl = "",
                             .contactAddress = "maker@example.com"};
  bool answerYes = false;
  bool closeWhenShown = false;
  bool copyAndCloseWhenShown = false;
  int getAndCloseAfter = -1;
};

ProbeOptions ParseOptions(int argc, char** argv) {
  ProbeOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (option == "--update-url") {
      options.config.updatePageUrl = value;
      ++i;
    } else if (option == "--vod-host") {
      options.config.vodHost = value;
      ++i;
    } else if (option == "--answer") {
      options.answerYes = std::strcmp(value, "yes") == 0;
      ++i;
    } else if (option == "--get-and-close-after") {
      options.getAndCloseAfter = std::atoi(value);
      ++i;
    } else if (option == "--close-when-shown") {
      options.closeWhenShown = true;
    } else if (option == "--copy-and-close-when-shown") {
      options.copyAndCloseWhenShown = true;
    }
  }
  return options;
}

void Report(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// Reports every main window shown, and closes it when asked to, which ends the message loop.
class ShowWatcher : public QObject {
 public:
  ShowWatcher(const ProbeOptions& options, QObject* parent) : QObject(parent), options_(options) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow() &&
        qobject_cast<QMessageBox*>(widget) == nullptr) {
      Report(QStringLiteral("window shown: ") + widget->windowTitle() +
             (widget->layoutDirection() == Qt::RightToLeft ? QStringLiteral(" (right to left)")
                                                           : QStringLiteral(" (left to right)")));
      if (options_.closeWhenShown) {
        QTimer::singleShot(0, widget, &QWidget::close);
      }
      if (options_.copyAndCloseWhenShown) {
        auto* copy = widget->findChild<QAbstractButton*>(QString::fromUtf16(u"按钮_复制"));
        QTimer::singleShot(0, copy, &QAbstractButton::click);
        // A moment later, as a user would: closing in the same pass of the event loop as the copy
        // has been seen to leave Qt's X11 event loop running.
        QTimer::singleShot(300, widget, &QWidget::close);
      }
      if (options_.getAndCloseAfter >= 0) {
        auto* get = widget->findChild<QAbstractButton*>(QString::fromUtf16(u"按钮_获取"));
        QTimer::singleShot(0, get, &QAbstractButton::click);
        QTimer::singleShot(options_.getAndCloseAfter, widget, [widget] {
          Report(QStringLiteral("closing the window at %1").arg(quorvane::MonotonicMilliseconds()));
          widget->close();
        });
      }
    }
    return false;
  }

 private:
  const ProbeOptions& options_;
};

}  // namespace

int main(int argc, char** argv) {
  const ProbeOptions options = ParseOptions(argc, argv);
  return quorvane::RunProgram(argv[0], options.config, [&options] {
    // Both live until the application ends, which deletes its children.
    QApplication::instance()->installEventFilter(new ShowWatcher(options, QApplication::instance()));

    // Message boxes run their own loops, so a timer finds and answers them.
    auto* answerer = new QTimer(QApplication::instance());
    QObject::connect(answerer, &QTimer::timeout, [&options] {
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
      QAbstractButton* button = box->button(options.answerYes ? QMessageBox::Yes : QMessageBox::No);
      if (button == nullptr) {
        button = box->button(QMessageBox::Ok);
      }
      button->click();
    });
    answerer->start(10);
  });
}
