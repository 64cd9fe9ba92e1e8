// Lets GoogleTest print texts and buffers readably: printable ASCII as it stands, every other byte
// as a \xNN escape, so GBK bytes and line breaks show in failure messages.
#ifndef QUORVANE_TESTS_SUPPORT_TEXT_PRINTERS_H_
#define QUORVANE_TESTS_SUPPORT_TEXT_PRINTERS_H_

#include <cstdio>
#include <ostream>
#include <string_view>

#include "text/text.h"

namespace quorvane {

inline void PrintEscaped(std::string_view bytes, std::ostream* out) {
  *out << '"';
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x20 && code < 0x7F && byte != '\\' && byte != '"') {
      *out << byte;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
      *out << escaped;
    }
  }
  *out << '"';
}

inline void PrintTo(const Text& text, std::ostream* out) {
  PrintEscaped(text.view(), out);
}
inline void PrintTo(const Bytes& bytes, std::ostream* out) {
  PrintEscaped(bytes.view(), out);
}

}  // namespace quorvane

#endif  // QUORVANE_TESTS_SUPPORT_TEXT_PRINTERS_H_
