#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "registration/destination.h"
#include "registration/request_target.h"
#include "text/bounded.h"

namespace {

const std::string kFixed =
    "/cgi-local/FormMail.cgi?recipient=register@velmora.com&subject=User%20Registration"
    "&redirect=http://www.velmora.com/regthankyou.htm&required=PRODUCT%20NAME,"
    "SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,CITY,STATE,ZIPCODE,COUNTRY,"
    "PURCHASE&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,"
    "ADDRESS1,ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE";

// Today's script and its settings.
int BuildUsualTarget(const CustomerRecord &record, char *target) {
  const ScriptSettings settings = {"register@velmora.com",
                                   "http://www.velmora.com/regthankyou.htm"};
  return BuildRequestTarget("/cgi-local/FormMail.cgi", settings, record, target);
}

std::string Encoded(const char *text) {
  char value[kEncodedValueCapacity];
  EncodeSpaces(text, value, kEncodedValueCapacity);
  return value;
}

TEST(EncodeTest, SpacesAndQuerySyntaxAreEncodedUnreservedBytesAreNot) {
  EXPECT_EQ("New%20York", Encoded("New York"));
  EXPECT_EQ("Smith%20%26%20Sons", Encoded("Smith & Sons"));
  EXPECT_EQ("a%3Db%2Bc%25d%23e%3Ff%2Fg%2C", Encoded("a=b+c%d#e?f/g,"));
  EXPECT_EQ("AZaz09-._~", Encoded("AZaz09-._~"));
  EXPECT_EQ("M%FCller%7F%80%FF", Encoded("M\xFCller\x7F\x80\xFF"));
  EXPECT_EQ("%09%0D%0A", Encoded("\t\r\n"));
  EXPECT_EQ("", Encoded(""));
}

TEST(EncodeTest, TheValueBufferHoldsTheLongestFieldEncoded) {
  std::string spaces(255, ' ');
  std::string expected;
  for (int i = 0; i < 255; ++i) expected += "%20";
  EXPECT_EQ(expected, Encoded(spaces.c_str()));
}

CustomerRecord FullRecord() {
  CustomerRecord record = {};
  CopyText(record.productName, sizeof record.productName, "Corvinel Professional 4.0");
  CopyText(record.serialNumber, sizeof record.serialNumber, "CP4-1234");
  CopyText(record.registrationDate, sizeof record.registrationDate, "12-7-2026");
  CopyText(record.firstName, sizeof record.firstName, "Ann");
  CopyText(record.lastName, sizeof record.lastName, "O'Neil-Lee");
  CopyText(record.street1, sizeof record.street1, "1 Main St");
  CopyText(record.street2, sizeof record.street2, "Apt #2");
  CopyText(record.city, sizeof record.city, "New York");
  CopyText(record.state, sizeof record.state, "NY");
  CopyText(record.zip, sizeof record.zip, "10001");
  CopyText(record.country, sizeof record.country, "USA");
  CopyText(record.email, sizeof record.email, "ann+reg@example.com");
  CopyText(record.phone, sizeof record.phone, "(212) 555-0100");
  CopyText(record.fax, sizeof record.fax, "212 555 0101");
  CopyText(record.whereBought, sizeof record.whereBought, "Smith & Sons");
  return record;
}

TEST(RequestTargetTest, FullRecordByteForByte) {
  char target[kRequestTargetCapacity];
  ASSERT_EQ(1, BuildUsualTarget(FullRecord(), target));
  EXPECT_EQ(kFixed +
                "&PRODUCT%20NAME=Corvinel%20Professional%204.0&SERIAL%20NUMBER=CP4-1234"
                "&FIRST%20NAME=Ann&LAST%20NAME=O%27Neil-Lee&ADDRESS1=1%20Main%20St"
                "&ADDRESS2=Apt%20%232&CITY=New%20York&STATE=NY&ZIPCODE=10001&COUNTRY=USA"
                "&EMAIL%20ADDRESS=ann%2Breg%40example.com"
                "&PHONE%20NUMBER=%28212%29%20555-0100&PURCHASE=Smith%20%26%20Sons",
            target);
}

TEST(RequestTargetTest, SparseRecordLeavesOutEmptyEmailAndPhoneOnly) {
  CustomerRecord record = {};
  CopyText(record.firstName, sizeof record.firstName, "Ann");
  CopyText(record.lastName, sizeof record.lastName, "Lee");
  CopyText(record.street1, sizeof record.street1, "1 Main");
  CopyText(record.city, sizeof record.city, "Austin");
  CopyText(record.state, sizeof record.state, "TX");
  CopyText(record.zip, sizeof record.zip, "78701");
  CopyText(record.country, sizeof record.country, "USA");
  CopyText(record.fax, sizeof record.fax, "555");  // never sent
  char target[kRequestTargetCapacity];
  ASSERT_EQ(1, BuildUsualTarget(record, target));
  EXPECT_EQ(kFixed +
                "&PRODUCT%20NAME=&SERIAL%20NUMBER=&FIRST%20NAME=Ann&LAST%20NAME=Lee"
                "&ADDRESS1=1%20Main&ADDRESS2=&CITY=Austin&STATE=TX&ZIPCODE=78701"
                "&COUNTRY=USA&PURCHASE=",
            target);
}

TEST(RequestTargetTest, ATargetThatWouldNotFitIsReported) {
  CustomerRecord record = FullRecord();
  std::string spaces(255, ' ');
  CopyText(record.productName, sizeof record.productName, spaces.c_str());
  CopyText(record.street1, sizeof record.street1, spaces.c_str());
  CopyText(record.street2, sizeof record.street2, spaces.c_str());
  CopyText(record.country, sizeof record.country, spaces.c_str());
  char target[kRequestTargetCapacity];
  // 4 x 765 encoded characters and the rest still fit.
  ASSERT_EQ(1, BuildUsualTarget(record, target));
  size_t length = strlen(target);
  EXPECT_LT(length, 4096u);
  CopyText(record.whereBought, sizeof record.whereBought, spaces.c_str());
  EXPECT_EQ(0, BuildUsualTarget(record, target));
  EXPECT_EQ(4095u, strlen(target));

  // Exactly full: the last byte of the buffer is the terminator.
  char small[32] = "/x?";
  CustomerRecord empty = {};
  EXPECT_EQ(0, AppendRegistrationFields(small, sizeof small, empty));
  char exact[200] = "";
  ASSERT_EQ(1, AppendRegistrationFields(exact, sizeof exact, empty));
  size_t needed = strlen(exact) + 1;
  char fitting[200] = "";
  EXPECT_EQ(1, AppendRegistrationFields(fitting, static_cast<int>(needed), empty));
  char tooSmall[200] = "";
  EXPECT_EQ(0, AppendRegistrationFields(tooSmall, static_cast<int>(needed) - 1, empty));
}

TEST(EncodeTest, ScriptValuesKeepMailboxAndAddressSyntaxAndEncodeWhatTheQueryReserves) {
  const struct {
    const char *value;
    const char *sent;
  } cases[] = {
      {"register@velmora.com", "register@velmora.com"},
      {"http://www.velmora.com/regthankyou.htm", "http://www.velmora.com/regthankyou.htm"},
      {"sales+reg@example.com", "sales%2Breg@example.com"},
      {"https://www.example.com:8443/t.htm?lang=en&cd=1#top",
       "https://www.example.com:8443/t.htm?lang%3Den%26cd%3D1%23top"},
      {"100% a\tb\r\n\x7F", "100%25%20a%09b%0D%0A%7F"},
      {"J\xFCrgen@\xE9xample.com", "J%FCrgen@%E9xample.com"},
      {"~!$(),;*?", "~!$(),;*?"},
  };
  for (const auto &test : cases) {
    char sent[3 * 256];
    EncodeScriptValue(test.value, sent, sizeof sent);
    EXPECT_EQ(test.sent, std::string(sent)) << test.value;
  }
}

// A check's answer against the one expected: null for a value that can be
// used, else a text that says `part`.
::testing::AssertionResult Answers(const char *answer, const char *part) {
  if (answer == nullptr ? part == nullptr : part != nullptr && strstr(answer, part) != nullptr)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "answered " << (answer ? answer : "null")
                                       << ", not " << (part ? part : "null");
}

TEST(DestinationTest, ScriptAddressesThatCanBeUsed) {
  const struct {
    const char *text;
    const char *host;
    int port;
    bool secure;
    const char *path;
  } cases[] = {
      {"https://reg.example.com/cgi-bin/FormMail.cgi", "reg.example.com", 443, true,
       "/cgi-bin/FormMail.cgi"},
      {"HTTPS://Reg.Example.com:8443/mail", "Reg.Example.com", 8443, true, "/mail"},
      {"http://192.0.2.7:8080/", "192.0.2.7", 8080, false, "/"},
      {"http://reg_1.example.com/%7Evendor/m.cgi", "reg_1.example.com", 80, false,
       "/%7Evendor/m.cgi"},
  };
  for (const auto &test : cases) {
    WebAddress script = {};
    EXPECT_TRUE(Answers(ReadScriptAddress(test.text, script), nullptr)) << test.text;
    EXPECT_EQ(test.host, std::string(script.host)) << test.text;
    EXPECT_EQ(test.port, script.port) << test.text;
    EXPECT_EQ(test.secure, script.secure) << test.text;
    EXPECT_EQ(test.path, std::string(script.target)) << test.text;
  }
}

TEST(DestinationTest, ValuesThatCannotBeUsedSayWhy) {
  enum Value { Address, Mailbox, Page, PageAfterHttps };
  const struct {
    Value value;
    const char *text;
    const char *says;  // null: the value can be used
  } cases[] = {
      {Address, "", "is empty"},
      {Address, "ftp://www.example.com/FormMail.cgi", "not an http:// or https://"},
      {Address, "https:/www.example.com/FormMail.cgi", "not an http:// or https://"},
      {Address, "https:///cgi-local/FormMail.cgi", "names no host"},
      {Address, "https://:443/FormMail.cgi", "names no host"},
      {Address, "https://www.example.com/cgi local/FormMail.cgi", "blank"},
      {Address, "https://www.example.com/\"FormMail.cgi\"", "quote"},
      {Address, "https://www.example.com/FormMail.cgi\r\nHost: x", "control character"},
      {Address, "https://www.example.com:65536/FormMail.cgi", "port"},
      {Address, "https://www.example.com:/FormMail.cgi", "port"},
      {Address, "https://user@www.example.com/FormMail.cgi", "host name"},
      {Address, "https://www.ex\xE4mple.com/FormMail.cgi", "outside ASCII"},
      {Address, "https://www.example.com:8443", "names no path"},
      {Address, "https://www.example.com/FormMail.cgi?recipient=x", "adds the query"},
      {Address, "https://www.example.com\\FormMail.cgi", "adds the query"},
      {Mailbox, "J\xFCrgen+reg@example.com", nullptr},
      {Mailbox, "", "is empty"},
      {Mailbox, "sales reg@example.com", "blank"},
      {Mailbox, "'sales'@example.com", "quote"},
      {Mailbox, "sales@example.com\r\nBcc: x@example.com", "control character"},
      {Page, "https://www.velmora.com/regthankyou.htm", nullptr},
      {PageAfterHttps, "https://www.example.com:8443/t.htm?cd=1&lang=en#top", nullptr},
      {PageAfterHttps, "http://www.velmora.com/regthankyou.htm", "from https back to http"},
      {Page, "ftp://www.example.com/thanks.htm", "not an http:// or https://"},
      {Page, "https:///thanks.htm", "names no host"},
      {Page, "https://www.example.com/thank you.htm", "blank"},
      {Page, "https://www.example.com:99999/thanks.htm", "port"},
  };
  for (const auto &test : cases) {
    WebAddress script = {};
    const char *answer = test.value == Address   ? ReadScriptAddress(test.text, script)
                         : test.value == Mailbox ? CheckMailbox(test.text)
                                                 : CheckThankYouPage(test.text,
                                                                     test.value == PageAfterHttps);
    EXPECT_TRUE(Answers(answer, test.says)) << test.text;
    EXPECT_EQ('\0', script.host[0]) << test.text;  // a refused address is not taken
  }
}

}  // namespace
