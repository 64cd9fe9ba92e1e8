#include "text/gbk_literal.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "regex/code_page.h"
#include "support/text_printers.h"
#include "text/gbk_table.h"
#include "text/text.h"

namespace quorvane {
namespace {

// Every ASCII character but NUL, in order.
#define QUORVANE_ALL_ASCII                                                                           \
  "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18" \
  "\x19\x1A\x1B\x1C\x1D\x1E\x1F !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"  \
  "abcdefghijklmnopqrstuvwxyz{|}~\x7F"

constexpr const char* kConstant = "识别失败"_gbk;
static_assert(kConstant[0] == '\xCA' && kConstant[8] == '\0', "usable in constant expressions");

TEST(GbkLiteralTest, GivesTheBytesOfCodePage936) {
  struct Case {
    const char* literal;
    std::string_view expected;
  };
  const Case cases[] = {
      {"√"_gbk, "\xA1\xCC"},
      {"×"_gbk, "\xA1\xC1"},
      {"※"_gbk, "\xA1\xF9"},
      {"错误"_gbk, "\xB4\xED\xCE\xF3"},
      {"，"_gbk, "\xA3\xAC"},
      // Microsoft's single bytes beyond ASCII: the euro sign and a private-use character.
      {"€"_gbk, "\x80"},
      {"\uF8F5"_gbk, "\xFF"},
      {"YY精彩回顾网址："_gbk, "YY\xBE\xAB\xB2\xCA\xBB\xD8\xB9\xCB\xCD\xF8\xD6\xB7\xA3\xBA"},
      {"\r\n等待获取视频地址..."_gbk,
       "\r\n\xB5\xC8\xB4\xFD\xBB\xF1\xC8\xA1\xCA\xD3\xC6\xB5\xB5\xD8\xD6\xB7..."},
      // Adjacent literals join before the suffix applies.
      {"当前已经"
       "加载："_gbk,
       "\xB5\xB1\xC7\xB0\xD2\xD1\xBE\xAD\xBC\xD3\xD4\xD8\xA3\xBA"},
      {QUORVANE_ALL_ASCII ""_gbk, QUORVANE_ALL_ASCII},
      {""_gbk, ""},
      // A NUL in the literal ends the C string.
      {"a\0中"_gbk, "a"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string_view(c.literal), c.expected);
  }
}

void TakeText(const Text& text, Text* seen) {
  *seen = text;
}

TEST(GbkLiteralTest, StandsWhereTextsAreExpected) {
  EXPECT_EQ(std::string_view(kConstant), "\xCA\xB6\xB1\xF0\xCA\xA7\xB0\xDC");
  EXPECT_EQ(Text("中"_gbk).view(), "\xD6\xD0");
  Text seen;
  TakeText("×"_gbk, &seen);
  EXPECT_EQ(seen.view(), "\xA1\xC1");
  // One static array per distinct literal.
  EXPECT_EQ("错误"_gbk, "错误"_gbk);
}

// The table entry as the GBK text of its bytes.
Text BytesOfEntry(std::uint32_t entry) {
  const std::uint32_t bytes = entry & 0xFFFF;
  std::string text;
  if (bytes > 0xFF) {
    text.push_back(static_cast<char>(bytes >> 8));
  }
  text.push_back(static_cast<char>(bytes & 0xFF));
  return Text(std::move(text));
}

Bytes Utf16Of(char16_t unit) {
  const char bytes[] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return Bytes(std::string_view(bytes, 2));
}

TEST(GbkTableTest, EveryEntryConvertsBothWaysAsTheProgramConverts) {
  std::vector<std::string> mismatches;
  std::uint32_t previous = 0;
  for (const std::uint32_t entry : internal::kGbkTable) {
    EXPECT_GT(entry, previous) << "not sorted";
    previous = entry;
    const auto codePoint = static_cast<char16_t>(entry >> 16);
    const Text gbk = BytesOfEntry(entry);
    if (TextToUtf16Ex(gbk, true) != Utf16Of(codePoint) || Utf16ToText(Utf16Of(codePoint)) != gbk) {
      mismatches.push_back(testing::PrintToString(gbk));
    }
  }
  EXPECT_EQ(internal::kGbkTableSize, 24069U);
  EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " entries differ, the first "
                                  << (mismatches.empty() ? "" : mismatches.front());
}

TEST(GbkTableTest, HoldsEveryCharacterTheProgramConvertsBothWays) {
  std::vector<std::string> sequences;
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    sequences.push_back(std::string(1, static_cast<char>(byte)));
  }
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      sequences.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    }
  }
  std::vector<std::string> missing;
  for (const std::string& sequence : sequences) {
    const Text gbk(sequence);
    const Bytes utf16 = TextToUtf16Ex(gbk, true);
    if (utf16.size() != 2 || utf16 == Utf16Of(u'\uFFFD') || Utf16ToText(utf16) != gbk) {
      continue;  // Not one character of the code page, or one that does not come back.
    }
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(utf16.view()[0]) |
                                            static_cast<unsigned char>(utf16.view()[1]) << 8);
    const std::int32_t bytes = internal::GbkBytesOf(unit);
    const std::int32_t expected = sequence.size() == 1 ? static_cast<unsigned char>(sequence[0])
                                                       : static_cast<unsigned char>(sequence[0]) << 8 |
                                                             static_cast<unsigned char>(sequence[1]);
    if (bytes != expected) {
      missing.push_back(testing::PrintToString(gbk));
    }
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " characters missing, the first "
                               << (missing.empty() ? "" : missing.front());
}

TEST(GbkTableTest, HasNoBytesForWhatCodePage936CannotWrite) {
  // NUL ends a C string; U+00A2 has only a one-way "best-fit" mapping; surrogates and characters
  // beyond the BMP are not in the code page.
  for (const char32_t codePoint : {U'\0', U'\u00A2', U'\U0001F600', char32_t{0xD800}, char32_t{0x110000}}) {
    EXPECT_EQ(internal::GbkBytesOf(codePoint), -1) << static_cast<std::uint32_t>(codePoint);
  }
  EXPECT_EQ(internal::GbkBytesOf(U'\u4E2D'), 0xD6D0);
}

}  // namespace
}  // namespace quorvane
