// GBK text literals made by the compiler: "错误"_gbk is the GBK bytes of the characters "错误".
//
// Sources are UTF-8 and the program's texts are GBK (Microsoft's code page 936). The suffix turns
// the UTF-8 bytes of a narrow string literal into GBK at compile time, with the table of
// gbk_table.h, so every C++20 compiler builds the same bytes: ASCII stays as it is, the euro sign is
// 80, "√" is A1 CC. The result is a `const char*` to a NUL-terminated static array, one per distinct
// literal, that can stand wherever a GBK C string or a `Text` is expected. Adjacent literals join
// before the suffix applies: "ab" "中"_gbk is "ab中"_gbk. A NUL written into the literal ends the C
// string there.
//
// A literal that is not UTF-8 (a source saved in another encoding, "\xA1" escapes) or that holds a
// character code page 936 cannot write stops the build with a static assertion naming the problem,
// the byte offset in the literal and, for a character, its code point. The narrow literals of a
// file that includes this header must reach the compiler as UTF-8, which is the default of GCC and
// clang: a build with -fexec-charset set to anything else stops at the first assertion below.
//
// Example: constexpr const char* kFailure = "识别失败"_gbk;   // CA B6 B1 F0 CA A7 B0 DC
//          Text report("错误信息："_gbk);
//          window.SetControlText(Control::kResultMark, "×"_gbk);   // A1 C1
#ifndef QUORVANE_TEXT_GBK_LITERAL_H_
#define QUORVANE_TEXT_GBK_LITERAL_H_

#include <cstddef>
#include <cstdint>

#include "text/gbk_table.h"

static_assert(sizeof("\u00E9") == 3 && "\u00E9"[0] == '\xC3' && "\u00E9"[1] == '\xA9',
              "gbk_literal.h reads the UTF-8 bytes of narrow literals: build this file without "
              "-fexec-charset (or with -fexec-charset=UTF-8)");

namespace quorvane {
namespace internal {

// A narrow string literal as a template argument, with its terminating NUL.
template <std::size_t kSize>
struct Utf8Literal {
  consteval Utf8Literal(const char (&literal)[kSize]) {  // NOLINT(google-explicit-constructor)
    for (std::size_t i = 0; i < kSize; ++i) {
      bytes[i] = literal[i];
    }
  }

  char bytes[kSize] = {};
};

enum class GbkLiteralProblem { kNone, kNotUtf8, kNotInGbk };

// The GBK bytes of a literal, padded with NUL bytes to the literal's size (a character never takes
// more bytes in GBK than in UTF-8), or the first problem: the offset of its first byte in the
// literal and, for a character that GBK cannot write, its code point.
template <std::size_t kSize>
struct GbkLiteral {
  char bytes[kSize] = {};
  GbkLiteralProblem problem = GbkLiteralProblem::kNone;
  std::size_t problemOffset = 0;
  char32_t problemCodePoint = 0;
};

// A code point and the number of bytes it takes in UTF-8; zero bytes for bytes that are not UTF-8.
struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 0;
};

// The character that starts at `bytes[offset]`, reading no further than `size`. Overlong forms,
// surrogates, values beyond U+10FFFF and cut sequences are not UTF-8.
constexpr Utf8Character DecodeUtf8(const char* bytes, std::size_t size, std::size_t offset) {
  auto byteAt = [bytes](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
  const unsigned char lead = byteAt(offset);
  if (lead < 0x80) {
    return {lead, 1};
  }
  std::size_t length = 0;
  char32_t codePoint = 0;
  // The second byte's range excludes the overlong forms, the surrogates and values past U+10FFFF.
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    secondLow = lead == 0xE0 ? 0xA0 : 0x80;
    secondHigh = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    secondLow = lead == 0xF0 ? 0x90 : 0x80;
    secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return {};
  }
  if (size - offset < length) {
    return {};
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byteAt(offset + i);
    const unsigned char low = i == 1 ? secondLow : 0x80;
    const unsigned char high = i == 1 ? secondHigh : 0xBF;
    if (next < low || next > high) {
      return {};
    }
    codePoint = codePoint << 6 | (next & 0x3F);
  }
  return {codePoint, length};
}

template <std::size_t kSize>
consteval GbkLiteral<kSize> ConvertToGbk(const Utf8Literal<kSize>& utf8) {
  GbkLiteral<kSize> gbk;
  const std::size_t length = kSize - 1;  // Without the terminating NUL.
  std::size_t written = 0;
  for (std::size_t offset = 0; offset < length;) {
    if (static_cast<unsigned char>(utf8.bytes[offset]) < 0x80) {
      gbk.bytes[written++] = utf8.bytes[offset++];
      continue;
    }
    const Utf8Character character = DecodeUtf8(utf8.bytes, length, offset);
    if (character.length == 0) {
      gbk.problem = GbkLiteralProblem::kNotUtf8;
      gbk.problemOffset = offset;
      return gbk;
    }
    const std::int32_t bytes = GbkBytesOf(character.codePoint);
    if (bytes < 0) {
      gbk.problem = GbkLiteralProblem::kNotInGbk;
      gbk.problemOffset = offset;
      gbk.problemCodePoint = character.codePoint;
      return gbk;
    }
    if (bytes > 0xFF) {
      gbk.bytes[written++] = static_cast<char>(bytes >> 8);
    }
    gbk.bytes[written++] = static_cast<char>(bytes & 0xFF);
    offset += character.length;
  }
  return gbk;
}

// One static array per distinct literal, shared by every translation unit that writes it.
template <Utf8Literal kUtf8>
inline constexpr GbkLiteral kGbkLiteralOf = ConvertToGbk(kUtf8);

// Instantiated only for a literal with a problem, so that the compiler's message names the byte
// offset (and the code point) among the template arguments.
template <std::size_t kByteOffset>
struct LiteralIsNotUtf8AtByteOffset {
  static_assert(kByteOffset != kByteOffset,
                "_gbk: the literal is not UTF-8 from this byte offset on; save the source as UTF-8 and "
                "write the characters themselves, not \\x escapes");
  static constexpr bool kReported = true;
};

template <char32_t kCodePoint, std::size_t kByteOffset>
struct CharacterHasNoGbkBytes {
  static_assert(kCodePoint != kCodePoint,
                "_gbk: code page 936 (GBK) cannot write the character with this code point, found at "
                "this byte offset of the literal");
  static constexpr bool kReported = true;
};

}  // namespace internal

inline namespace literals {

// The GBK bytes of the literal's characters; see the top of this file.
template <internal::Utf8Literal kUtf8>
consteval const char* operator""_gbk() {
  constexpr const auto& gbk = internal::kGbkLiteralOf<kUtf8>;
  if constexpr (gbk.problem == internal::GbkLiteralProblem::kNotUtf8) {
    static_assert(internal::LiteralIsNotUtf8AtByteOffset<gbk.problemOffset>::kReported);
  } else if constexpr (gbk.problem == internal::GbkLiteralProblem::kNotInGbk) {
    static_assert(internal::CharacterHasNoGbkBytes<gbk.problemCodePoint, gbk.problemOffset>::kReported);
  }
  return gbk.bytes;
}

}  // namespace literals
}  // namespace quorvane

#endif  // QUORVANE_TEXT_GBK_LITERAL_H_
