// The purchase page as built for the fake's default printer (4800 x 6600
// device units, line unit 126, column unit 50), and as printed.
#include <memory>

#include "order/order_pricing.h"
#include "order/purchase_form.h"
#include "order_fixture.h"
#include "page_rows.h"
#include "resources/texts.h"

namespace {

WindowHandle Backdrop() { return reinterpret_cast<WindowHandle>(0x1234); }

constexpr int kLu = 126, kCu = 50;
constexpr int kTable = 8 * kCu;
constexpr int kCaptions = 20 * kCu;
constexpr int kValues = 21 * kCu;

int SumsEdge(int pageWidth) { return 8 * kCu + 57 * pageWidth / 100; }

class PurchaseFormTest : public OrderTest {
 protected:
  void SetUp() override {
    OrderTest::SetUp();
    CopyText(BuyerRecord.street2, sizeof BuyerRecord.street2, "Suite 5");
  }

  // The page of the order form as it stands, for a printer's page of this
  // size.
  const std::vector<PageRow> &BuildPage(int pageWidth = 4800, int pageHeight = 6600) {
    Order order = {};
    EXPECT_EQ(1, PriceAndValidateOrder(order, BuyerRecord));
    const PageUnits units = {pageWidth, pageHeight, kLu, kCu};
    auto built = std::make_unique<Page>();
    BuildPurchasePage(order, BuyerRecord, units, *built);
    page = RowsOf(*built, units);
    return page;
  }

  // Prints the order form as it stands.
  void Print() {
    EXPECT_EQ(1, PrintPurchase(Backdrop()));
    EXPECT_TRUE(Printing().faults.empty());
    EXPECT_EQ(0, LiveDrawingContexts());
  }

  const PageRow *OnPage(const std::string &text) const {
    for (const PageRow &each : page)
      if (each.text == text) return &each;
    return nullptr;
  }

  // The line each text stands on, -1 when it is not on the page.
  std::vector<int> LinesOf(const std::vector<std::string> &texts) const {
    std::vector<int> lines;
    for (const std::string &text : texts) {
      const PageRow *found = OnPage(text);
      lines.push_back(found != nullptr ? found->line : -1);
    }
    return lines;
  }

