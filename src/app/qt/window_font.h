// The one font of the main window and every control in it.
//
// The window's template places its controls in pixels, sized for the original platform's default
// GUI font: a Song face drawn 12 pixels high, Latin letters and digits at half the width of a CJK
// character (6 beside 12 pixels), which is how "YY精彩回顾网址：" fills its 96-pixel label exactly.
// So the font is fixed in pixels, not points, and does not follow the desktop's font settings:
// AR PL UMing CN (Debian's fonts-arphic-uming), a Song face with those very metrics, at 12 pixels.
#ifndef QUORVANE_APP_QT_WINDOW_FONT_H_
#define QUORVANE_APP_QT_WINDOW_FONT_H_

#include <QFont>

namespace quorvane {

inline constexpr const char* kWindowFontFamily = "AR PL UMing CN";
inline constexpr int kWindowFontPixels = 12;

// The window's font: kWindowFontFamily at kWindowFontPixels. Where the family is not installed,
// the system substitutes its nearest face at the same pixel size.
QFont WindowFont();

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_WINDOW_FONT_H_
