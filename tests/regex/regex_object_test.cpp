#include "regex/regex_object.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

std::vector<Text> AllMatches(const RegexObject& regex) {
  std::vector<Text> texts;
  for (int i = 1; i <= regex.GetMatchCount(); ++i) {
    texts.push_back(regex.GetMatchText(i));
  }
  return texts;
}

void ExpectEmpty(const RegexObject& regex) {
  EXPECT_EQ(regex.GetMatchCount(), 0);
  EXPECT_EQ(regex.GetSubmatchCount(), 0);
  int position = 7;
  EXPECT_EQ(regex.GetMatchText(1, &position), Text());
  EXPECT_EQ(position, -2);
  position = 7;
  EXPECT_EQ(regex.GetSubmatchText(1, 1, &position), Text());
  EXPECT_EQ(position, -2);
  EXPECT_EQ(regex.Replace("o"), Text());
}

TEST(RegexObjectTest, BeforeTheFirstCreateEverythingIsEmpty) {
  RegexObject regex;
  ExpectEmpty(regex);
  EXPECT_EQ(regex.GetPattern(), Text());
}

TEST(RegexObjectTest, APatternTheEngineRefusesLeavesOnlyThePattern) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("a", "banana"));
  EXPECT_FALSE(regex.Create("(", "banana"));
  ExpectEmpty(regex);
  EXPECT_EQ(regex.GetPattern(), Text("("));
}

TEST(RegexObjectTest, CaseIsIgnoredUnlessCaseSensitive) {
  RegexObject regex;
  EXPECT_TRUE(regex.Create("a", "A"));
  EXPECT_EQ(AllMatches(regex), std::vector<Text>{"A"});
  EXPECT_TRUE(regex.Create("a", "A", true));
  EXPECT_EQ(regex.GetMatchCount(), 0);
  // Case folding is the engine's and covers more than ASCII: GBK's omega A6 D8 and Omega A6 B8.
  EXPECT_TRUE(regex.Create("\xA6\xD8", "x\xA6\xB8"));
  EXPECT_EQ(AllMatches(regex), std::vector<Text>{"\xA6\xB8"});
}

TEST(RegexObjectTest, QuotePlaceholderStandsForADoubleQuote) {
  RegexObject regex;
  EXPECT_TRUE(regex.Create("#引号", "a\"b\"#引号", false, true, true, true));
  EXPECT_EQ(regex.GetPattern(), Text("\""));
  EXPECT_EQ(AllMatches(regex), (std::vector<Text>{"\"", "\""}));
  EXPECT_TRUE(regex.Create("#引号", "a\"b\"#引号"));
  EXPECT_EQ(regex.GetPattern(), Text("#引号"));
  EXPECT_EQ(AllMatches(regex), std::vector<Text>{"#引号"});
}

TEST(RegexObjectTest, MatchesAndGroupsCountFromOne) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("x([\\s\\S]*?)y", "x1y x2y"));
  EXPECT_EQ(regex.GetMatchCount(), 2);
  EXPECT_EQ(regex.GetSubmatchCount(), 1);
  EXPECT_EQ(regex.GetMatchText(2), Text("x2y"));
  EXPECT_EQ(regex.GetSubmatchText(1, 1), Text("1"));
  EXPECT_EQ(regex.GetSubmatchText(2, 1), Text("2"));
  for (const auto& [match, group] :
       std::vector<std::pair<int, int>>{{0, 1}, {3, 1}, {-1, 1}, {1, 0}, {1, 2}}) {
    int position = 7;
    EXPECT_EQ(regex.GetSubmatchText(match, group, &position), Text()) << match << "," << group;
    EXPECT_EQ(position, -2);
  }
  EXPECT_EQ(regex.GetMatchText(0), Text());
  EXPECT_EQ(regex.GetMatchText(3), Text());

  ASSERT_TRUE(regex.Create("x([\\s\\S]*?)y", "x1\r\n2y"));
  EXPECT_EQ(regex.GetSubmatchText(1, 1), Text("1\r\n2"));
}

