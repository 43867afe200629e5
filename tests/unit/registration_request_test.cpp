#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "registration/request_target.h"
#include "text/bounded.h"

namespace {

const std::string kFixed =
    "/cgi-local/FormMail.cgi?recipient=register@velmora.com&subject=User%20Registration"
    "&redirect=http://www.velmora.com/regthankyou.htm&required=PRODUCT%20NAME,"
    "SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,ADDRESS1,CITY,STATE,ZIPCODE,COUNTRY,"
    "PURCHASE&sort=order:PRODUCT%20NAME,SERIAL%20NUMBER,FIRST%20NAME,LAST%20NAME,"
    "ADDRESS1,ADDRESS2,CITY,STATE,ZIPCODE,COUNTRY,PURCHASE";

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
  ASSERT_EQ(1, BuildRequestTarget(FullRecord(), target));
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
  ASSERT_EQ(1, BuildRequestTarget(record, target));
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
  ASSERT_EQ(1, BuildRequestTarget(record, target));
  size_t length = strlen(target);
  EXPECT_LT(length, 4096u);
  CopyText(record.whereBought, sizeof record.whereBought, spaces.c_str());
  EXPECT_EQ(0, BuildRequestTarget(record, target));
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

}  // namespace
