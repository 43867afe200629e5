// velinst-check on the sample disc, which must pass with no finding, and on
// copies of it with one mistake each, which must give exactly that finding:
// its file, its line and its kind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "disc_check.h"
#include "disc_files.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct Mistake {
  const char *what;
  const char *file;    // disc file to change
  const char *anchor;  // the change is made at the first `old` after this text
  const char *old;
  const char *replacement;
  const char *reportedFile;
  // The finding's line is that of the first line holding this text after the
  // anchor; with `header` set, that of the section header above it.
  const char *reportedAt;
  bool header;
  Severity severity;
  const char *says;
};

const Mistake kMistakes[] = {
    {"misspelt field name", "VelInst.ini", "", "RegCity=reg_city", "RegCity=reg_cty",
     "VelInst.ini", "RegCity=", false, Severity::Error, "not an edit field of"},
    {"field key absent", "VelInst.ini", "", "RegFax=reg_fax\n", "", "VelInst.ini",
     "[Registration Form]", false, Severity::Error, "RegFax is absent: the launcher reads it as empty"},
    {"price key absent repeats the one before", "VelInst.ini", "", "KB=299.00\n", "",
     "VelInst.ini", "[Unit Price]", false, Severity::Error, "[Unit Price] KB is absent"},
    {"label absent repeats the one before", "VelInst.ini", "", "Tax=Sales Tax (TX 8.25%)\n", "",
     "VelInst.ini", "[Order Label]", false, Severity::Error, "use that text again"},
    {"template that does not parse", "screens/order.vrm", "name = qty_1", "maxlength", "maxlenght",
     "screens/order.vrm", "maxlenght", false, Severity::Error, "unknown key \"maxlenght\""},
    {"goto target missing", "screens/buyer.vrm", "", "goto = start.vrm", "goto = strat.vrm",
     "screens/buyer.vrm", "goto = strat.vrm", true, Severity::Error, "\"strat.vrm\" is not on"},
    {"picture missing", "screens/buyer.vrm", "", "file = logo.bmp", "file = logo2.bmp",
     "screens/buyer.vrm", "logo2.bmp", true, Severity::Error, "picture \"logo2.bmp\""},
    {"unknown command", "screens/register.vrm", "", "command = 3046", "command = 3047",
     "screens/register.vrm", "command = 3047", true, Severity::Error, "command 3047"},
    {"order template named otherwise", "VelInst.ini", "[Form Name]", "Order=Order", "Order=Orders",
     "VelInst.ini", "Order=Orders", false, Severity::Error, "is named \"Order\""},
    {"registration template named otherwise", "screens/register.vrm", "", "name = Registration",
     "name = Register", "VelInst.ini", "registration=", false, Severity::Error,
     "no screen reached"},
    {"state field longer than the record keeps", "screens/register.vrm", "name = reg_state",
     "maxlength = 7", "maxlength = 8", "screens/register.vrm", "name = reg_state", true,
     Severity::Error, "keeps 7 of [Registration Form] RegState"},
    {"first name longer than the record keeps", "screens/buyer.vrm", "name = buyer_first_name",
     "maxlength = 31", "maxlength = 64", "screens/buyer.vrm", "name = buyer_first_name", true,
     Severity::Error, "keeps 63 of [Buyer Form] Firstname"},
    {"card number longer than the launcher reads", "screens/order.vrm", "name = card_number",
     "maxlength = 31", "maxlength = 40", "screens/order.vrm", "name = card_number", true,
     Severity::Error, "keeps 31 of [Order Form] CreditCard #"},
    {"no payment option named as Check", "VelInst.ini", "[payment string]", "Check=Check",
     "Check=Cheque", "VelInst.ini", "Check=Cheque", false, Severity::Error,
     "no option of the order form's payment group 1"},
    {"launcher-filled field left editable", "screens/order.vrm", "name = line_1",
     "readonly = yes\n", "", "screens/order.vrm", "name = line_1", true, Severity::Warning,
     "readonly = yes"},
    {"installer not on the disc", "VelInst.ini", "", "Installer=Setup.cmd", "Installer=Setup.exe",
     "VelInst.ini", "Installer=", false, Severity::Error, "\"Setup.exe\", which is not on the disc"},
    {"registration file without the product", "register.ini", "", "Product=", "Produkt=",
     "register.ini", "[Register]", false, Severity::Error, "[Register] Product is absent"},
    {"section given twice", "VelInst.ini", "", "[Shipping Price]",
     "[Unit Price]\nKA=1.00\n[Shipping Price]", "VelInst.ini", "KA=1.00", true,
     Severity::Warning, "[Unit Price] appears again"},
    {"price with text after it", "VelInst.ini", "", "USA Price1=6.50", "USA Price1=6.50 USD",
     "VelInst.ini", "USA Price1=", false, Severity::Error, "not a decimal number"},
    {"web address without its scheme", "VelInst.ini", "", "Velmora Site=http://", "Velmora Site=",
     "VelInst.ini", "Velmora Site=", false, Severity::Error, "not an absolute http"},
    {"web address with a blank", "VelInst.ini", "", "store/order.htm", "store/order form.htm",
     "VelInst.ini", "OrderOnline=", false, Severity::Error, "a blank or a quote"},
    {"English-only flag other than 0 or 1", "VelInst.ini", "", "IsEnglishOnly=1", "IsEnglishOnly=2",
     "VelInst.ini", "IsEnglishOnly=", false, Severity::Error, "must be 0 or 1"},
    {"document not on the disc", "VelInst.ini", "", "Document1=ReadMe.txt",
     "Document1=ReadMe2.txt", "VelInst.ini", "Document1=", false, Severity::Error,
     "\"ReadMe2.txt\", which is not on the disc"},
    {"document button without its document", "VelInst.ini", "", "Document2=.\n", "",
     "screens/start.vrm", "command = 3102", true, Severity::Error,
     "needs [Documents] Document2"},
    {"hide mode other than 0, 1 or 2", "VelInst.ini", "", "Hide While Installing=1",
     "Hide While Installing=3", "VelInst.ini", "Hide While Installing=", false, Severity::Error,
     "must be 0 (stay shown), 1 (come back) or 2"},
    {"version without a number", "VelInst.ini", "", "Version=4.0.2", "Version=four",
     "VelInst.ini", "Version=", false, Severity::Error, "holds no number"},
    {"upgrade code without its braces", "VelInst.ini", "", "Version=4.0.2\n",
     "Version=4.0.2\nUpgrade Code=0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9\n", "VelInst.ini",
     "Upgrade Code=", false, Severity::Error, "is not a code in braces"},
    {"German start screen not on the disc", "VelInst.07.ini", "", "Startup=screens\\start-de",
     "Startup=screens\\start-fr", "VelInst.07.ini", "Startup=", false, Severity::Error,
     "\"screens\\start-fr.vrm\", which is not on the disc"},
    {"German settings that do not say their code page", "VelInst.07.ini", "",
     "Code Page=1252\n", "", "VelInst.07.ini", "[General]", false, Severity::Warning,
     "[General] Code Page is absent"},
    {"German code page that is no number", "VelInst.07.ini", "", "Code Page=1252",
     "Code Page=cp1252", "VelInst.07.ini", "Code Page=", false, Severity::Error,
     "is not a code page Windows runs programs in"},
    {"German code page Windows runs no program in", "VelInst.07.ini", "", "Code Page=1252",
     "Code Page=28591", "VelInst.07.ini", "Code Page=", false, Severity::Error,
     "the launcher never shows this file"},
    {"code page in VelInst.ini", "VelInst.ini", "", "IsEnglishOnly=1\n",
     "IsEnglishOnly=1\nCode Page=1252\n", "VelInst.ini", "Code Page=", false,
     Severity::Warning, "does nothing in VelInst.ini"},
    {"state code longer than the launcher keeps", "VelInst.ini", "", "VelmoraState=TX",
     "VelmoraState=TEXAS-US", "VelInst.ini", "VelmoraState=", false, Severity::Error,
     "keeps only the first 7"},
    {"registration address of another scheme", "VelInst.ini", "", "IsEnglishOnly=1\n",
     "IsEnglishOnly=1\nRegistration Address=ftp://www.example.com/FormMail.cgi\n", "VelInst.ini",
     "Registration Address=", false, Severity::Error, "is not an http:// or https:// address"},
    {"registration address without a host", "VelInst.ini", "", "IsEnglishOnly=1\n",
     "IsEnglishOnly=1\nRegistration Address=https:///FormMail.cgi\n", "VelInst.ini",
     "Registration Address=", false, Severity::Error, "names no host"},
    {"registration mailbox with a blank", "VelInst.ini", "", "IsEnglishOnly=1\n",
     "IsEnglishOnly=1\nRegistration Mailbox=cd reg@example.com\n", "VelInst.ini",
     "Registration Mailbox=", false, Severity::Error, "holds a blank"},
    {"plain thank-you page after an https address", "VelInst.ini", "", "IsEnglishOnly=1\n",
     "IsEnglishOnly=1\nRegistration Address=https://www.example.com/FormMail.cgi\n"
     "Registration Thank You Page=http://www.example.com/regthankyou.htm\n",
     "VelInst.ini", "Registration Thank You Page=", false, Severity::Error,
     "from https back to http"},
    {"settings file saved with a byte-order mark", "VelInst.ini", "", "; VelInst.ini",
     "\xEF\xBB\xBF; VelInst.ini", "VelInst.ini", "; VelInst.ini", false, Severity::Error,
     "byte-order mark"},
    {"registration file saved with a byte-order mark", "register.ini", "", "; The",
     "\xEF\xBB\xBF; The", "register.ini", "; The", false, Severity::Error, "byte-order mark"},
    {"label saved in UTF-8", "VelInst.ini", "", "Kf=Printed User's Guide",
     "Kf=Benutzerhandbuch f\xC3\xBCr Anf\xC3\xA4nger", "VelInst.ini", "Kf=", false,
     Severity::Warning, "text in UTF-8"},
    {"screen letter outside the code page", "screens/start.vrm", "",
     "text = Velmora Software", "text = Velmora Software \xCE\xA9", "screens/start.vrm",
     "text = Velmora Software", false, Severity::Warning, "cannot show"},
};

