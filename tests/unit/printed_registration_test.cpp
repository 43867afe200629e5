#include <string>
#include <vector>

#include "customer/form_checks.h"
#include "customer_fixture.h"
#include "fake_printer.h"
#include "page_rows.h"
#include "printing/print_setup.h"
#include "registration/printed_registration.h"

namespace {

WindowHandle Backdrop() { return reinterpret_cast<WindowHandle>(0x1234); }

// The page of the fake's default printer: 4800 wide, line unit 126 (a
// sample 101 high), column unit 50 (a sample 600 wide).
constexpr int kCentre = 2400;     // half the page width
constexpr int kMargin = 126;      // one line unit
constexpr int kVendor = 8 * 50;   // the vendor's address block
constexpr int kCaptions = 20 * 50;  // captions end here
constexpr int kValues = 21 * 50;    // values start here

// The rows every page starts with, down to the first street line.
std::vector<PageRow> PageHead(const std::string &name, const std::string &street1) {
  return {
      {"Software Registration And Upgrade Form", kCentred, kCentre, 3},
      {"Please mail this form to:", kLeft, kMargin, 5},
      {"Velmora Software, Inc.", kLeft, kVendor, 6},
      {"Customer Service Department", kLeft, kVendor, 7},
      {"2150 Alder Ridge Road, Suite 300", kLeft, kVendor, 8},
      {"Portland, OR 97205", kLeft, kVendor, 9},
      {"Or fax it to us at (503) 555-0148.", kLeft, kMargin, 10},
      {"Product Name:", kRight, kCaptions, 12},
      {"Corvinel Professional 4.0", kLeft, kValues, 12},
      {"Serial Number:", kRight, kCaptions, 13},
      {"CP40-7731-0042", kLeft, kValues, 13},
      {"Date Registered:", kRight, kCaptions, 14},
      {"12-7-2026", kLeft, kValues, 14},
      {"Your Name:", kRight, kCaptions, 15},
      {name, kLeft, kValues, 15},
      {"Your Address:", kRight, kCaptions, 16},
      {street1, kLeft, kValues, 16},
  };
}

class PrintedRegistrationTest : public CustomerTest {
 protected:
  void SetUp() override {
    CustomerTest::SetUp();
    ResetFakePrinting();
    RunPrintSettings = {};
  }

  void OpenForm(const std::map<std::string, std::string> &changes) {
    std::map<std::string, std::string> texts = {
        {"reg_product", "Corvinel Professional 4.0"},
        {"reg_serial", "CP40-7731-0042"},
        {"reg_date", "12-7-2026"},
        {"reg_first_name", "  Ann "},  // printed as trimmed by the check
        {"reg_last_name", "Lee"},
        {"reg_street1", "1 Main St"},
        {"reg_street2", "Suite 5"},
        {"reg_city", "Austin"},
        {"reg_state", "TX"},
        {"reg_zip", "78701"},
        {"reg_country", "USA"},
        {"reg_email", "ann@example.com"},
        {"reg_phone", "555-0100"},
        {"reg_fax", "555-0199"},
        {"reg_where_bought", "Computer World"}};
    for (const auto &change : changes) texts.at(change.first) = change.second;
    OpenRegistrationForm(texts);
  }

