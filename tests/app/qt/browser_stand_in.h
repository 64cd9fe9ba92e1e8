// Receives the addresses that the program asks the system to open, instead of a browser. Kept apart
// from the program's headers: moc, which must read this class, cannot read their identifiers.
#ifndef QUORVANE_TESTS_APP_QT_BROWSER_STAND_IN_H_
#define QUORVANE_TESTS_APP_QT_BROWSER_STAND_IN_H_

#include <vector>

#include <QDesktopServices>
#include <QObject>
#include <QString>
#include <QUrl>

namespace quorvane::test_support {

class BrowserStandIn : public QObject {
  Q_OBJECT
 public:
  BrowserStandIn() {
    for (const char* scheme : {"http", "https", "file"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
  }
  ~BrowserStandIn() override {
    for (const char* scheme : {"http", "https", "file"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
  }

  std::vector<QString> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url.toString()); }
};

}  // namespace quorvane::test_support

#endif  // QUORVANE_TESTS_APP_QT_BROWSER_STAND_IN_H_
