// The main of the window tests: one QApplication on the offscreen platform for every test, with the
// toolkit's texts in Simplified Chinese as the program has them. CTest runs it under LANG=C.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "app/qt/toolkit_texts.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  // Tests open and close windows of their own; closing one must not end the application.
  QApplication::setQuitOnLastWindowClosed(false);
  if (!quorvane::InstallChineseToolkitTexts(application)) {
    std::fputs("window tests: Qt's Simplified-Chinese translations are missing\n", stderr);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
