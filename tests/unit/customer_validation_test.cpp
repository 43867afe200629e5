#include <cstring>
#include <string>

#include "customer/customer_fields.h"
#include "customer/form_checks.h"
#include "customer/form_transfer.h"
#include "customer/trim.h"
#include "customer/validation.h"
#include "customer_fixture.h"

namespace {

const char kHead[] = "Please fill in every required field. Missing:";

TEST(TrimTest, RemovesOnlySpacesAtEitherEnd) {
  char left[16] = "   Ann Lee";
  EXPECT_EQ(1, TrimLeft(left));
  EXPECT_STREQ("Ann Lee", left);
  EXPECT_EQ(0, TrimLeft(left));

  char right[16] = "Ann Lee  ";
  EXPECT_EQ(1, TrimRight(right));
  EXPECT_STREQ("Ann Lee", right);
  EXPECT_EQ(0, TrimRight(right));

  char both[16] = "  Ann Lee ";
  EXPECT_EQ(7, TrimSpaces(both));
  EXPECT_STREQ("Ann Lee", both);

  char tabs[16] = "\t\t";  // a tab is not a space: the field is present
  EXPECT_EQ(2, TrimSpaces(tabs));
  EXPECT_STREQ("\t\t", tabs);
  char tabbed[16] = " \tx\t ";
  EXPECT_EQ(3, TrimSpaces(tabbed));
  EXPECT_STREQ("\tx\t", tabbed);
}

TEST(TrimTest, SpacesOnlyAndEmptyTextsCountAsMissing) {
  char spaces[16] = "     ";
  EXPECT_EQ(1, TrimLeft(spaces));
  EXPECT_STREQ("", spaces);
  char spacesRight[16] = "   ";
  EXPECT_EQ(1, TrimRight(spacesRight));
  EXPECT_STREQ("", spacesRight);
  char again[16] = "  ";
  EXPECT_EQ(0, TrimSpaces(again));
  char empty[4] = "";
  EXPECT_EQ(0, TrimLeft(empty));
  EXPECT_EQ(0, TrimRight(empty));
  EXPECT_EQ(0, TrimSpaces(empty));
  EXPECT_STREQ("", empty);
}

class ValidationTest : public CustomerTest {
 protected:
  static CustomerRecord RequiredOnly() {
    CustomerRecord record = {};
    CopyText(record.firstName, sizeof record.firstName, "Ann");
    CopyText(record.lastName, sizeof record.lastName, "Lee");
    CopyText(record.street1, sizeof record.street1, "1 Main St");
    CopyText(record.city, sizeof record.city, "Austin");
    CopyText(record.state, sizeof record.state, "TX");
    CopyText(record.zip, sizeof record.zip, "78701");
    CopyText(record.country, sizeof record.country, "USA");
    return record;
  }
  char warning[kWarningCapacity];
};

TEST_F(ValidationTest, RegistrationNeedsOnlyNameAddressAndCountry) {
  CustomerRecord record = RequiredOnly();
  EXPECT_EQ(0, ValidateRegistrationRecord(record, warning));
  EXPECT_STREQ(kHead, warning);  // built, though there is nothing to show
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(ValidationTest, RegistrationReportsTheLastMissingFieldAndListsAllInOrder) {
  CustomerRecord record = RequiredOnly();
  CopyText(record.firstName, sizeof record.firstName, "   ");
  CopyText(record.zip, sizeof record.zip, "");
  EXPECT_EQ(-6, ValidateRegistrationRecord(record, warning));
  EXPECT_EQ(std::string(kHead) + " First name. ZIP code.", warning);
  EXPECT_STREQ("", record.firstName);

  const struct {
    CustomerField field;
    int code;
    const char *text;
  } each[] = {{CustomerField::FirstName, -1, " First name."},
              {CustomerField::LastName, -2, " Last name."},
              {CustomerField::Street1, -3, " Street address."},
              {CustomerField::City, -4, " City."},
              {CustomerField::State, -5, " State."},
              {CustomerField::Zip, -6, " ZIP code."},
              {CustomerField::Country, -7, " Country."}};
  for (const auto &missing : each) {
    record = RequiredOnly();
    FieldOf(record, missing.field).text[0] = '\0';
    EXPECT_EQ(missing.code, ValidateRegistrationRecord(record, warning));
    EXPECT_EQ(std::string(kHead) + missing.text, warning);
  }
}

TEST_F(ValidationTest, RegistrationTrimsItsTextsButLeavesPhoneFaxAndDate) {
  CustomerRecord record = RequiredOnly();
  CopyText(record.productName, sizeof record.productName, " Corvinel ");
  CopyText(record.serialNumber, sizeof record.serialNumber, " 123 ");
  CopyText(record.firstName, sizeof record.firstName, "  Ann ");
  CopyText(record.street2, sizeof record.street2, " Apt 2 ");
  CopyText(record.email, sizeof record.email, " ann@example.com ");
  CopyText(record.whereBought, sizeof record.whereBought, " Shop ");
  CopyText(record.phone, sizeof record.phone, " 555 ");
  CopyText(record.fax, sizeof record.fax, " 556 ");
  CopyText(record.registrationDate, sizeof record.registrationDate, " 1-2-2026 ");
  EXPECT_EQ(0, ValidateRegistrationRecord(record, warning));
  EXPECT_STREQ("Corvinel", record.productName);
  EXPECT_STREQ("123", record.serialNumber);
  EXPECT_STREQ("Ann", record.firstName);
  EXPECT_STREQ("Apt 2", record.street2);
  EXPECT_STREQ("ann@example.com", record.email);
  EXPECT_STREQ("Shop", record.whereBought);
  EXPECT_STREQ(" 555 ", record.phone);
  EXPECT_STREQ(" 556 ", record.fax);
  EXPECT_STREQ(" 1-2-2026 ", record.registrationDate);
}

TEST_F(ValidationTest, BuyerNeedsTheTelephoneToo) {
  CustomerRecord record = RequiredOnly();
  EXPECT_EQ(-8, ValidateBuyerRecord(record, warning));
  EXPECT_EQ(std::string(kHead) + " Telephone number.", warning);

  CopyText(record.phone, sizeof record.phone, " 555-0100 ");
  CopyText(record.firstName, sizeof record.firstName, "");
  CopyText(record.zip, sizeof record.zip, "  ");
  CopyText(record.street2, sizeof record.street2, " Apt 2 ");
  CopyText(record.email, sizeof record.email, " a@b ");
  EXPECT_EQ(-6, ValidateBuyerRecord(record, warning));
  EXPECT_EQ(std::string(kHead) + " First name. ZIP code.", warning);
  EXPECT_STREQ("555-0100", record.phone);
  EXPECT_STREQ(" Apt 2 ", record.street2);  // not checked, not trimmed
  EXPECT_STREQ(" a@b ", record.email);
}

TEST_F(ValidationTest, WarningIsCutAt255CharactersAndAbsentTextsAddNothing) {
  std::string longText(200, 'w');
  UseSettings(folder.Write("long.ini", "[Validate Error]\r\nWarning=" + longText +
                                           "\r\nfirstname=" + longText + "\r\n"));
  CustomerRecord record = {};
  EXPECT_EQ(-7, ValidateRegistrationRecord(record, warning));
  EXPECT_EQ(std::string(255, 'w'), warning);

  UseSettings(folder.Write("none.ini", "[General]\r\n"));
  EXPECT_EQ(-8, ValidateBuyerRecord(record, warning));
  EXPECT_STREQ("", warning);
}

TEST_F(ValidationTest, WarningBoxHasNoOwnerTheTitleAndTheWarningIcon) {
  ShowValidationWarning("text");
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ(nullptr, Fake().messageBoxes[0].owner);
  EXPECT_EQ("text", Fake().messageBoxes[0].text);
  EXPECT_EQ("Install & Register", Fake().messageBoxes[0].caption);
  EXPECT_EQ(0x30u, Fake().messageBoxes[0].style);
}

TEST_F(ValidationTest, CollectRegistrationFillsTheRecordOnlyWhenTheFormIsComplete) {
  CustomerRecord record = {};
  CopyText(record.city, sizeof record.city, "untouched");
  OpenRegistrationForm({{"reg_first_name", "Ann"}, {"reg_zip", "78701"}});
  EXPECT_EQ(0, CollectRegistration(record));
  EXPECT_STREQ("untouched", record.city);
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ(std::string(kHead) + " Last name. Street address. City. State. Country.",
            Fake().messageBoxes[0].text);
  EXPECT_EQ(nullptr, Fake().messageBoxes[0].owner);

  Fake().messageBoxes.clear();
  OpenCompleteRegistrationForm();
  Forms().current.fields["reg_first_name"] = "  Ann  ";
  Forms().current.fields["reg_where_bought"] = " Smith & Sons ";
  Forms().current.fields["reg_fax"] = " 556 ";
  EXPECT_EQ(1, CollectRegistration(record));
  EXPECT_TRUE(Fake().messageBoxes.empty());
  EXPECT_STREQ("Ann", record.firstName);
  EXPECT_STREQ("Smith & Sons", record.whereBought);
  EXPECT_STREQ(" 556 ", record.fax);
  EXPECT_STREQ("Austin", record.city);
  EXPECT_TRUE(Forms().edits.empty());  // the form itself is not changed
}

TEST_F(ValidationTest, FormReadsAreCutToTheFieldWidths) {
  OpenCompleteRegistrationForm();
  Forms().current.fields["reg_state"] = "TEXAS STATE";
  Forms().current.fields["reg_zip"] = "787011234";
  Forms().current.fields["reg_product"] = std::string(300, 'p');
  CustomerRecord record = {};
  ASSERT_EQ(1, ReadRegistrationForm(record));
  EXPECT_STREQ("TEXAS S", record.state);
  EXPECT_STREQ("7870112", record.zip);
  EXPECT_EQ(std::string(255, 'p'), record.productName);
  EXPECT_EQ(15u, Forms().reads.size());
  EXPECT_EQ("reg_product", Forms().reads.front());
  EXPECT_EQ("reg_where_bought", Forms().reads.back());
}

TEST_F(ValidationTest, ReadRegistrationFormStartsFromAnEmptyRecord) {
  CustomerRecord record = {};
  CopyText(record.serialNumber, sizeof record.serialNumber, "old");
  OpenFakeTemplate("Registration", {{"reg_first_name", "Ann"}});
  ReadRegistrationForm(record);
  EXPECT_STREQ("", record.serialNumber);
  EXPECT_STREQ("Ann", record.firstName);
}

TEST_F(ValidationTest, CheckBuyerFormKeepsTheNewTrimmedTextsEvenWhenIncomplete) {
  CustomerRecord buyer = {};
  CopyText(buyer.productName, sizeof buyer.productName, "not on the buyer form");
  CopyText(buyer.city, sizeof buyer.city, "Old Town");
  OpenBuyerForm({{"buyer_first_name", " Ann "},
                 {"buyer_last_name", "Lee"},
                 {"buyer_street1", "1 Main St"},
                 {"buyer_city", " Toronto "},
                 {"buyer_state", "ON"},
                 {"buyer_zip", "M5V"},
                 {"buyer_country", " Canada "}});
  EXPECT_EQ(0, CheckBuyerForm(buyer));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ(std::string(kHead) + " Telephone number.", Fake().messageBoxes[0].text);
  EXPECT_STREQ("Ann", buyer.firstName);
  EXPECT_STREQ("Toronto", buyer.city);
  EXPECT_STREQ("Canada", buyer.country);
  EXPECT_STREQ("not on the buyer form", buyer.productName);

  Forms().current.fields["buyer_phone"] = "555-0100";
  Fake().messageBoxes.clear();
  EXPECT_EQ(1, CheckBuyerForm(buyer));
  EXPECT_TRUE(Fake().messageBoxes.empty());
  EXPECT_STREQ("555-0100", buyer.phone);
}

}  // namespace
