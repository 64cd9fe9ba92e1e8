#include "regex/code_page.h"

#include <string>

#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

Bytes Raw(std::string_view bytes) {
  return Bytes(bytes);
}

TEST(CodePageTest, TextToUtf16EndsWithOneNulUnit) {
  struct Case {
    Text text;
    std::string_view expected;
  };
  const Case cases[] = {
      {"", std::string_view("\0\0", 2)},
      {"A", std::string_view("A\0\0\0", 4)},
      {"\xD6\xD0", std::string_view("\x2D\x4E\0\0", 4)},
      // Microsoft's table: 0x80 is the euro sign, 0xFF a private-use character.
      {"\x80", std::string_view("\xAC\x20\0\0", 4)},
      {"a\xFF", std::string_view("a\0\xF5\xF8\0\0", 6)},
      // Not GBK: a lone lead byte at the end, a lead byte before a digit.
      {"x\x81", std::string_view("x\0\xFD\xFF\0\0", 6)},
      {"\x81\x30", std::string_view("\xFD\xFF\x30\0\0\0", 6)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToUtf16(c.text), Raw(c.expected)) << testing::PrintToString(c.text);
  }
}

TEST(CodePageTest, TextToUtf16ExGivesTheEmptyTextNoBytes) {
  EXPECT_EQ(TextToUtf16Ex("A"), Raw(std::string_view("A\0\0\0", 4)));
  EXPECT_EQ(TextToUtf16Ex("A", true), Raw(std::string_view("A\0", 2)));
  EXPECT_EQ(TextToUtf16Ex("\xD6\xD0", true), Raw("\x2D\x4E"));
  EXPECT_EQ(TextToUtf16Ex(""), Bytes());
  EXPECT_EQ(TextToUtf16Ex("", true), Bytes());
}

TEST(CodePageTest, Utf16ToText) {
  struct Case {
    std::string_view utf16;
    Text expected;
  };
  const Case cases[] = {
      {std::string_view("A\0B\0", 4), "AB"},
      {"\x2D\x4E", "\xD6\xD0"},
      {std::string_view("A\0\0\0B\0", 6), "A"},
      {std::string_view("\x2D\x4E\0\0B\0", 6), "\xD6\xD0"},
      {std::string_view("A\0B", 3), "A"},
      {"", ""},
      {"A", ""},
      {"\xAC\x20", "\x80"},
      // A base letter and a combining diaeresis become the precomposed u-umlaut, A8 B9.
      {std::string_view("u\0\x08\x03", 4), "\xA8\xB9"},
      {std::string_view("x\0u\0\x08\x03y\0", 8), "x\xA8\xB9y"},
      // A mark with no precomposed form, and characters outside GBK, become the default character.
      {std::string_view("q\0\x08\x03", 4), "q?"},
      {"\xAC\xAC", "?"},
      {std::string_view("\x00\xD8", 2), "?"},
      {std::string_view("\x3D\xD8\x00\xDE", 4), "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16ToText(Raw(c.utf16)), c.expected) << testing::PrintToString(Raw(c.utf16));
  }
}

TEST(CodePageTest, RoundTripKeepsEveryGbkCharacter) {
  // Every two-byte character of the table, ASCII, and GBK's compatibility ideographs (FD 9C is
  // U+F92C), which a full normalisation would turn into other characters.
  std::string all;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail != 0x7F) {
        all.push_back(static_cast<char>(lead));
        all.push_back(static_cast<char>(trail));
      }
    }
  }
  for (int byte = 1; byte <= 0x80; ++byte) {
    all.push_back(static_cast<char>(byte));
  }
  all.append("\xFD\x9C");
  const Text text(all);
  EXPECT_EQ(Utf16ToText(TextToUtf16(text)), text);
  EXPECT_EQ(Utf16ToText(TextToUtf16Ex(text, true)), text);
}

TEST(CodePageTest, LongTextsConvertBothWays) {
  std::string chinese;
  for (int i = 0; i < 200000; ++i) {
    chinese.append(i % 3 == 0 ? "\xD6\xD0\xCE\xC4" : "http://a/b.ts\r\n");
  }
  const Text text(chinese);
  const Bytes utf16 = TextToUtf16Ex(text, true);
  EXPECT_EQ(utf16.size() % 2, 0U);
  EXPECT_EQ(Utf16ToText(utf16), text);
}

}  // namespace
}  // namespace quorvane
