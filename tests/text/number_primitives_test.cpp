#include "text/number_primitives.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

TEST(NumberPrimitivesTest, IntegerToText) {
  EXPECT_EQ(IntegerToText(0), Text("0"));
  EXPECT_EQ(IntegerToText(200000), Text("200000"));
  EXPECT_EQ(IntegerToText(-42), Text("-42"));
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::min()), Text("-2147483648"));
}

TEST(NumberPrimitivesTest, ToNumberReadsTheLeadingDecimalNumber) {
  struct Case {
    Text text;
    double expected;
  };
  const Case cases[] = {
      {"80", 80},
      {"1.6", 1.6},
      {"  80/x", 80},
      {"x80", 0},
      {"", 0},
      {"\xA3\xB1\xA3\xB2\xA3\xB3", 123},           // full-width digits
      {"\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5", -1.5},  // full-width minus, digit, point, digit
      {"\xA1\xA1"
       "7",
       7},  // a full-width space is white space
      {"1.6.1", 1.6},
      {"1.6000001", 1.6000001},
      {"\t\r\n+2.5e2x", 250},
      {"-.5", -0.5},
      {"5.", 5},
      {"1e", 1},
      {"1e+", 1},
      {"0080", 80},
      {"0x10", 0},
      {"inf", 0},
      {"nan", 0},
      {".", 0},
      {"-", 0},
      {"1e-400", 0},
      {"8080:99", 8080},
      {"\xD6\xD0"
       "1",
       0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ToNumber(c.text), c.expected) << "text " << testing::PrintToString(c.text) << "";
  }
  EXPECT_EQ(ToNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ToNumber("-0.0001e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ToNumber("0.000e400"), 0.0);
}

TEST(NumberPrimitivesTest, LeadingNumberTellsZeroFromNoNumber) {
  EXPECT_EQ(LeadingNumber("0"), 0.0);
  EXPECT_EQ(LeadingNumber(" 1.7x"), 1.7);
  EXPECT_EQ(LeadingNumber("x1"), std::nullopt);
  EXPECT_EQ(LeadingNumber(""), std::nullopt);
  EXPECT_EQ(LeadingNumber("-"), std::nullopt);
}

TEST(NumberPrimitivesTest, TruncateToIntegerDropsTheFractionTowardZero) {
  EXPECT_EQ(TruncateToInteger(ToNumber("8080.9")), 8080);
  EXPECT_EQ(TruncateToInteger(-1.5), -1);
  EXPECT_EQ(TruncateToInteger(0.99), 0);
  EXPECT_EQ(TruncateToInteger(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TruncateToInteger(-1e12), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TruncateToInteger(std::nan("")), 0);
}

}  // namespace
}  // namespace quorvane
