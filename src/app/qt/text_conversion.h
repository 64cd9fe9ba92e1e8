// Moving texts between the program's GBK and Qt's UTF-16 strings.
#ifndef QUORVANE_APP_QT_TEXT_CONVERSION_H_
#define QUORVANE_APP_QT_TEXT_CONVERSION_H_

#include <QString>

#include "text/text.h"

namespace quorvane {

// The GBK text as a Qt string, unchanged otherwise (CR LF stays CR LF).
QString ToQString(const Text& text);

// The Qt string as GBK; characters that GBK cannot hold become its default character.
Text FromQString(const QString& string);

// For widgets that show plain text: Windows line breaks (CR LF) become Qt's line feed.
QString ToDisplayString(const Text& text);

// The shown text of a label or an edit box as the program reads it: the program writes line breaks as
// CR LF, while Qt's widgets hold line feeds.
Text WithWindowsLineBreaks(const QString& plain);

// For the multi-line edit box, which breaks lines only at CR LF, as the program writes and the user
// types them: CR LF becomes Qt's line feed, and a lone CR or LF (such as a playlist's own line feed
// inside a listed piece) is not shown. `afterCarriageReturn` tells that the box's content so far
// ends with a CR, so that an LF at the start of `text` completes a line break.
QString ToEditBoxString(const Text& text, bool afterCarriageReturn = false);

// The text of the multi-line edit box as a Linux program needs it on the clipboard: the lines the
// box shows (ToEditBoxString), each ended by a line feed, with no carriage return and nothing the
// box does not show. The empty text stays empty.
//
// Example: "http://h/a.ts\n\r\nhttp://h/b.ts\n\r\n" -> "http://h/a.ts\nhttp://h/b.ts\n"
// Example: "\r\n等待获取视频地址..." -> "\n等待获取视频地址...\n"
QString ToClipboardString(const Text& text);

}  // namespace quorvane

#endif  // QUORVANE_APP_QT_TEXT_CONVERSION_H_