TEST(RegexObjectTest, ASecondCreateLeavesNoTraceOfTheFirst) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("(a)(b)?", "a a a"));
  ASSERT_TRUE(regex.Create("c", "xcx"));
  EXPECT_EQ(AllMatches(regex), std::vector<Text>{"c"});
  EXPECT_EQ(regex.GetSubmatchCount(), 0);
  EXPECT_EQ(regex.GetPattern(), Text("c"));
  EXPECT_EQ(regex.Replace("-"), Text("x-x"));
  ASSERT_TRUE(regex.Create("c", "xyz"));
  EXPECT_EQ(regex.GetMatchCount(), 0);
  EXPECT_EQ(regex.Replace("-"), Text("xyz"));
}

TEST(RegexObjectTest, ReplaceFollowsGlobalAndChangesNothing) {
  RegexObject regex;
  ASSERT_TRUE(regex.Create("a", "banana"));
  EXPECT_EQ(regex.Replace("o"), Text("bonono"));
  EXPECT_EQ(regex.GetMatchCount(), 3);
  ASSERT_TRUE(regex.Create("a", "banana", false, true, false));
  EXPECT_EQ(regex.Replace("o"), Text("bonana"));
  EXPECT_EQ(regex.GetMatchCount(), 1);
  EXPECT_EQ(regex.GetMatchText(1), Text("a"));
}

TEST(RegexObjectTest, ReplacementSyntax) {
  struct Case {
    Text pattern;
    Text replacement;
    Text expected;
  };
  const Case cases[] = {
      {"(\\w+)\\s(\\w+)", "$2 $1", "[Smith John]"},
      {"(\\w+)\\s(\\w+)", "$$1=$1", "[$1=John]"},
      {"(\\w+)\\s(\\w+)", "<$&>", "[<John Smith>]"},
      {"o", "($`)", "[J([J)hn Smith]"},
      {"th", "($')", "[John Smi(])]"},
      {"John", "($')", "[( Smith]) Smith]"},
      {"(J)", "$01$10$2$0$", "[JJ0$2$0$ohn Smith]"},
      {"(J)|(x)", "<$2>", "[<>ohn Smith]"},
      {"Smith", "$x $", "[John $x $]"},
      {"o", "\xD6\xD0", "[J\xD6\xD0hn Smith]"},
  };
  RegexObject regex;
  for (const Case& c : cases) {
    ASSERT_TRUE(regex.Create(c.pattern, "[John Smith]", true));
    EXPECT_EQ(regex.Replace(c.replacement), c.expected) << c.pattern.view() << " / " << c.replacement.view();
  }
}

TEST(RegexObjectTest, PositionsAreByteOffsetsInTheGbkSubject) {
  struct Case {
    Text pattern;
    Text subject;
    int match;
    int group;  // 0: the match itself
    Text expectedText;
    int expectedPosition;
  };
  const Case cases[] = {
      {"abc", "xxabc", 1, 0, "abc", 2},
      // Two-byte characters before the match count two bytes each.
      {"abc",
       "\xD6\xD0\xCE\xC4"
       "abc",
       1, 0, "abc", 4},
      {"b(c)",
       "\xD6\xD0"
       "a\xD6\xD0"
       "bc",
       1, 1, "c", 6},
      {"\\u6587", "\xD6\xD0\xCE\xC4", 1, 0, "\xCE\xC4", 2},
      // Empty matches and empty groups report where they are.
      {"x*",
       "\xD6\xD0"
       "ab",
       3, 0, "", 3},
      {"x*", "ab", 3, 0, "", 2},
      {"a(x*)b",
       "\xD6\xD0"
       "ab",
       1, 1, "", 3},
      // A group that took no part has no position.
      {"(a)|(b)",
       "\xD6\xD0"
       "b",
       1, 1, "", -2},
      {"(a)|(b)",
       "\xD6\xD0"
       "b",
       1, 2, "b", 2},
      // The match text is found by its place, not by searching for it.
      {"a", "Aa", 2, 0, "a", 1},
      // Bytes that are not GBK keep their own width.
      {"z", "\x81\x30\xFFz", 1, 0, "z", 3},
  };
  for (const Case& c : cases) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create(c.pattern, c.subject));
    int position = 7;
    const Text text = c.group == 0 ? regex.GetMatchText(c.match, &position)
                                   : regex.GetSubmatchText(c.match, c.group, &position);
    EXPECT_EQ(text, c.expectedText) << c.pattern.view();
    EXPECT_EQ(position, c.expectedPosition) << c.pattern.view();
  }
}

