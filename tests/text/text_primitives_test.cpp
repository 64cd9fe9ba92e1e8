#include "text/text_primitives.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/text_printers.h"

// The tables write GBK bytes as escapes next to ASCII ("\xB0" "a"); clang-format would put every
// such piece on a line of its own.
// clang-format off
namespace quorvane {
namespace {

// Builds a text from bytes written as a string literal that may hold GBK bytes in escapes.
Text Raw(std::string_view bytes) { return Text(bytes); }

TEST(TextPrimitivesTest, LeftRightAndMidClampInsteadOfRefusing) {
  struct Case {
    Text actual;
    Text expected;
  };
  const Case cases[] = {
      {TextLeft("abc", 2), "ab"},         {TextLeft("abc", 5), "abc"},       {TextLeft("abc", 0), ""},
      {TextLeft("abc", -1), ""},          {TextRight("abc", 2), "bc"},       {TextRight("abc", 5), "abc"},
      {TextRight("abc", 0), ""},          {TextRight("abc", -1), ""},        {TextMid("abcdef", 3, 2), "cd"},
      {TextMid("abcdef", 5, 10), "ef"},   {TextMid("abcdef", 0, 2), ""},     {TextMid("abcdef", 7, 1), ""},
      {TextMid("abcdef", 3, 0), ""},      {TextMid("abcdef", 6, 1), "f"},    {TextMid("", 1, 1), ""},
      // Bytes are counted without regard to characters: a cut may split a two-byte character.
      {TextLeft(Raw("\xD6\xD0" "a"), 1), Raw("\xD6")},
      {TextMid("abc", 2, 2147483647), "bc"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
  }
  EXPECT_EQ(TextLength(Raw("\xD6\xD0" "a")), 3);
  EXPECT_EQ(TextLength({}), 0);
}

TEST(TextPrimitivesTest, FindText) {
  struct Case {
    Text text;
    Text sought;
    int start;
    bool ignoreCase;
    int expected;
  };
  const Case cases[] = {
      {"abcabc", "c", 1, false, 3},
      {"abcabc", "c", 4, false, 6},
      {"abcabc", "c", 7, false, -1},
      {"abcabc", "c", 0, false, 3},
      {"abcabc", "c", -5, false, 3},
      {"abcabc", "bca", 1, false, 2},
      {"abcabc", "abcabcd", 1, false, -1},
      // An empty sought text is found at 1, not at the start, while any byte remains.
      {"abc", "", 1, false, 1},
      {"abc", "", 2, false, 1},
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"", "", 1, false, -1},
      {"", "a", 1, false, -1},
      // A match never starts on the second byte of a two-byte character.
      {Raw("\x81["), "[", 1, false, -1},
      {Raw("\x81[["), "[", 1, false, 3},
      {Raw("\x81]x]"), "]", 1, false, 4},
      {Raw("\xB0" "a" "a"), "a", 1, false, 3},
      {Raw("\xB0" "ab\xB0" "abc"), "abc", 1, false, -1},
      {Raw("\xB0" "aabc"), "abc", 1, false, 3},
      {Raw("\xD6\xD0\xD6\xD0"), Raw("\xD0\xD6"), 1, false, -1},
      {Raw("a\xD6\xD0\xD6\xD0"), Raw("\xD6\xD0"), 2, false, 2},
      // The walk begins at the start byte even when it is a second byte, and pairs from there.
      {Raw("\x81[["), "[", 2, false, 2},
      {Raw("a\xD6\xD0\xD6\xD0"), Raw("\xD6\xD0"), 3, false, -1},
      // A lone lead byte at the end: a match is tried there, then the walk ends.
      {Raw("ab\x81"), Raw("\x81"), 1, false, 3},
      {Raw("ab\x81"), Raw("\x81" "c"), 1, false, -1},
      // Ignoring case folds the ASCII letters only.
      {"xabc", "ABC", 1, true, 2},
      {"xabc", "ABC", 1, false, -1},
      {"HTTP://h", "http://", 1, true, 1},
      {Raw("\xB0" "a" "A"), "a", 1, true, 3},
      {Raw("\xC1\xE1"), Raw("\xC1\xC1"), 1, true, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignoreCase), c.expected)
        << "text " << testing::PrintToString(c.text) << " sought " << testing::PrintToString(c.sought) << " from " << c.start;
  }
}

TEST(TextPrimitivesTest, ReplaceAt) {
  EXPECT_EQ(ReplaceAt("abcdefghij", 1, 7), Text("hij"));
  EXPECT_EQ(ReplaceAt("abcdefghij", 20, 3, "z"), Text("abcdefghijz"));
  EXPECT_EQ(ReplaceAt("abcdefghij", 0, -3, "z"), Text("zabcdefghij"));
  EXPECT_EQ(ReplaceAt("abcdefghij", 9, 99, "Z"), Text("abcdefghZ"));
  EXPECT_EQ(ReplaceAt("abc", 2, 1, "XY"), Text("aXYc"));
  EXPECT_EQ(ReplaceAt("", 1, 1, "z"), Text("z"));
}

TEST(TextPrimitivesTest, ReplaceSubtext) {
  struct Case {
    Text text;
    Text sought;
    Text replacement;
    int start;
    std::optional<int> count;
    bool caseSensitive;
    Text expected;
  };
  const Case cases[] = {
      {"axbxc", "x", "yz", 1, std::nullopt, true, "ayzbyzc"},
      {"axbxc", "x", "yz", 1, 1, true, "ayzbxc"},
      {"axbxc", "x", "yz", 3, std::nullopt, true, "axbyzc"},
      {"axbxc", "x", "yz", 1, 0, true, "axbxc"},
      {"axbxc", "x", "", 1, std::nullopt, true, "abc"},
      {"axbxc", "x", "yz", 1, -1, true, "ayzbyzc"},
      {"axbxc", "x", "yz", 0, std::nullopt, true, "ayzbyzc"},
      {"axbxc", "x", "yz", 6, std::nullopt, true, "axbxc"},
      {"axbxc", "", "yz", 1, std::nullopt, true, "axbxc"},
      {"", "x", "yz", 1, std::nullopt, true, ""},
      {"xABy", "ab", "-", 1, std::nullopt, false, "x-y"},
      {"xABy", "ab", "-", 1, std::nullopt, true, "xABy"},
      // Occurrences never overlap, and a replacement is never searched again.
      {"aaa", "aa", "b", 1, std::nullopt, true, "ba"},
      {"ab", "a", "aa", 1, std::nullopt, true, "aab"},
      // The second byte 0x5D of the character 81 5D is never replaced.
      {Raw("\x81]]"), "]", "\\]", 1, std::nullopt, true, Raw("\x81]\\]")},
      {Raw("\xD6\xD0" "a"), "a", "b", 1, std::nullopt, true, Raw("\xD6\xD0" "b")},
      // A lone lead byte at the end ends the walk: left out when the scan reaches it...
      {Raw("ab\x81"), "x", "y", 1, std::nullopt, true, "ab"},
      // ...kept when the scan stops before it for want of bytes, or after the count is reached.
      {Raw("ab\x81"), "xy", "z", 1, std::nullopt, true, Raw("ab\x81")},
      {Raw("ab\x81"), "a", "z", 1, 1, true, Raw("zb\x81")},
      {Raw("a\xD6\xD0\x81"), "a", "z", 1, std::nullopt, true, Raw("z\xD6\xD0")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceSubtext(c.text, c.sought, c.replacement, c.start, c.count, c.caseSensitive), c.expected)
        << "text " << testing::PrintToString(c.text) << " sought " << testing::PrintToString(c.sought) << "";
  }
}

TEST(TextPrimitivesTest, TrimSpaces) {
  struct Case {
    Text text;
    Text expected;
  };
  const Case cases[] = {
      {Raw("  \xA1\xA1" "ab \xA1\xA1"), "ab"},
      {"\tab\n", "\tab\n"},
      {"   ", ""},
      {"", ""},
      {"a b", "a b"},
      {Raw("\xD6\xD0 "), Raw("\xD6\xD0")},
      // A1 A1 is a space only at a character start: the first A1 here is the trail of D6 A1.
      {Raw("\xD6\xA1\xA1\xA1"), Raw("\xD6\xA1")},
      {Raw("\xD6\xA1\xA1" "b"), Raw("\xD6\xA1\xA1" "b")},
      // A lone lead byte at the end is left out.
      {Raw("ab\x81"), "ab"},
      {Raw("ab \x81"), "ab"},
      {Raw("\x81"), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrimSpaces(c.text), c.expected) << "text " << testing::PrintToString(c.text) << "";
  }
}

TEST(TextPrimitivesTest, CaseChangeTouchesAsciiLettersOnly) {
  EXPECT_EQ(ToUpper(Raw("abc\xB0" "a")), Raw("ABC\xB0" "a"));
  EXPECT_EQ(ToLower(Raw("ABC\xB0" "A" "Z")), Raw("abc\xB0" "Az"));
  EXPECT_EQ(ToUpper("a1-z{"), Text("A1-Z{"));
  EXPECT_EQ(ToUpper(Raw("a\x81")), Raw("A\x81"));
}

TEST(TextPrimitivesTest, CompareAndEquals) {
  EXPECT_EQ(CompareText("abc", "abc", true), 0);
  EXPECT_EQ(CompareText("HTTP://", "http://", false), 0);
  EXPECT_NE(CompareText("HTTP://", "http://", true), 0);
  EXPECT_LT(CompareText("ab", "abc", false), 0);
  EXPECT_GT(CompareText("b", "A", false), 0);
  // Two-byte characters compare whole: B0 61 and B0 41 differ even without case sensitivity.
  EXPECT_NE(CompareText(Raw("\xB0" "a"), Raw("\xB0" "A"), false), 0);
  EXPECT_TRUE(TextEquals({}, ""));
  EXPECT_FALSE(TextEquals("GET", "get"));
}

TEST(TextPrimitivesTest, BlankAndJoin) {
  EXPECT_EQ(BlankText(3), Text("   "));
  EXPECT_EQ(BlankText(0), Text());
  EXPECT_EQ(BlankText(-2), Text());
  const Text missing;
  EXPECT_EQ(JoinTexts("a", missing, Text("b"), "c"), Text("abc"));
  EXPECT_EQ(JoinTexts(missing, missing), Text());
}

}  // namespace
}  // namespace quorvane
// clang-format on
