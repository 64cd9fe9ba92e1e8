// Carrying texts between the program's GBK (code page 936) and UTF-16, the form the regex engine and
// the window toolkit work on.
//
// UTF-16 travels as `Bytes` of little-endian code units, two bytes each. The code page is always
// Microsoft's 936, whatever the machine's locale: byte 0x80 is the euro sign U+20AC, D6 D0 is U+4E2D.
// Every result is measured first and then converted into a buffer of exactly that size. No
// conversion fails: a byte sequence that is not GBK becomes U+FFFD, and a character that GBK cannot
// hold becomes the code page's default character "?".
#ifndef QUORVANE_REGEX_CODE_PAGE_H_
#define QUORVANE_REGEX_CODE_PAGE_H_

#include "text/text.h"

namespace quorvane {

// The text's code units followed by one NUL unit: the empty text gives the two bytes 00 00, "A"
// gives 41 00 00 00, D6 D0 gives 2D 4E 00 00.
Bytes TextToUtf16(const Text& text);

// As TextToUtf16, without the NUL unit when `dropTerminator` is true. The empty text gives no bytes
// either way.
Bytes TextToUtf16Ex(const Text& text, bool dropTerminator = false);

// The GBK text of the code units in `utf16`. An odd last byte is left out; a NUL unit ends the text
// there; fewer than two bytes give the empty text. A character followed by a combining mark is
// written as the precomposed character where one exists (U+0075 U+0308 becomes U+00FC, A8 B9).
Text Utf16ToText(const Bytes& utf16);

}  // namespace quorvane

#endif  // QUORVANE_REGEX_CODE_PAGE_H_
