#include <gtest/gtest.h>

#include <cstring>

#include "text/bounded.h"

namespace {

TEST(BoundedText, CopyAppendAndFormatNeverOverrunAndAlwaysTerminate) {
  char buffer[8];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(6, CopyText(buffer, 7, "abcdefghij"));
  EXPECT_STREQ("abcdef", buffer);
  EXPECT_EQ('#', buffer[7]);  // nothing written past the capacity

  char small[6] = "ab";
  EXPECT_EQ(5, AppendText(small, sizeof small, "cdefgh"));
  EXPECT_STREQ("abcde", small);
  EXPECT_EQ(5, AppendText(small, sizeof small, "x"));
  EXPECT_STREQ("abcde", small);

  char formatted[5];
  EXPECT_EQ(4, FormatText(formatted, sizeof formatted, "%d-%d", 123, 456));
  EXPECT_STREQ("123-", formatted);
  EXPECT_EQ(0, CopyText(formatted, 0, "x"));
  EXPECT_EQ(0, CopyText(formatted, sizeof formatted, nullptr));
  EXPECT_STREQ("", formatted);
}

TEST(BoundedText, AppendRepairsAnUnterminatedBuffer) {
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(3, AppendText(buffer, sizeof buffer, "e"));
  EXPECT_STREQ("abc", buffer);
}

TEST(BoundedText, CaseFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoringCase("Order", "oRDER"));
  EXPECT_FALSE(EqualsIgnoringCase("Order", "Orders"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC4", "\xE4"));  // Latin-1 letters stay apart
  EXPECT_FALSE(EqualsIgnoringCase("[", "{"));         // 0x5B and 0x7B differ by 32 too
  EXPECT_TRUE(EqualsIgnoringCase("", ""));
  EXPECT_FALSE(EqualsIgnoringCase(nullptr, ""));
}

}  // namespace
