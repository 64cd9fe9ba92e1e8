#include "app/qt/text_conversion.h"

#include <cstring>

#include "regex/code_page.h"

namespace quorvane {

QString ToQString(const Text& text) {
  const Bytes utf16 = TextToUtf16Ex(text, true);
  // The bytes are little-endian code units, as QChar holds them on the machines we build for.
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
  QString string(static_cast<qsizetype>(utf16.size() / 2), Qt::Uninitialized);
  std::memcpy(string.data(), utf16.data(), utf16.size() & ~std::size_t{1});
  return string;
}

Text FromQString(const QString& string) {
  return Utf16ToText(Bytes(std::string_view(reinterpret_cast<const char*>(string.utf16()),
                                            static_cast<std::size_t>(string.size()) * 2)));
}

QString ToDisplayString(const Text& text) {
  QString string = ToQString(text);
  string.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return string;
}

Text WithWindowsLineBreaks(const QString& plain) {
  QString string = plain;
  string.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQString(string);
}

QString ToEditBoxString(const Text& text, bool afterCarriageReturn) {
  QString string = ToQString(text);
  QChar* kept = string.data();
  const QChar* const end = string.constData() + string.size();
  for (const QChar* next = string.constData(); next != end; ++next) {
    if (*next == QLatin1Char('\r')) {
      if (next + 1 != end && next[1] == QLatin1Char('\n')) {
        *kept++ = QLatin1Char('\n');
        ++next;
      }
    } else if (*next == QLatin1Char('\n')) {
      if (next == string.constData() && afterCarriageReturn) {
        *kept++ = QLatin1Char('\n');
      }
    } else {
      *kept++ = *next;
    }
  }
  string.truncate(kept - string.constData());
  return string;
}

QString ToClipboardString(const Text& text) {
  QString lines = ToEditBoxString(text);
  if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n'))) {
    lines += QLatin1Char('\n');
  }
  return lines;
}

}  // namespace quorvane
