#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "submission.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

const char kLauncherQuery[] =
    "recipient=register@velmora.com&subject=User%20Registration"
    "&redirect=http://www.velmora.com/regthankyou.htm"
    "&required=PRODUCT%20NAME,SERIAL%20NUMBER,CITY"
    "&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,ADDRESS2,CITY,PURCHASE"
    "&SERIAL%20NUMBER=CP4-1&PRODUCT%20NAME=Corvinel&ADDRESS2=&CITY=Rome"
    "&EMAIL%20ADDRESS=ann%2Breg%40example.com&PHONE%20NUMBER=555&PURCHASE=Shop";

Pairs Fields(const Submission &submission) {
  Pairs pairs;
  for (const QueryPair &pair : submission.fields) pairs.emplace_back(pair.name, pair.value);
  return pairs;
}

TEST(ReadSubmissionTest, ControlFieldsApartSortedFieldsFirstThenTheRestAsReceived) {
  Submission submission = ReadSubmission(DecodeQuery(kLauncherQuery));
  EXPECT_EQ("register@velmora.com", submission.recipient);
  EXPECT_EQ("User Registration", submission.subject);
  EXPECT_EQ("http://www.velmora.com/regthankyou.htm", submission.redirect);
  EXPECT_EQ((std::vector<std::string>{"PRODUCT NAME", "SERIAL NUMBER", "CITY"}),
            submission.required);
  // E-mail and telephone are not in the sort list and are kept all the same.
  EXPECT_EQ((Pairs{{"PRODUCT NAME", "Corvinel"}, {"SERIAL NUMBER", "CP4-1"}, {"ADDRESS2", ""},
                   {"CITY", "Rome"}, {"PURCHASE", "Shop"},
                   {"EMAIL ADDRESS", "ann+reg@example.com"}, {"PHONE NUMBER", "555"}}),
            Fields(submission));
}

TEST(ReadSubmissionTest, FieldsOutsideTheOrderListKeepTheirOrder) {
  const Pairs received = {{"B", "2"}, {"A", "1"}};
  const std::pair<const char *, Pairs> cases[] = {
      {"", received},
      {"&sort=alphabetic", received},
      {"&sort=order:", received},
      {"&sort=order:A,%20MISSING%20,,", {{"A", "1"}, {"B", "2"}}},
  };
  for (const auto &[sort, expected] : cases)
    EXPECT_EQ(expected, Fields(ReadSubmission(DecodeQuery(std::string("B=2&A=1") + sort))))
        << sort;
}

TEST(MissingFieldsTest, AbsentAndBlankFieldsAreMissingRequestOrderFirstThenTheVendors) {
  const std::vector<std::string> none, vendor = {"S", "A"};
  const struct {
    const char *query;
    const std::vector<std::string> &vendorRequired;
    std::vector<std::string> missing;
  } cases[] = {
      {"required=A,B,C&A=1&B=2&C=3", none, {}},
      {"required=A,B,C&A=1&C=3", none, {"B"}},
      {"required=C,%20A%20,B&A=&B=%20%20&C=x", none, {"A", "B"}},
      {"required=A,B&B=%09", none, {"A", "B"}},
      {"required=A,B,C,D&A=%0D%0A&B=%A0%20&C=%C2%A0&D=%C2", none, {"A", "B", "C"}},
      {"required=&A=", none, {}},
      {"A=", none, {}},
      // The request cannot drop what the vendor requires, nor name it twice.
      {"required=B,A&A=&B=", vendor, {"B", "A", "S"}},
      {"required=&A=1", vendor, {"S"}},
      {"A=1&S=%20x", vendor, {}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.missing, MissingFields(ReadSubmission(DecodeQuery(c.query)), c.vendorRequired))
        << c.query;
}

TEST(AllowListTest, OnlyListedRecipientsIgnoringLetterCase) {
  const std::vector<std::string> allowed = {"register@velmora.com", "Sales@Velmora.com"};
  const std::pair<const char *, bool> cases[] = {
      {"register@velmora.com", true},
      {"REGISTER@Velmora.COM", true},
      {"sales@velmora.com", true},
      {"", false},
      {"spam@example.com", false},
      {"register@velmora.com,spam@example.com", false},
      {" register@velmora.com", false},
      {"register@velmora.com\r\nBcc: spam@example.com", false},
      {"register@velmora.co", false},
  };
  for (const auto &[recipient, expected] : cases)
    EXPECT_EQ(expected, RecipientAllowed(recipient, allowed)) << recipient;
  EXPECT_FALSE(RecipientAllowed("register@velmora.com", {}));
}

TEST(AllowListTest, RedirectsOnlyToListedHostsAndSafeForTheLocationHeader) {
  const std::vector<std::string> hosts = {"www.velmora.com", "velmora.com"};
  const std::pair<const char *, bool> cases[] = {
      {"http://www.velmora.com/regthankyou.htm", true},
      {"https://www.velmora.com/regthankyou.htm", true},
      {"HTTP://WWW.Velmora.com/thanks?lang=en#top", true},
      {"http://www.velmora.com:8080/regthankyou.htm", true},
      {"http://velmora.com", true},
      {"http://www.velmora.com?x", true},
      {"http://evil.example/regthankyou.htm", false},
      {"http://www.velmora.com.evil.example/", false},
      {"http://evilvelmora.com/", false},
      {"http://www.velmora.com@evil.example/", false},
      {"http://user:pw@www.velmora.com/", false},
      {"http://evil.example\\@www.velmora.com/", false},
      {"http://evil.example\\.www.velmora.com/", false},
      {"//www.velmora.com/regthankyou.htm", false},
      {"/regthankyou.htm", false},
      {"ftp://www.velmora.com/", false},
      {"javascript:alert(1)//www.velmora.com", false},
      {"http://www.velmora.com:/", false},
      {"http://www.velmora.com:80x/", false},
      {"http://:80/", false},
      {"http:///www.velmora.com/", false},
      {"http://www.velmora.com/\r\nSet-Cookie: a=1", false},
      {"http://www.velmora.com/a b", false},
      {"http://www.velmora.com/\xFC", false},
  };
  for (const auto &[redirect, expected] : cases)
    EXPECT_EQ(expected, RedirectAllowed(redirect, hosts)) << redirect;
}

}  // namespace
