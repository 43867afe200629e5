#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "order/decimal.h"
#include "order/exact_decimal.h"

namespace {

TEST(ParseDecimal, ReadsTheLeadingNumberAndTellsItsLength) {
  struct Case {
    const char *text;
    double value;
    int length;
  } const cases[] = {
      {"12.50", 12.5, 5},  {"  7", 7.0, 3},     {"-1.5e2x", -150.0, 6}, {"3 USD", 3.0, 1},
      {".5", 0.5, 2},      {"5.", 5.0, 2},      {"1e", 1.0, 1},         {"1e+", 1.0, 1},
      {"+0.25", 0.25, 5},  {"", 0.0, 0},        {"abc", 0.0, 0},        {".", 0.0, 0},
      {"-", 0.0, 0},       {"0x10", 0.0, 1},    {"inf", 0.0, 0},        {"1,50", 1.0, 1},
  };
  for (const Case &c : cases) {
    int length = -1;
    EXPECT_DOUBLE_EQ(c.value, ParseDecimal(c.text, &length)) << c.text;
    EXPECT_EQ(c.length, length) << c.text;
  }
}

TEST(ParseDecimal, GivesTheNearestDoubleAndInfinityOrZeroBeyondTheRange) {
  // Exact equality: the nearest double, as the compiler reads the literal.
  EXPECT_EQ(0.1, ParseDecimal("0.1"));
  EXPECT_EQ(2.675, ParseDecimal("2.675"));
  EXPECT_EQ(9007199254740992.0, ParseDecimal("9007199254740993"));  // a tie: to even
  EXPECT_EQ(DBL_MAX, ParseDecimal("1.7976931348623157e308"));
  EXPECT_EQ(4.9406564584124654e-324, ParseDecimal("5e-324"));
  EXPECT_EQ(1e304, ParseDecimal("0.00001e309"));
  EXPECT_EQ(HUGE_VAL, ParseDecimal("1e999"));
  EXPECT_EQ(HUGE_VAL, ParseDecimal("100000e304"));
  EXPECT_EQ(-HUGE_VAL, ParseDecimal("-1e99999999999999999999"));
  EXPECT_EQ(0.0, ParseDecimal("1e-999"));
  EXPECT_EQ(0.0, ParseDecimal("0.0000001e-320"));
  EXPECT_EQ(0.0, ParseDecimal("0e999"));
  EXPECT_TRUE(std::signbit(ParseDecimal("-1e-999")));
  // The hardest places: half the smallest subnormal is a tie (to 0), the
  // midpoint above the largest double, a long run of digits.
  EXPECT_EQ(0.0, ParseDecimal("2.4703282292062327e-324"));
  EXPECT_EQ(4.9406564584124654e-324, ParseDecimal("2.4703282292062328e-324"));
  EXPECT_EQ(DBL_MAX, ParseDecimal("1.7976931348623158e308"));
  EXPECT_EQ(HUGE_VAL, ParseDecimal("1.7976931348623159e308"));
  EXPECT_EQ(2.2250738585072011e-308, ParseDecimal("2.2250738585072011e-308"));
  EXPECT_EQ(0.1111111111111111, ParseDecimal(("0." + std::string(800, '1')).c_str()));
  EXPECT_EQ(10.0, ParseDecimal(("0." + std::string(900, '9') + "e1").c_str()));
}

TEST(SeventeenDigits, TheNearestDigitsAndTiesToEven) {
  struct Case {
    double value;
    const char *digits;
    int power;
  } const cases[] = {
      {1000000000000000.25, "10000000000000002", 15},  // exactly half: to even
      {0.1, "10000000000000001", -1},    {0.3, "29999999999999999", -1},
      {1e23, "99999999999999992", 22},   {DBL_MAX, "17976931348623157", 308},
      {5e-324, "49406564584124654", -324}, {123.456, "12345600000000000", 2},
      {0.0, "00000000000000000", 0},
  };
  for (const Case &c : cases) {
    char digits[17];
    int power = 99;
    SeventeenDigits(c.value, digits, &power);
    EXPECT_EQ(c.digits, std::string(digits, 17)) << c.value;
    EXPECT_EQ(c.power, power) << c.value;
  }
}

TEST(ParseWholeNumber, ReadsLeadingDigitsAndClampsToThirtyTwoBits) {
  struct Case {
    const char *text;
    int value;
  } const cases[] = {
      {"3 apples", 3}, {" 7", 7},          {"abc", 0},           {"2.9", 2},
      {"-1", -1},      {"+5", 5},          {"", 0},              {"\t12", 12},
      {"- 3", 0},      {"99999999999", 2147483647},              {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},    {"-99999999999999999999999", -2147483647 - 1},
  };
  for (const Case &c : cases) EXPECT_EQ(c.value, ParseWholeNumber(c.text)) << c.text;
}

TEST(FormatAmount, SeventeenDigitsRoundedAtTheCentHalfAwayFromZero) {
  struct Case {
    double amount;
    bool left;
    const char *text;
  } const cases[] = {
      {4.125, false, "  4.13"},     {2.675, false, "  2.67"},   {0.0, false, "  0.00"},
      {9.95, false, "  9.95"},      {-1.5, false, " -1.50"},    {-4.125, false, " -4.13"},
      {0.005, false, "  0.01"},     {0.0049, false, "  0.00"},  {99.995, false, "100.00"},
      {9.995, false, "  9.99"},     {1234567.891, false, "1234567.89"},
      {-0.0, false, " -0.00"},      {-0.001, false, " -0.00"},  {1e-300, false, "  0.00"},
      {9.95, true, "9.95  "},       {149.0, true, "149.00"},    {HUGE_VAL, false, "   inf"},
      {-HUGE_VAL, true, "-inf  "},  {NAN, false, "   nan"},
      {0.1 + 0.2, false, "  0.30"}, {1e20, false, "100000000000000000000.00"},
  };
  for (const Case &c : cases) {
    char text[64];
    EXPECT_EQ(static_cast<int>(strlen(c.text)), FormatAmount(c.amount, c.left, text, 64));
    EXPECT_STREQ(c.text, text) << c.amount;
  }
}

TEST(FormatAmount, TextsBeyondTheBufferAreCut) {
  char longest[kLongestAmountText];
  char text[64];
  // 62 digits, a point and two decimals: two too many for 63 characters.
  EXPECT_EQ(65, FormatAmount(2e61, false, longest, sizeof longest));
  EXPECT_EQ(63, FormatAmount(2e61, false, text, sizeof text));
  EXPECT_EQ(std::string(longest).substr(0, 63), text);
  EXPECT_EQ(309 + 3, FormatAmount(DBL_MAX, false, longest, sizeof longest));
  EXPECT_EQ(std::string("17976931348623157") + std::string(292, '0') + ".00", longest);
  EXPECT_EQ(310 + 3, FormatAmount(-DBL_MAX, false, longest, sizeof longest));
}

}  // namespace
