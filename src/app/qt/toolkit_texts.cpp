#include "app/qt/toolkit_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvane {

bool InstallChineseToolkitTexts(QCoreApplication& application) {
  const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
  QLocale::setDefault(chinese);
  auto* translator = new QTranslator(&application);
  if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace quorvane
