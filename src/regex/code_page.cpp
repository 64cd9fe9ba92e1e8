#include "regex/code_page.h"

#include <string>

#include "regex/code_page_converter.h"

namespace quorvane {
namespace {

constexpr std::size_t kUnitBytes = 2;

// The text's code units and then `terminators` NUL units, as little-endian bytes.
Bytes ConvertToBytes(const Text& text, std::size_t terminators) {
  const std::string_view gbk = text.view();
  if (IsAscii(gbk)) {
    std::string bytes = internal::FilledOrReport((gbk.size() + terminators) * kUnitBytes, '\0');
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      bytes[i * kUnitBytes] = gbk[i];
    }
    return Bytes(std::move(bytes));
  }
  internal::CodePageConverter converter;
  const internal::Utf16Units units = converter.ToUtf16(gbk);
  std::string bytes = internal::FilledOrReport((units.size() + terminators) * kUnitBytes, '\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    bytes[i * kUnitBytes] = static_cast<char>(units[i] & 0xFF);
    bytes[i * kUnitBytes + 1] = static_cast<char>(units[i] >> 8);
  }
  return Bytes(std::move(bytes));
}

}  // namespace

Bytes TextToUtf16(const Text& text) {
  return ConvertToBytes(text, 1);
}

Bytes TextToUtf16Ex(const Text& text, bool dropTerminator) {
  if (text.empty()) {
    return {};
  }
  return ConvertToBytes(text, dropTerminator ? 0 : 1);
}

Text Utf16ToText(const Bytes& utf16) {
  const std::string_view bytes = utf16.view();
  const std::size_t unitCount = bytes.size() / kUnitBytes;
  auto unitAt = [&bytes](std::size_t index) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[index * kUnitBytes]) |
                                 static_cast<unsigned char>(bytes[index * kUnitBytes + 1]) << 8);
  };
  // The units that count end at the first NUL unit; most texts are ASCII up to there.
  std::size_t end = 0;
  bool ascii = true;
  for (; end < unitCount; ++end) {
    const char16_t unit = unitAt(end);
    if (unit == 0) {
      break;
    }
    ascii = ascii && unit < 0x80;
  }
  if (ascii) {
    std::string narrow = internal::FilledOrReport(end, '\0');
    for (std::size_t i = 0; i < end; ++i) {
      narrow[i] = bytes[i * kUnitBytes];
    }
    return internal::TextAccess::Adopt(std::move(narrow));
  }
  internal::Utf16Units units(end);
  for (std::size_t i = 0; i < end; ++i) {
    units[i] = unitAt(i);
  }
  internal::CodePageConverter converter;
  return converter.ToText(internal::ViewOf(units), true);
}

}  // namespace quorvane
