#include "text/text_between.h"

#include <gtest/gtest.h>

#include "support/text_printers.h"
#include "text/hooks.h"

namespace quorvane {
namespace {

TEST(TextBetweenTest, SingleMode) {
  struct Case {
    Text source;
    Text startMarker;
    Text endMarker;
    bool ignoreCase;
    Text expected;
  };
  const Case cases[] = {
      {"x[a]y[b]", "[", "]", false, "a"},
      {"]a[b]", "[", "]", false, "b"},
      {"x]a", "[", "]", false, ""},
      {"x[a", "[", "]", false, ""},
      {"abc]x", "", "]", false, "abc"},
      {"ab[cd", "[", "", false, "cd"},
      {"abc", "", "", false, "abc"},
      {"ab[", "[", "", false, ""},
      {"a[]b", "[", "]", false, ""},
      {"!ABC1!v!ABC2!", "!abc1!", "!abc2!", true, "v"},
      {"!ABC1!v!ABC2!", "!abc1!", "!abc2!", false, ""},
      // GBK: the trail bytes 5B and 5D of 81 5B / 81 5D are not markers.
      {"\x81[\xD6\xD0[\xD6\xD0\x81]]", "[", "]", false, "\xD6\xD0\x81]"},
      {"http://www.yy.com/index/v/15012x01_1?entrance=index&gsid=", "http://www.yy.com/index/v/",
       "?entrance=index&gsid=", false, "15012x01_1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextBetween(c.source, c.startMarker, c.endMarker, c.ignoreCase), c.expected)
        << "source " << testing::PrintToString(c.source) << "";
  }
}

TEST(TextBetweenTest, AllOccurrencesMode) {
  struct Case {
    Text source;
    Text startMarker;
    Text endMarker;
    Text expected;
  };
  const Case cases[] = {
      {"[a][b][c]", "[", "]", "a,b,c,"},
      // The end marker of one part is the start marker of the next; the last comma has no end.
      {",a,b,c", ",", ",", "a,b,"},
      {"[a][b", "[", "]", "a,"},
      {"abc", "[", "]", ""},
      {"[A]", "[", "]", "A,"},
      {"\xD6\xD0[\xB0\xA1]\x81[x]", "[", "]", "\xB0\xA1,"},
  };
  for (const Case& c : cases) {
    Text separator = ",";
    EXPECT_EQ(TextBetween(c.source, c.startMarker, c.endMarker, false, true, &separator), c.expected)
        << "source " << testing::PrintToString(c.source) << "";
    EXPECT_EQ(separator, Text(","));
  }
}

TEST(TextBetweenTest, AllOccurrencesWritesTheDefaultSeparatorBack) {
  Text separator;
  EXPECT_EQ(TextBetween("[a][b][c]", "[", "]", false, true, &separator), Text("a\r\nb\r\nc\r\n"));
  EXPECT_EQ(separator, Text("\r\n"));
  EXPECT_EQ(TextBetween("<A>x</a>", "<a>", "</A>", true, true), Text("x\r\n"));
}

TEST(TextBetweenTest, AllOccurrencesWithAnEmptyMarkerGivesTheEmptyText) {
  Text separator = ";";
  EXPECT_EQ(TextBetween("[a][b]", "", "]", false, true, &separator), Text());
  EXPECT_EQ(TextBetween("[a][b]", "[", "", false, true, &separator), Text());
  EXPECT_EQ(TextBetween("[a][b]", "", "", false, true, &separator), Text());
}

TEST(TextBetweenTest, AllOccurrencesDispatchesEventsOncePerPart) {
  int calls = 0;
  SetPendingEventsProcessor([&calls] { ++calls; });
  TextBetween("[a][b][c][d", "[", "]", false, true);
  EXPECT_EQ(calls, 3);
  TextBetween("[a][b]", "[", "]");  // single mode dispatches nothing
  EXPECT_EQ(calls, 3);
  SetPendingEventsProcessor(nullptr);
}

}  // namespace
}  // namespace quorvane
