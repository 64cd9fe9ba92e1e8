// Code page 936 (Microsoft's GBK) as a table the compiler can read: every character with its bytes.
//
// The table is the one the program converts with (ICU's "windows-936"), keeping the mappings that
// go both ways; gbk_table.inc says how it is made. It serves conversions at compile time, where no
// converter library can be called; at run time the code-page conversion (regex/code_page.h) is the
// one to use.
#ifndef QUORVANE_TEXT_GBK_TABLE_H_
#define QUORVANE_TEXT_GBK_TABLE_H_

#include <cstddef>
#include <cstdint>

namespace quorvane::internal {

// Each entry is (code point << 16) | bytes, ascending by code point, so ascending as integers too.
// The bytes are one byte when below 0x100, and otherwise a lead byte (0x81 to 0xFE) shifted left by
// 8 and a trail byte. U+0000 is not listed.
inline constexpr std::uint32_t kGbkTable[] = {
#include "text/gbk_table.inc"
};

inline constexpr std::size_t kGbkTableSize = sizeof kGbkTable / sizeof kGbkTable[0];

// The GBK bytes of `codePoint` in the packing of kGbkTable, or -1 when code page 936 cannot write
// it (U+0000 included).
//
// Example: GbkBytesOf(U'A') -> 0x41, GbkBytesOf(U'\u20AC') -> 0x80, GbkBytesOf(U'\u4E2D') -> 0xD6D0,
//          GbkBytesOf(U'\U0001F600') -> -1
constexpr std::int32_t GbkBytesOf(char32_t codePoint) {
  if (codePoint == 0 || codePoint > 0xFFFF) {
    return -1;
  }
  std::size_t low = 0;
  std::size_t high = kGbkTableSize;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (kGbkTable[middle] >> 16 < codePoint) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low == kGbkTableSize || kGbkTable[low] >> 16 != codePoint) {
    return -1;
  }
  return static_cast<std::int32_t>(kGbkTable[low] & 0xFFFF);
}

}  // namespace quorvane::internal

#endif  // QUORVANE_TEXT_GBK_TABLE_H_
