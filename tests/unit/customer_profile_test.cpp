#include <cstdio>
#include <string>

#include "customer/form_transfer.h"
#include "customer/prefill.h"
#include "customer/registration_file.h"
#include "customer/saved_profile.h"
#include "customer_fixture.h"

namespace {

class ProfileTest : public CustomerTest {
 protected:
  static CustomerRecord Everything() {
    CustomerRecord record = {};
    CopyText(record.productName, sizeof record.productName, "Corvinel");
    CopyText(record.serialNumber, sizeof record.serialNumber, "SN-1");
    CopyText(record.registrationDate, sizeof record.registrationDate, "12-7-2026");
    CopyText(record.firstName, sizeof record.firstName, "Ann");
    CopyText(record.lastName, sizeof record.lastName, "Lee");
    CopyText(record.street1, sizeof record.street1, "1 Main St");
    CopyText(record.street2, sizeof record.street2, "Apt 2");
    CopyText(record.city, sizeof record.city, "Austin");
    CopyText(record.state, sizeof record.state, "TX");
    CopyText(record.zip, sizeof record.zip, "78701");
    CopyText(record.country, sizeof record.country, "Canada");
    CopyText(record.email, sizeof record.email, "ann@example.com");
    CopyText(record.phone, sizeof record.phone, "555-0100");
    CopyText(record.fax, sizeof record.fax, "555-0101");
    CopyText(record.whereBought, sizeof record.whereBought, "Smith & Sons");
    return record;
  }
};

TEST_F(ProfileTest, ProfileLivesInTheWindowsDirectoryWhenItMayBeWritten) {
  char path[kPathCapacity];
  EXPECT_EQ(1, GetProfilePath(path));
  EXPECT_EQ(folder.Path("windows") + "\\VelmoraReg.ini", path);

  Fake().writableFolders.clear();
  GetProfilePath(path);
  EXPECT_EQ(folder.Path("appdata") + "\\VelmoraReg.ini", path);

  Fake().windowsFolder = "C:\\";  // a root keeps its one separator
  Fake().writableFolders = {"C:\\"};
  GetProfilePath(path);
  EXPECT_STREQ("C:\\VelmoraReg.ini", path);

  // In code page 932 a folder may end in a letter whose second byte is 0x5C.
  Fake().textSpelling = kFakeShiftJis;
  Fake().windowsFolder = "C:\\\x95\x5C";
  Fake().writableFolders = {Fake().windowsFolder};
  GetProfilePath(path);
  EXPECT_STREQ("C:\\\x95\x5C\\VelmoraReg.ini", path);
}

TEST_F(ProfileTest, FolderOutsideTheCodePageIsUsedByItsShortFormOrNotAtAll) {
  // A standard user whose account name the ANSI code page cannot express.
  Fake().writableFolders.clear();
  const std::string roaming = folder.Path("roaming-in-cyrillic");
  Fake().applicationDataFolder = roaming;
  Fake().pathsOutsideCodePage[roaming] = folder.Path("appdata");
  char path[kPathCapacity];
  GetProfilePath(path);
  EXPECT_EQ(folder.Path("appdata") + "\\VelmoraReg.ini", path);
  SaveProfile(Everything());
  CustomerRecord record = {};
  LoadProfile(record);
  EXPECT_STREQ("Ann", record.firstName);

  // Without a short form the folder is unusable: nothing is written or read.
  std::remove(folder.Path("appdata\\VelmoraReg.ini").c_str());
  Fake().pathsOutsideCodePage[roaming] = "";
  GetProfilePath(path);
  EXPECT_STREQ("", path);
  SaveProfile(Everything());
  EXPECT_FALSE(folder.Exists("appdata\\VelmoraReg.ini"));
  EXPECT_FALSE(WindowsProfileExists());
  CustomerRecord kept = {};
  CopyText(kept.firstName, sizeof kept.firstName, "kept");
  LoadProfile(kept);
  EXPECT_STREQ("kept", kept.firstName);

  // The Windows directory follows the same rule.
  Fake().pathsOutsideCodePage[Fake().windowsFolder] = "C:\\WIN~1";
  Fake().writableFolders = {"C:\\WIN~1"};
  GetProfilePath(path);
  EXPECT_STREQ("C:\\WIN~1\\VelmoraReg.ini", path);
}

TEST_F(ProfileTest, NoProfileNameOrNoRoomMeansNoProfile) {
  char path[kPathCapacity];
  UseSettings(folder.Write("noname.ini", "[General]\r\nStartup=x\r\n"));
  GetProfilePath(path);
  EXPECT_STREQ("", path);
  SaveProfile(Everything());
  CustomerRecord record = {};
  CopyText(record.city, sizeof record.city, "kept");
  LoadProfile(record);
  EXPECT_STREQ("kept", record.city);
  EXPECT_FALSE(WindowsProfileExists());

  UseSettings(std::string(VELINST_SOURCE_DIR) + "/disc/VelInst.ini");
  Fake().windowsFolder = "C:\\" + std::string(245, 'w');
  Fake().writableFolders = {Fake().windowsFolder};
  GetProfilePath(path);  // 248 + "\" + "VelmoraReg.ini" would not fit in 260
  EXPECT_STREQ("", path);
}

TEST_F(ProfileTest, SaveWritesTheTwelveKeysEmptyOnesTooAndNeverProductSerialOrDate) {
  CustomerRecord record = Everything();
  CopyText(record.fax, sizeof record.fax, "");
  CopyText(record.street2, sizeof record.street2, "");
  EXPECT_EQ(1, SaveProfile(record));
  EXPECT_EQ(
      "[registration info]\r\nFirstName=Ann\r\nLastName=Lee\r\nStreetAddr1=1 Main St\r\n"
      "StreetAddr2=\r\nCITY=Austin\r\nSTATE=TX\r\nZIP=78701\r\nCOUNTRY=Canada\r\n"
      "EMAIL=ann@example.com\r\nPHONE=555-0100\r\nFAX=\r\nWHERETOBUY=Smith & Sons\r\n",
      WindowsProfile());

  // A later save overwrites every key in place.
  record = Everything();
  CopyText(record.city, sizeof record.city, "Dallas");
  SaveProfile(record);
  EXPECT_NE(std::string::npos, WindowsProfile().find("CITY=Dallas\r\n"));
  EXPECT_NE(std::string::npos, WindowsProfile().find("FAX=555-0101\r\n"));
  EXPECT_EQ(std::string::npos, WindowsProfile().find("Austin"));
}

TEST_F(ProfileTest, ReadAndWriteFindTheSameFileInTheApplicationDataFolder) {
  Fake().writableFolders.clear();
  SaveProfile(Everything());
  EXPECT_FALSE(WindowsProfileExists());
  EXPECT_TRUE(folder.Exists("appdata\\VelmoraReg.ini"));
  CustomerRecord record = {};
  LoadProfile(record);
  EXPECT_STREQ("Ann", record.firstName);
  EXPECT_STREQ("Smith & Sons", record.whereBought);
}

TEST_F(ProfileTest, LoadKeepsFieldsOfAbsentKeysAndCutsToTheFieldWidth) {
  folder.Write("windows\\VelmoraReg.ini",
               "[registration info]\r\nFirstName=Ann\r\nSTATE=TEXASLONG\r\nEMAIL=" +
                   std::string(70, 'e') + "\r\nProduct=never read\r\n");
  CustomerRecord record = {};
  CopyText(record.city, sizeof record.city, "kept");
  EXPECT_EQ(1, LoadProfile(record));
  EXPECT_STREQ("Ann", record.firstName);
  EXPECT_STREQ("kept", record.city);
  EXPECT_STREQ("TEXASLO", record.state);
  EXPECT_EQ(std::string(63, 'e'), record.email);
  EXPECT_STREQ("", record.productName);
}

TEST_F(ProfileTest, DefaultCountryFillsOnlyAnEmptyCountry) {
  CustomerRecord record = {};
  ApplyDefaultCountry(record);
  EXPECT_STREQ("USA", record.country);
  CopyText(record.country, sizeof record.country, "Canada");
  ApplyDefaultCountry(record);
  EXPECT_STREQ("Canada", record.country);

  UseSettings(folder.Write("nocountry.ini", "[Country Code]\r\nCanada=Canada\r\n"));
  CustomerRecord empty = {};
  ApplyDefaultCountry(empty);
  EXPECT_STREQ("", empty.country);
}

TEST_F(ProfileTest, ProductNameComesFromTheRegistrationFileBesideTheProgram) {
  char path[kPathCapacity];
  EXPECT_EQ(1, GetRegistrationFilePath(path));
  EXPECT_EQ(folder.Path("disc") + "\\register.ini", path);
  char product[256] = "old";
  EXPECT_EQ(1, ReadProductName(path, product, sizeof product));
  EXPECT_STREQ("Corvinel Professional 4.0", product);

  folder.Write("disc\\register.ini", "[Register]\r\nProduct=\r\n");
  CopyText(product, sizeof product, "old");
  EXPECT_EQ(0, ReadProductName(path, product, sizeof product));
  EXPECT_STREQ("old", product);
}

TEST_F(ProfileTest, FirstRunRegistrationFormGetsProductDateAndCountryOnly) {
  OpenRegistrationForm({{"reg_serial", "typed earlier"}, {"reg_city", "typed earlier"}});
  EXPECT_EQ(1, PrefillRegistrationForm());
  ASSERT_EQ(15u, Forms().edits.size());
  EXPECT_EQ("reg_product", Forms().edits.front().field);
  EXPECT_EQ("reg_where_bought", Forms().edits.back().field);
  for (const auto &field : Forms().current.fields) {
    const std::map<std::string, std::string> expected = {
        {"reg_product", "Corvinel Professional 4.0"},
        {"reg_date", "12-7-2026"},
        {"reg_country", "USA"}};
    auto found = expected.find(field.first);
    EXPECT_EQ(found != expected.end() ? found->second : "", field.second) << field.first;
  }
}

TEST_F(ProfileTest, DateHasNoLeadingZeros) {
  Fake().today = {2027, 1, 5};
  OpenRegistrationForm();
  PrefillRegistrationForm();
  EXPECT_EQ("1-5-2027", Field("reg_date"));
}

TEST_F(ProfileTest, SavedDetailsPrefillBothFormsAndCanadaIsKept) {
  SaveProfile(Everything());
  OpenRegistrationForm();
  PrefillRegistrationForm();
  EXPECT_EQ("Corvinel Professional 4.0", Field("reg_product"));  // not the saved one
  EXPECT_EQ("", Field("reg_serial"));
  EXPECT_EQ("12-7-2026", Field("reg_date"));
  EXPECT_EQ("Ann", Field("reg_first_name"));
  EXPECT_EQ("Apt 2", Field("reg_street2"));
  EXPECT_EQ("Canada", Field("reg_country"));
  EXPECT_EQ("555-0101", Field("reg_fax"));
  EXPECT_EQ("Smith & Sons", Field("reg_where_bought"));

  OpenBuyerForm();
  EXPECT_EQ(1, PrefillBuyerForm());
  ASSERT_EQ(11u, Forms().edits.size() - 15);
  EXPECT_EQ("Lee", Field("buyer_last_name"));
  EXPECT_EQ("Canada", Field("buyer_country"));
  EXPECT_EQ("ann@example.com", Field("buyer_email"));
  EXPECT_EQ("555-0100", Field("buyer_phone"));
  EXPECT_EQ("555-0101", Field("buyer_fax"));
}

TEST_F(ProfileTest, EmptySavedCountryGetsTheDefaultAndTheBuyerRecordIsUntouched) {
  CustomerRecord record = Everything();
  CopyText(record.country, sizeof record.country, "");
  SaveProfile(record);
  BuyerRecord = {};
  OpenBuyerForm({{"buyer_city", "typed earlier"}});
  PrefillBuyerForm();
  EXPECT_EQ("USA", Field("buyer_country"));
  EXPECT_EQ("Austin", Field("buyer_city"));
  EXPECT_STREQ("", BuyerRecord.city);
}

TEST_F(ProfileTest, FirstRunBuyerFormGetsOnlyTheDefaultCountry) {
  OpenBuyerForm();
  PrefillBuyerForm();
  for (const auto &field : Forms().current.fields)
    EXPECT_EQ(field.first == "buyer_country" ? "USA" : "", field.second) << field.first;
}

TEST_F(ProfileTest, WritingAFormWithAnAbsentMapKeyPassesAnEmptyName) {
  UseSettings(folder.Write("partial.ini", "[Buyer Form]\r\nCity=buyer_city\r\n"));
  OpenBuyerForm();
  CustomerRecord record = Everything();
  WriteBuyerForm(record);
  ASSERT_EQ(11u, Forms().edits.size());
  EXPECT_EQ("", Forms().edits[0].field);
  EXPECT_EQ("Ann", Forms().edits[0].text);
  EXPECT_EQ("buyer_city", Forms().edits[4].field);
  EXPECT_EQ("Austin", Field("buyer_city"));
}

}  // namespace