std::string SampleDisc() { return std::string(VELINST_SOURCE_DIR) + "/disc"; }

std::string ReadFile(const fs::path &path) {
  std::string content;
  EXPECT_TRUE(ReadWholeFile(path.string(), content)) << path;
  return content;
}

// Line (from 1) of the first line after `from` that holds `text`, or of the
// section header above it.
int LineOf(const std::string &content, size_t from, const std::string &text, bool header) {
  size_t at = content.find(text, from);
  if (at == std::string::npos) return -1;
  if (header) at = content.rfind("\n[", at) + 1;
  int line = 1;
  for (size_t i = 0; i < at; ++i) line += content[i] == '\n';
  return line;
}

class DiscCheckTest : public ::testing::Test {
 protected:
  std::string Copy() {
    const fs::path copy = folder.Path("disc");
    fs::copy(SampleDisc(), copy, fs::copy_options::recursive);
    return copy.string();
  }
  TempFolder folder;
};

TEST_F(DiscCheckTest, SampleDiscHasNoFinding) {
  for (const Finding &finding : CheckDisc(SampleDisc())) ADD_FAILURE() << FormatFinding(finding);
}

TEST_F(DiscCheckTest, EachMistakeGivesItsOneFinding) {
  for (const Mistake &mistake : kMistakes) {
    SCOPED_TRACE(mistake.what);
    fs::remove_all(folder.Path("disc"));
    const std::string disc = Copy();
    const fs::path changed = fs::path(disc) / mistake.file;
    std::string content = ReadFile(changed);
    const size_t anchor = content.find(mistake.anchor);
    const size_t at = content.find(mistake.old, anchor);
    ASSERT_NE(std::string::npos, at) << mistake.old;
    content.replace(at, std::string(mistake.old).size(), mistake.replacement);
    folder.Write("disc/" + std::string(mistake.file), content);

    const fs::path reported = fs::path(disc) / mistake.reportedFile;
    const int line =
        LineOf(ReadFile(reported), reported == changed ? anchor : 0, mistake.reportedAt,
               mistake.header);
    const std::vector<Finding> findings = CheckDisc(disc);
    ASSERT_EQ(1u, findings.size()) << (findings.size() > 1 ? FormatFinding(findings[1]) : "none");
    EXPECT_EQ(reported.string(), findings[0].file);
    EXPECT_EQ(line, findings[0].line) << findings[0].message;
    EXPECT_EQ(mistake.severity, findings[0].severity);
    EXPECT_NE(std::string::npos, findings[0].message.find(mistake.says)) << findings[0].message;
  }
}

