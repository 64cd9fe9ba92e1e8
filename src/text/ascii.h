// ASCII helpers that every layer shares: letter case, case-insensitive comparison and the scan for
// bytes outside ASCII.
//
// Wherever the program itself ignores letter case, only the 26 ASCII letters fold; every other byte,
// each byte of a two-byte GBK character included, compares exactly. These helpers work on bytes and
// know nothing of characters: the text primitives add the GBK character walk on top.
//
// Example:
//   AsciiToUpper('q') -> 'Q';  AsciiToUpper('\xB0') -> '\xB0'
//   StartsWithIgnoringAsciiCase("HTTP://host/", "http://") -> true
//   FindHighByte("ab\xD6\xD0", 0, 4) -> 2;  IsAscii("#EXTM3U") -> true
#ifndef QUORVANE_TEXT_ASCII_H_
#define QUORVANE_TEXT_ASCII_H_

#include <cstddef>
#include <string_view>

namespace quorvane {

constexpr char AsciiToUpper(char byte) {
  return (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A') : byte;
}

constexpr char AsciiToLower(char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// True when `a` and `b` hold the same bytes once the ASCII letters are folded.
constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiToUpper(a[i]) != AsciiToUpper(b[i])) {
      return false;
    }
  }
  return true;
}

// True when `text` begins with `prefix`, ASCII letters folded; an empty prefix begins every text.
constexpr bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// True for a byte of 0x80 or more: in GBK, the first byte of a two-byte character.
constexpr bool IsHighByte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

// Index of the first byte of 0x80 or more in [from, to) of `bytes`, or `to` when there is none.
// Crosses ASCII stretches a machine word at a time.
std::size_t FindHighByte(std::string_view bytes, std::size_t from, std::size_t to);

// True when every byte is below 0x80 (the empty text too).
inline bool IsAscii(std::string_view bytes) {
  return FindHighByte(bytes, 0, bytes.size()) == bytes.size();
}

}  // namespace quorvane

#endif  // QUORVANE_TEXT_ASCII_H_
