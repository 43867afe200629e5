#include <gtest/gtest.h>

#include <cmath>

#include "order/decimal.h"

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
  EXPECT_TRUE(std::isinf(ParseDecimal("1e999")));
  EXPECT_LT(ParseDecimal("-1e999"), 0.0);
  EXPECT_EQ(0.0, ParseDecimal("1e-999"));
}

}  // namespace