TEST_F(DiscCheckTest, NamesOnTheDiscIgnoreLetterCase) {
  const std::string disc = Copy();
  fs::rename(fs::path(disc) / "screens", fs::path(disc) / "SCREENS");
  fs::rename(fs::path(disc) / "register.ini", fs::path(disc) / "Register.INI");
  for (const Finding &finding : CheckDisc(disc)) ADD_FAILURE() << FormatFinding(finding);
}

TEST_F(DiscCheckTest, MissingSettingsFileOrSectionIsOneError) {
  const std::string disc = Copy();
  std::string ini = ReadFile(fs::path(disc) / "VelInst.ini");
  const size_t start = ini.find("[Order Label]");
  folder.Write("disc/VelInst.ini", ini.substr(0, start) + ini.substr(ini.find("[Validate Error]")));
  std::vector<Finding> findings = CheckDisc(disc);
  ASSERT_EQ(1u, findings.size());
  EXPECT_NE(std::string::npos, findings[0].message.find("section [Order Label] is missing"));
  EXPECT_NE(std::string::npos, findings[0].message.find("Payment Info"));

  fs::remove(fs::path(disc) / "VelInst.ini");
  findings = CheckDisc(disc);
  ASSERT_EQ(1u, findings.size());
  EXPECT_EQ(0u, FormatFinding(findings[0])
                    .find((fs::path(disc) / "VelInst.ini").string() +
                          ":1: error: the settings file is missing"));
}

