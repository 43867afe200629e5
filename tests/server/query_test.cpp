#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "query.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Decoded(const std::string &query) {
  Pairs pairs;
  for (const QueryPair &pair : DecodeQuery(query)) pairs.emplace_back(pair.name, pair.value);
  return pairs;
}

TEST(PercentDecodeTest, HexEscapesBecomeBytesEverythingElseStays) {
  const std::pair<const char *, std::string> cases[] = {
      {"New%20York", "New York"},
      {"J%FCrgen%fc", "J\xFC" "rgen\xFC"},
      {"%26%3D%25%2B%23%3F", "&=%+#?"},
      {"a+b@example.com", "a+b@example.com"},  // "+" is a plus sign, not a space
      {"100%", "100%"},
      {"100%%20genuine", "100% genuine"},
      {"%4", "%4"},
      {"%zz%G0", "%zz%G0"},
      {"M\xFCller", "M\xFCller"},  // a raw byte from an older launcher
      {"%00x", std::string("\0x", 2)},
  };
  for (const auto &[encoded, expected] : cases)
    EXPECT_EQ(expected, PercentDecode(encoded)) << encoded;
}

TEST(DecodeQueryTest, PairsSplitAtTheFirstEqualsSignInOrder) {
  EXPECT_EQ((Pairs{{"PRODUCT NAME", "Corvinel 4"}, {"EMPTY", ""}, {"formula", "a=b"}}),
            Decoded("PRODUCT%20NAME=Corvinel%204&EMPTY=&formula=a=b"));
  EXPECT_EQ((Pairs{{"a", "1"}, {"b", "2"}}), Decoded("&a=1&&b=2&"));
  EXPECT_EQ((Pairs{{"export", ""}}), Decoded("export"));
  EXPECT_EQ(Pairs{}, Decoded(""));
}

TEST(DecodeQueryTest, UnencodedAmpersandsOfOlderLaunchersStayInTheirValue) {
  // Older launchers encoded only spaces: "&" and "=" in a value arrive raw.
  EXPECT_EQ((Pairs{{"PURCHASE", "Smith & Sons"}, {"CITY", "Rome"}}),
            Decoded("PURCHASE=Smith%20&%20Sons&CITY=Rome"));
  EXPECT_EQ((Pairs{{"recipient", "register@velmora.com"},
                   {"redirect", "http://www.velmora.com/regthankyou.htm"},
                   {"ADDRESS2", "Suite 5&recipient=x@example.com&redirect=http://x.example/?a=1"},
                   {"CITY", "New York"}}),
            Decoded("recipient=register@velmora.com&redirect=http://www.velmora.com/regthankyou.htm"
                    "&ADDRESS2=Suite%205&recipient=x@example.com&redirect=http://x.example/?a=1"
                    "&CITY=New%20York"));
}

TEST(DecodeQueryTest, TheFirstRecipientCountsALaterOneCannotReplaceIt) {
  std::vector<QueryPair> pairs =
      DecodeQuery("recipient=register@velmora.com&CITY=Rome&recipient=spam@example.com");
  ASSERT_EQ(2u, pairs.size());
  EXPECT_EQ("register@velmora.com", pairs[0].value);
  EXPECT_EQ("Rome&recipient=spam@example.com", pairs[1].value);
}

}  // namespace
