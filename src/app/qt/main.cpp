// The Quorvane program.
#include <QApplication>
#include <QIcon>

#include "app/app_config.h"
#include "app/qt/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvane"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.png")));
  return quorvane::ProgramStart(quorvane::BuiltInAppConfig());
}