  // The page as built from the form, and as it was printed.
  static void ExpectPage(const std::vector<PageRow> &expected) {
    CustomerRecord record = {};
    ASSERT_EQ(1, CollectRegistration(record));
    Page page;
    BuildRegistrationPage(record, page);
    EXPECT_EQ(expected, RowsOf(page));
    EXPECT_EQ(expected, PrintedRows());
    EXPECT_EQ(std::vector<std::string>{"Print Document"}, Printing().documentNames);
    EXPECT_TRUE(Printing().faults.empty());
    EXPECT_EQ(0, LiveDrawingContexts());
  }
};

TEST_F(PrintedRegistrationTest, PageWithASecondStreetLinePrintsTheAddressBlockOneLineLower) {
  OpenForm({});
  EXPECT_EQ(1, PrintRegistration(Backdrop()));
  std::vector<PageRow> page = PageHead("Lee, Ann", "1 Main St");
  const std::vector<PageRow> lower = {
      {"Suite 5", kLeft, kValues, 17},
      {"Austin, TX 78701 USA", kLeft, kValues, 18},
      {"E-Mail:", kRight, kCaptions, 19},
      {"ann@example.com", kLeft, kValues, 19},
      {"Tel.Number:", kRight, kCaptions, 20},
      {"555-0100", kLeft, kValues, 20},
      {"Fax:", kRight, kCaptions, 21},
      {"555-0199", kLeft, kValues, 21},
      {"Where did you purchase your product?", kLeft, kMargin, 22},
      {"Computer World", kLeft, kValues, 23},
  };
  page.insert(page.end(), lower.begin(), lower.end());
  ExpectPage(page);

  // Then the details are kept as printed.
  EXPECT_NE(std::string::npos, WindowsProfile().find("FirstName=Ann\r\n"));
  EXPECT_NE(std::string::npos, WindowsProfile().find("StreetAddr2=Suite 5\r\n"));
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(PrintedRegistrationTest, WithoutASecondStreetLineTheCityMovesUpAndEmptyValuesPrintNothing) {
  OpenForm({{"reg_street2", "   "}, {"reg_email", ""}, {"reg_phone", ""}, {"reg_fax", ""},
            {"reg_where_bought", ""}, {"reg_serial", ""}});
  EXPECT_EQ(1, PrintRegistration(Backdrop()));
  std::vector<PageRow> page = PageHead("Lee, Ann", "1 Main St");
  page[10].text = "";  // the serial number
  const std::vector<PageRow> lower = {
      {"Austin, TX 78701 USA", kLeft, kValues, 17},
      {"E-Mail:", kRight, kCaptions, 18},
      {"", kLeft, kValues, 18},
      {"Tel.Number:", kRight, kCaptions, 19},
      {"", kLeft, kValues, 19},
      {"Fax:", kRight, kCaptions, 20},
      {"", kLeft, kValues, 20},
      {"Where did you purchase your product?", kLeft, kMargin, 21},
      {"", kLeft, kValues, 22},
  };
  page.insert(page.end(), lower.begin(), lower.end());
  ExpectPage(page);
  EXPECT_NE(std::string::npos, WindowsProfile().find("FAX=\r\n"));
}

TEST_F(PrintedRegistrationTest, NameAndCityLinesLongerThanTheirBufferAreCut) {
  CustomerRecord record = {};
  CopyText(record.lastName, sizeof record.lastName, std::string(63, 'L').c_str());
  CopyText(record.firstName, sizeof record.firstName, "Ann");
  CopyText(record.city, sizeof record.city, std::string(63, 'c').c_str());
  CopyText(record.state, sizeof record.state, "SSSSSSS");
  CopyText(record.zip, sizeof record.zip, "ZZZZZZZ");
  CopyText(record.country, sizeof record.country, std::string(255, 'n').c_str());
  Page page;
  BuildRegistrationPage(record, page);
  const std::vector<PageRow> rows = RowsOf(page);
  ASSERT_EQ(26u, rows.size());
  EXPECT_EQ(std::string(63, 'L') + ", Ann", rows[14].text);
  const std::string city = std::string(63, 'c') + ", SSSSSSS ZZZZZZZ " + std::string(255, 'n');
  EXPECT_EQ(city.substr(0, 255), rows[17].text);
  EXPECT_EQ(17, rows[17].line);
}

TEST_F(PrintedRegistrationTest, APrinterThatWritesAFileAsksInTheLaunchersDialogAfterTheSave) {
  const std::wstring chosen = L"C:\\Users\\Customer\\Documents\\R\u00e9gistration.pdf";
  const struct {
    const char *printer, *driver, *port;
    bool confirms;
    const char *outcome;  // the question asked, if any, then where the page went
  } cases[] = {
      {"Microsoft Print to PDF", "Microsoft Print To PDF", "PORTPROMPT:", true,
       "Registration.pdf (PDF Document, pdf), to the file"},
      {"Microsoft Print to PDF", "Microsoft Print To PDF", "PORTPROMPT:", false,
       "Registration.pdf (PDF Document, pdf), nothing"},
      {"Microsoft XPS Document Writer", "Microsoft XPS Document Writer v4", "portprompt:", true,
       "Registration.xps (XPS Document, xps), to the file"},
      {"Document Writer", "Microsoft XPS Document Writer", "XPSPort:", true,
       "Registration.xps (XPS Document, xps), to the file"},
      // The driver says more than the printer's name; without it, the name.
      {"Office pdf", "", "FILE:", true, "Registration.pdf (PDF Document, pdf), to the file"},
      {"Office Laser", "PCL6 Universal", "FILE:", false,
       "Registration.prn (Printer File, prn), nothing"},
      // Printers with ports of their own show their own boxes, if any.
      {"Office Laser", "PCL6 Universal", "LPT1:", true, "to the printer"},
      {"PDF Maker", "PDF Maker Driver", "PDFMAKER:", true, "to the printer"},
      {"FILE:", "", "USB001", true, "to the printer"},
  };
  for (const auto &c : cases) {
    const std::string city = std::string(c.printer) + " on " + c.port;
    ResetFakePrinting();
    Printing().printers[0] = {c.printer, c.port, 4800, 6600, 600, 600, false, c.driver};
    Printing().fileSaveConfirms = c.confirms;
    Printing().fileChosen = chosen;
    std::string outcome;
    // The details are kept before the dialog, in case it is never left.
    Printing().whileChoosingFile = [&] {
      if (WindowsProfile().find("CITY=" + city) == std::string::npos) outcome += "not saved, ";
    };
    OpenForm({{"reg_city", city}});
    EXPECT_EQ(1, PrintRegistration(Backdrop())) << city;

    for (const SaveQuestion &question : Printing().saveQuestions)
      outcome += question.fileName + " (" + question.typeName + ", " + question.extension +
                 (question.owner == Backdrop() && question.title == "Save the Printed Form As"
                      ? "), "
                      : ") asked wrongly, ");
    const std::vector<std::wstring> &outputs = Printing().documentOutputs;
    outcome += outputs.empty()                                        ? "nothing"
               : outputs == std::vector<std::wstring>{chosen}         ? "to the file"
               : outputs == std::vector<std::wstring>{std::wstring()} ? "to the printer"
                                                                      : "elsewhere";
    EXPECT_EQ(c.outcome, outcome) << city;
    EXPECT_NE(std::string::npos, WindowsProfile().find("CITY=" + city)) << city;
    EXPECT_EQ(outputs.empty(), Printing().printed.empty()) << city;
    EXPECT_TRUE(Fake().messageBoxes.empty() && Printing().faults.empty()) << city;
    EXPECT_EQ(0, LiveDrawingContexts() + LiveFonts()) << city;
    EXPECT_EQ(kFakeStartCursor, Fake().shownCursor) << city;
  }
}

TEST_F(PrintedRegistrationTest, IncompleteFormWarnsAndNeitherPrintsNorSaves) {
  OpenForm({{"reg_city", " "}});
  EXPECT_EQ(0, PrintRegistration(Backdrop()));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ("Install & Register", Fake().messageBoxes[0].caption);
  EXPECT_TRUE(Printing().calls.empty());
  EXPECT_FALSE(WindowsProfileExists());
}

TEST_F(PrintedRegistrationTest, WithoutAPrinterNothingIsPrintedOrShownButTheProfileIsSaved) {
  Printing().defaultPrinter = -1;
  OpenForm({});
  EXPECT_EQ(1, PrintRegistration(Backdrop()));
  EXPECT_TRUE(Printing().printed.empty());
  EXPECT_TRUE(Printing().documentNames.empty());
  EXPECT_TRUE(Fake().messageBoxes.empty());
  EXPECT_NE(std::string::npos, WindowsProfile().find("CITY=Austin\r\n"));

  EXPECT_EQ(0, PrintRegistrationForm(Backdrop(), CustomerRecord{}));
}

}  // namespace
