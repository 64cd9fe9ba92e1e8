#include "text/extraction.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "playlist.h"
#include "support/text_printers.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

std::vector<Text> Elements(const TextArray& list) {
  return std::vector<Text>(list.begin(), list.end());
}

TEST(RegexTextBetweenAllTest, CollectsEveryPieceBetweenTheMarkers) {
  struct Case {
    Text text;
    Text startMarker;
    Text endMarker;
    std::vector<Text> expected;
  };
  const Case cases[] = {
      {"[a][b][c]", "[", "]", {"a", "b", "c"}},
      // The comma after a was taken by the first match, so it opens no second piece.
      {",a,b,c", ",", ",", {"a"}},
      {"[a][b", "[", "]", {"a"}},
      {"abc", "[", "]", {}},
      {"[a\r\nb]", "[", "]", {"a\r\nb"}},
      {"abxcd", "AB", "CD", {"x"}},
      // The full stop is not escaped, so it matches any character.
      {"abcXY", "a.c", "Y", {"X"}},
      {"\"ab\"", "#引号", "#引号", {"ab"}},
      // A marker with CR LF matches a lone line feed, not CR LF.
      {"<\r\nx>", "<\r\n", ">", {}},
      {"<\nx>", "<\r\n", ">", {"x"}},
      {"1+1=2?yes!", "1+1=2?", "!", {"yes"}},
      // GBK around the markers; 81 5B is one character, whose trail byte is no "[".
      {"中文[甲]乙\x81[丙]丁", "[", "]", {"甲"}},
      {"名称：「视频」、「音频」", "「", "」", {"视频", "音频"}},
      {"<B>粗</b><b>体</B>", "<b>", "</b>", {"粗", "体"}},
  };
  for (const Case& c : cases) {
    TextArray list;
    list.Append("old");
    const int count = RegexTextBetweenAll(c.text, c.startMarker, c.endMarker, &list);
    EXPECT_EQ(Elements(list), c.expected) << testing::PrintToString(c.text);
    EXPECT_EQ(count, static_cast<int>(c.expected.size()));
    EXPECT_EQ(RegexTextBetweenAll(c.text, c.startMarker, c.endMarker), count);
  }
}

TEST(RegexTextBetweenAllTest, DressesAndFiltersThePieces) {
  struct Case {
    Text text;
    int maximumLength;
    Text prefix;
    Text suffix;
    bool includeStartMarker;
    bool includeEndMarker;
    std::vector<Text> expected;
  };
  const Case cases[] = {
      {"[a][b][c]", 0, "(", ")", false, false, {"(a)", "(b)", "(c)"}},
      {"[a][b][c]", 0, "-", "", true, true, {"[-a]", "[-b]", "[-c]"}},
      {"[a][b][c]", 0, "", "", false, true, {"a]", "b]", "c]"}},
      {"[a][bb][c]", 1, "", "", false, false, {"a", "c"}},
      {"[a][bb][c]", 0, "", "", false, false, {"a", "bb", "c"}},
      {"[a][bb][c]", -1, "", "", false, false, {}},
      // The length is counted in GBK bytes: 中 is two.
      {"[a][中][c]", 1, "<", ">", false, false, {"<a>", "<c>"}},
  };
  for (const Case& c : cases) {
    TextArray list;
    const int count = RegexTextBetweenAll(c.text, "[", "]", &list, c.maximumLength, c.prefix, c.suffix,
                                          c.includeStartMarker, c.includeEndMarker);
    EXPECT_EQ(Elements(list), c.expected) << c.maximumLength;
    EXPECT_EQ(count, static_cast<int>(c.expected.size()));
    EXPECT_EQ(RegexTextBetweenAll(c.text, "[", "]", nullptr, c.maximumLength), count);
  }
}

TEST(RegexTextBetweenAllTest, ListsEverySegmentAddressOfACrLfPlaylist) {
  const tools::PlaylistOptions options{.segments = 500, .lineEnd = "\r\n"};
  const Text playlist(tools::MakePlaylist(options));
  TextArray list;
  ASSERT_EQ(RegexTextBetweenAll(playlist, "http://", "#EXT", &list), 500);
  for (const int index : {1, 250, 500}) {
    EXPECT_EQ(JoinTexts("http://", list.At(index)), Text(tools::SegmentAddress(options, index) + "\r\n"));
  }
}

TEST(RegexEscapeTest, EscapesTheListedCharactersOnly) {
  struct Case {
    Text marker;
    Text expected;
  };
  const Case cases[] = {
      {"1+1=2?", "1\\+1=2\\?"},
      {"http://", "http://"},
      {"#EXT", "#EXT"},
      {"*[](){}", "\\*\\[\\]\\(\\)\\{\\}"},
      {".^$|\\-", ".^$|\\-"},
      {"a#引号b", "a\"b"},
      {"a\r\nb\nc\r", "a\\nb\nc\r"},
      // GBK trail bytes that equal "[" or "]" belong to their character and stay as they are.
      {"\x81[\x81]", "\x81[\x81]"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RegexEscape(c.marker), c.expected) << testing::PrintToString(c.marker);
  }
}

TEST(ReplaceFivePairsTest, EachPairWorksOnTheResultOfTheOneBefore) {
  EXPECT_EQ(ReplaceFivePairs("aa", 1, 0, false, "a", "b", "b", "c"), Text("ca"));
  EXPECT_EQ(ReplaceFivePairs("aa", std::nullopt, 0, false, "a", "b", "b", "c"), Text("cc"));
  EXPECT_EQ(
      ReplaceFivePairs("abcde", std::nullopt, 1, false, "a", "1", "b", "2", "c", "3", "d", "4", "e", "5"),
      Text("12345"));
  EXPECT_EQ(ReplaceFivePairs("AaAa", std::nullopt, 0, false, "a", "x"), Text("xxxx"));
  EXPECT_EQ(ReplaceFivePairs("AaAa", std::nullopt, 0, true, "a", "x"), Text("AxAx"));
  EXPECT_EQ(ReplaceFivePairs("aaaa", std::nullopt, 3, true, "a", "x"), Text("aaxx"));
  EXPECT_EQ(ReplaceFivePairs("abc", std::nullopt, 1, false, "", "x", "b", ""), Text("ac"));
}

}  // namespace
}  // namespace quorvane