  std::vector<PageRow> page;  // as last built
};

TEST_F(PurchaseFormTest, CompleteOrderPrintsEveryItemInItsPlaceAndLeavesTheFormAsItWas) {
  OpenOrderForm({"1", "", "", "", "", "", "4"}, "Visa", " 4111 1111 ", "12/28");
  Print();
  const int xs = SumsEdge(4800), xa = xs + 9 * kCu;
  std::vector<PageRow> expected = {
      {"Software Purchase Form", kCentred, 2400, 3},
      {"Please mail this form to:", kLeft, kLu, 5},
      {"Velmora Software, Inc.", kLeft, kTable, 6},
      {"Customer Service Department", kLeft, kTable, 7},
      {"2150 Alder Ridge Road, Suite 300", kLeft, kTable, 8},
      {"Portland, OR 97205", kLeft, kTable, 9},
      {"Or fax it to us at (503) 555-0148.", kLeft, kLu, 10},
      {"Product\tUnit Price\tQuantity\tPrice", kLeft, kTable, 12},
      {"-------\t----------\t--------\t-----", kLeft, kTable, 13},
      {"Corvinel Standard 4.0\t149.00\t1\t149.00", kLeft, kTable, 14},
      {"Corvinel Professional 4.0\t299.00\t0\t0.00  ", kLeft, kTable, 15},
      {"Corvinel Upgrade from 3.x\t79.00 \t0\t0.00  ", kLeft, kTable, 16},
      {"Corvinel Font Collection\t39.95 \t0\t0.00  ", kLeft, kTable, 17},
      {"Corvinel Clip Art Library\t29.95 \t0\t0.00  ", kLeft, kTable, 18},
      {"Printed User's Guide\t24.95 \t0\t0.00  ", kLeft, kTable, 19},
      {"Backup CD-ROM\t12.50 \t4\t50.00 ", kLeft, kTable, 20},
      {"Quick Reference Card\t9.95  \t0\t0.00  ", kLeft, kTable, 21},
      {"Corvinel Site Licence (5 users)\t595.00\t0\t0.00  ", kLeft, kTable, 22},
      {"Subtotal", kRight, xs, 24},
      {"199.00", kRight, xa, 24},
      {"Sales Tax (TX 8.25%)", kRight, xs, 25},
      {" 16.42", kRight, xa, 25},  // 16.4175
      {"Shipping & Handling", kRight, xs, 26},
      {" 12.50", kRight, xa, 26},
      {"Total", kRight, xs, 27},
      {"227.92", kRight, xa, 27},
      {"Billing Information", kLeft, kLu, 29},
      {"Your Name:", kRight, kCaptions, 30},
      {"Lee, Ann", kLeft, kValues, 30},
      {"Your Address:", kRight, kCaptions, 31},
      {"1 Main St", kLeft, kValues, 31},
      {"Suite 5", kLeft, kValues, 32},
      {"Austin, TX 78701 USA", kLeft, kValues, 33},
      {"E-Mail:", kRight, kCaptions, 34},
      {"ann@example.com", kLeft, kValues, 34},
      {"Tel.Number:", kRight, kCaptions, 35},
      {"555-0100", kLeft, kValues, 35},
      {"Fax:", kRight, kCaptions, 36},
      {"555-0199", kLeft, kValues, 36},
      {"Payment Information", kLeft, kLu, 38},
      {"Payment Method:", kRight, kCaptions, 39},
      {"Visa", kLeft, kValues, 39},
      {"Card Number:", kRight, kCaptions, 40},
      {"4111 1111", kLeft, kValues, 40},  // as the payment check trimmed it
      {"Expires:", kRight, kCaptions, 41},
      {"12/28", kLeft, kValues, 41},
  };
  for (size_t i = 7; i <= 17; ++i) expected[i].tabbed = true;  // the product table
  EXPECT_EQ(expected, BuildPage());
  EXPECT_EQ(expected, PrintedRows());
  for (const PrintedText &printed : Printing().printed) {
    if (!printed.tabbed) continue;
    EXPECT_EQ((std::vector<int>{1584, 2160, 2736}), printed.tabStops);
    EXPECT_EQ(kTable, printed.tabOrigin);
  }
  EXPECT_EQ(std::vector<std::string>{"Print Document"}, Printing().documentNames);
  // Printing prices afresh but writes nothing back into the form.
  EXPECT_TRUE(Forms().edits.empty());
  EXPECT_EQ("old", Field("line_1"));
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

struct BillingCase {
  const char *what;
  int pageWidth, pageHeight;
  const char *payment;
  bool street2, city;
  // Lines of E-mail, Fax, the payment heading, the payment, the card caption.
  std::vector<int> lines;
  bool landscape;  // the payment block in the sums' column
};

TEST_F(PurchaseFormTest, BillingLinesCountDownToTheFaxAndPlaceThePaymentBlock) {
  const BillingCase cases[] = {
      {"portrait, no second street", 4800, 6600, "Visa", false, true, {33, 35, 37, 38, 39}, false},
      {"portrait, no street 2 and no city", 4800, 6600, "Visa", false, false,
       {32, 34, 36, 37, 38}, false},
      {"landscape with both", 6600, 4800, "Visa", true, true, {34, 36, 29, 30, 31}, true},
      {"landscape, no second street", 6600, 4800, "Visa", false, true, {33, 35, 28, 29, 30}, true},
      {"a square page is landscape", 4800, 4800, "MasterCard", false, true, {33, 35, 28, 29, 30},
       true},
      {"check in any letter case: no card lines", 4800, 6600, "cHeCk", true, true,
       {34, 36, 38, 39, -1}, false},
  };
  for (const BillingCase &c : cases) {
    SCOPED_TRACE(c.what);
    SetBuyer("TX", "USA");
    CopyText(BuyerRecord.street2, sizeof BuyerRecord.street2, c.street2 ? "Suite 5" : "");
    if (!c.city) {
      for (char *field : {BuyerRecord.city, BuyerRecord.state, BuyerRecord.zip,
                          BuyerRecord.country})
        field[0] = '\0';
    }
    OpenOrderForm({"1"}, c.payment);
    BuildPage(c.pageWidth, c.pageHeight);
    EXPECT_EQ(c.lines, LinesOf({"E-Mail:", "Fax:", "Payment Information", "Payment Method:",
                                "Card Number:"}));
    EXPECT_EQ(c.city, OnPage("Austin, TX 78701 USA") != nullptr);
    const PageRow *heading = OnPage("Payment Information");
    const PageRow *method = OnPage(c.payment);
    ASSERT_NE(nullptr, heading);
    ASSERT_NE(nullptr, method);
    const int xs = SumsEdge(c.pageWidth);
    EXPECT_EQ(c.landscape ? xs : kLu, heading->x);
    EXPECT_EQ(c.landscape ? kRight : kLeft, heading->alignment);
    EXPECT_EQ(c.landscape ? xs + kCu : kValues, method->x);
    // The page ends with the payment line when no card is needed.
    EXPECT_EQ(c.lines[4] < 0, &page.back() == method);
  }
}

TEST_F(PurchaseFormTest, NameLineShowsWhatThereIsAroundTheComma) {
  const struct {
    const char *first, *last, *line;
  } cases[] = {{"", "Lee", "Lee, "}, {"Ann", "", ", Ann"}, {"", "", nullptr}};
  for (const auto &c : cases) {
    CopyText(BuyerRecord.firstName, sizeof BuyerRecord.firstName, c.first);
    CopyText(BuyerRecord.lastName, sizeof BuyerRecord.lastName, c.last);
    OpenOrderForm({"1"});
    BuildPage();
    size_t caption = 0;
    while (caption < page.size() && page[caption].text != "Your Name:") ++caption;
    ASSERT_LT(caption + 1, page.size());
    EXPECT_EQ(c.line != nullptr ? c.line : "Your Address:", page[caption + 1].text);
  }
}

TEST_F(PurchaseFormTest, DashesUnderlineEachHeadingAndAbsentLabelsRepeatTheirWorkingText) {
  EditSettings({{"Product=Product\n", "Product=Product123\n"},
                {"Unit Price=Unit Price\n", "Unit Price=Unit Price\n"},
                {"Quantity=Quantity\n", "Quantity=Quantity\n"},
                {"Price=Price\n", "Price=Price\n"},
                {"Kb=Corvinel Professional 4.0\n", ""},
                {"CreditCard=Card Number:\n", ""}});
  OpenOrderForm({"1"});
  BuildPage();
  ASSERT_EQ(46u, page.size());
  EXPECT_EQ("Product123\tUnit Price\tQuantity\tPrice", page[7].text);
  const std::string dashes = page[8].text;
  EXPECT_EQ(36u, dashes.size());
  EXPECT_EQ(std::string(10, '-') + "\t" + std::string(10, '-') + "\t" + std::string(8, '-') +
                "\t" + std::string(5, '-'),
            dashes);
  // Slot 2 prints slot 1's name; the card caption the [payment string] value.
  EXPECT_EQ("Corvinel Standard 4.0\t299.00\t0\t0.00  ", page[10].text);
  EXPECT_EQ("Check", page[42].text);
}

TEST_F(PurchaseFormTest, AnAbsentLabelRepeatsTheTextReadBeforeItInItsChain) {
  const struct {
    const char *key;  // the line of the sample disc left out
    size_t item;
    const char *text;
  } cases[] = {
      // The first heading follows the page head's fax line.
      {"Product=Product\n", 7, "Or fax it to us at (503) 555-0148.\tUnit Price\tQuantity\tPrice"},
      {"Subtotal=Subtotal\n", 18, "Corvinel Site Licence (5 users)"},
      {"BillingInfo=Billing Information\n", 26, "Total"},
      {"Payment Info=Payment Information\n", 39, "Fax:"},
      {"Expiration=Expires:\n", 44, "Card Number:"},
      // Without a Check value every payment needs the card, whose caption stands.
      {"Check=Check\n", 42, "Card Number:"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.key);
    EditSettings({{c.key, ""}});
    OpenOrderForm({"1"});
    BuildPage();
    ASSERT_EQ(46u, page.size());
    EXPECT_EQ(c.text, page[c.item].text);
  }
}

TEST_F(PurchaseFormTest, NothingIsPrintedWithoutCardDetailsOrWithoutAPrinter) {
  OpenOrderForm({"1"}, "Visa", "4111", "  ");
  EXPECT_EQ(1, PrintPurchase(Backdrop()));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ("Please fill in every required field. Missing: Expiration date.",
            Fake().messageBoxes[0].text);
  EXPECT_TRUE(Printing().calls.empty());

  Printing().defaultPrinter = -1;
  OpenOrderForm({"1"});
  EXPECT_EQ(1, PrintPurchase(Backdrop()));
  EXPECT_TRUE(Printing().printed.empty());
  EXPECT_EQ(1u, Fake().messageBoxes.size());
  Order order = {};
  EXPECT_EQ(0, PrintPurchaseForm(Backdrop(), order, BuyerRecord));

  // A printer that writes a file asks for the order's file; a cancel prints
  // nothing and shows nothing.
  ResetFakePrinting();
  Printing().printers[0].port = "PORTPROMPT:";
  Printing().printers[0].device = "Microsoft Print to PDF";
  Printing().fileSaveConfirms = false;
  EXPECT_EQ(1, PrintPurchase(Backdrop()));
  ASSERT_EQ(1u, Printing().saveQuestions.size());
  EXPECT_EQ("Order.pdf", Printing().saveQuestions[0].fileName);
  EXPECT_TRUE(Printing().documentNames.empty());
  EXPECT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ(0, LiveDrawingContexts());

  // A document that does not start prints nothing, its page read all the same.
  ResetFakePrinting();
  Printing().documentStartFails = true;
  Fake().textsLoaded.clear();
  EXPECT_EQ(1, PrintPurchase(Backdrop()));
  EXPECT_TRUE(Printing().printed.empty());
  EXPECT_EQ(1u, Fake().textsLoaded.count(KEY_LABEL_EXPIRATION));
}

}  // namespace