TEST(RegexObjectTest, DialectDiffersFromPerlWhereTheScriptsRelyOnIt) {
  struct Case {
    Text pattern;
    Text subject;
    bool multiLine;
    std::vector<Text> expected;
  };
  const Case cases[] = {
      {"\\u4E2D+", "a\xD6\xD0\xD6\xD0z", true, {"\xD6\xD0\xD6\xD0"}},
      {"\\x41\\xZ\\u12", "AxZu12", true, {"AxZu12"}},
      // Without multi-line, $ is the very end only.
      {"a$", "a\n", false, {}},
      {"a$", "a\n", true, {"a"}},
      {"^b", "a\r\nb", true, {"b"}},
      // "." stops at CR as well as at LF.
      {"a.*", "ab\r\nac", true, {"ab", "ac"}},
      // A back-reference to a group that took no part matches the empty string.
      {"(a)?b\\1", "b", true, {"b"}},
      {"a[^]b", "a\nb", true, {"a\nb"}},
      {"a[]b", "ab", true, {}},
      // An empty match steps one character on.
      {"x*", "ab", true, {"", "", ""}},
      {"a*?", "aa", true, {"", "", ""}},
  };
  for (const Case& c : cases) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create(c.pattern, c.subject, false, c.multiLine)) << c.pattern.view();
    EXPECT_EQ(AllMatches(regex), c.expected) << c.pattern.view();
  }
}

TEST(RegexObjectTest, CopiesShareMatchesAndOutliveTheirSource) {
  auto source = std::make_unique<RegexObject>();
  ASSERT_TRUE(source->Create("(\\d+)",
                             "a1 b22 \xD6\xD0"
                             "333"));
  const std::unique_ptr<RegexObject> copy = source->Copy();
  RegexObject assigned;
  assigned = *source;
  source.reset();
  for (const RegexObject* regex :
       {static_cast<const RegexObject*>(copy.get()), static_cast<const RegexObject*>(&assigned)}) {
    EXPECT_EQ(regex->GetMatchCount(), 3);
    int position = 0;
    EXPECT_EQ(regex->GetSubmatchText(3, 1, &position), Text("333"));
    EXPECT_EQ(position, 9);
    EXPECT_EQ(regex->Replace("<$1>"), Text("a<1> b<22> \xD6\xD0<333>"));
    EXPECT_EQ(regex->GetPattern(), Text("(\\d+)"));
  }
  ASSERT_TRUE(assigned.Create("b", "abc"));
  EXPECT_EQ(copy->GetMatchCount(), 3);
}

TEST(RegexObjectTest, ALazyRunLongerThanTenMillionCharactersMatches) {
  std::string subject = "x";
  subject.append(12'000'000, 'a');
  subject.append("y");
  RegexObject regex;
  ASSERT_TRUE(regex.Create("x([\\s\\S]*?)y", Text(std::move(subject))));
  ASSERT_EQ(regex.GetMatchCount(), 1);
  EXPECT_EQ(regex.GetSubmatchText(1, 1).size(), 12'000'000U);
}

}  // namespace
}  // namespace quorvane
