// The toolkit's own texts in Simplified Chinese, whatever the user's locale: the standard buttons of
// the message boxes (是 / 否 / 确定), the edit boxes' context menus and every other text Qt shows, as
// in a program whose every text is Simplified Chinese.
#ifndef QUORVANE_APP_QT_TOOLKIT_TEXTS_H_
#define QUORVANE_APP_QT_TOOLKIT_TEXTS_H_

class QCoreApplication;

namespace quorvane {

// Makes Simplified Chinese (China) the default locale and installs Qt's own Simplified-Chinese
// translations (qtbase_zh_CN, from the system's Qt translations folder) into `application`, which
// owns them from then on. False when the translations could not be loaded; the toolkit's texts
// then stay English.
//
// Example: after the call, QMessageBox's Yes button reads "是(&Y)" also under LANG=C.
bool InstallChineseToolkitTexts(QCoreApplication& application);

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_TOOLKIT_TEXTS_H_