TEST_F(DiscCheckTest, ChineseSettingsForThePrimaryLanguageAreNeverRead) {
  const std::string disc = Copy();
  fs::copy_file(fs::path(disc) / "VelInst.07.ini", fs::path(disc) / "VelInst.04.ini");
  const std::vector<Finding> findings = CheckDisc(disc);
  ASSERT_EQ(1u, findings.size());
  EXPECT_EQ(0u, FormatFinding(findings[0])
                    .find((fs::path(disc) / "VelInst.04.ini").string() +
                          ":1: warning: the launcher never reads this file"));
}

TEST(Utf8Text, TellsUtf8FromAnsiText) {
  EXPECT_TRUE(LooksLikeUtf8("M\xC3\xBCller"));
  EXPECT_TRUE(LooksLikeUtf8("\xE2\x82\xAC 5"));        // the euro sign
  EXPECT_FALSE(LooksLikeUtf8("M\xFCller"));            // Windows-1252
  EXPECT_FALSE(LooksLikeUtf8("Caf\xE9 \xC3\xA9"));     // one ANSI letter spoils it
  EXPECT_FALSE(LooksLikeUtf8("plain ASCII"));
  EXPECT_FALSE(LooksLikeUtf8("\xC3"));                 // cut sequence
  EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF"));             // overlong, not UTF-8
}

}  // namespace
