#include "app/qt/window_font.h"

namespace quorvane {

QFont WindowFont() {
  QFont font(QString::fromLatin1(kWindowFontFamily));
  font.setPixelSize(kWindowFontPixels);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace quorvane
