#include "text/text.h"

#include <string>

#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

// The program's own texts are written as they read in the source and must come out as GBK bytes.
TEST(TextTest, LiteralsAreGbk) {
  EXPECT_EQ(Text("中").view(), "\xD6\xD0");
  EXPECT_EQ(Text("√×※“”：【】").view(), "\xA1\xCC\xA1\xC1\xA1\xF9\xA1\xB0\xA1\xB1\xA3\xBA\xA1\xBE\xA1\xBF");
}

TEST(TextTest, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(Text(std::string_view("ab\0c", 4)).view(), "ab");
  EXPECT_EQ(Text(std::string("ab\0c", 4)).view(), "ab");
  EXPECT_EQ(Text(static_cast<const char*>(nullptr)), Text());
  Text text("x");
  text.Append(std::string_view("y\0z", 3));
  EXPECT_EQ(text.view(), "xy");
}

TEST(TextTest, MissingAndEmptyAreOneValue) {
  EXPECT_EQ(Text(), Text(""));
  EXPECT_TRUE(Text("").empty());
}

TEST(BytesTest, KeepsZeroBytes) {
  Bytes bytes(std::string_view("a\0", 2));
  bytes.Append(std::string_view("\0b", 2));
  EXPECT_EQ(bytes.view(), std::string_view("a\0\0b", 4));
}

TEST(TextArrayTest, CountsFromOneAndGivesEmptyOutsideTheRange) {
  TextArray list;
  list.Append("a");
  list.Append("b");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(1), Text("a"));
  EXPECT_EQ(list.At(2), Text("b"));
  for (const int outside : {0, -1, 3}) {
    EXPECT_EQ(list.At(outside), Text()) << outside;
  }
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(TextDeathTest, ValueBeyondTheLimitEndsThroughTheFatalReport) {
  std::string bytes;
  // The report names the byte count; the Chinese around it is GBK, so only the number is matched.
  EXPECT_EXIT(internal::ReserveOrReport(bytes, kMaxValueBytes + 1), testing::ExitedWithCode(255),
              "2147483648");
}

}  // namespace
}  // namespace quorvane
