// The printed purchase form on the fake's default printer: 4800 x 6600
// device units, line unit 126, column unit 50.
#include "order/purchase_form.h"
#include "order_fixture.h"

namespace {

WindowHandle Backdrop() { return reinterpret_cast<WindowHandle>(0x1234); }

constexpr int kLu = 126, kCu = 50;
constexpr unsigned kLeft = 0, kRight = 2, kCentred = 6;
constexpr int kTable = 8 * kCu;
constexpr int kCaptions = 20 * kCu;
constexpr int kValues = 21 * kCu;

int SumsEdge(int pageWidth) { return 8 * kCu + 57 * pageWidth / 100; }

struct Row {
  std::string text;
  unsigned alignment;
  int x;
  int line;
};

class PurchaseFormTest : public OrderTest {
 protected:
  void SetUp() override {
    OrderTest::SetUp();
    CopyText(BuyerRecord.street2, sizeof BuyerRecord.street2, "Suite 5");
  }

  void UsePage(int width, int height) {
    Printing().printers[0].pageWidth = width;
    Printing().printers[0].pageHeight = height;
  }

  // Prints the order form as it stands.
  void Print() {
    EXPECT_EQ(1, PrintPurchase(Backdrop()));
    EXPECT_TRUE(Printing().faults.empty());
    EXPECT_EQ(0, LiveDrawingContexts());
  }

  const PrintedText *Printed(const std::string &text) const {
    for (const PrintedText &each : Printing().printed)
      if (each.text == text) return &each;
    return nullptr;
  }

  // The line each text stands on, -1 when it was not printed.
  std::vector<int> LinesOf(const std::vector<std::string> &texts) const {
    std::vector<int> lines;
    for (const std::string &text : texts) {
      const PrintedText *found = Printed(text);
      lines.push_back(found != nullptr ? found->y / kLu : -1);
    }
    return lines;
  }
};

TEST_F(PurchaseFormTest, CompleteOrderPrintsEveryItemInItsPlaceAndLeavesTheFormAsItWas) {
  OpenOrderForm({"1", "", "", "", "", "", "4"}, "Visa", " 4111 1111 ", "12/28");
  Print();
  const int xs = SumsEdge(4800), xa = xs + 9 * kCu;
  const std::vector<Row> expected = {
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
  const std::vector<PrintedText> &printed = Printing().printed;
  ASSERT_EQ(expected.size(), printed.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("item " + std::to_string(i + 1) + " \"" + expected[i].text + "\"");
    EXPECT_EQ(expected[i].text, printed[i].text);
    EXPECT_EQ(expected[i].alignment, printed[i].alignment);
    EXPECT_EQ(expected[i].x, printed[i].x);
    EXPECT_EQ(expected[i].line * kLu, printed[i].y);
    EXPECT_TRUE(printed[i].onPage);
    const bool table = i >= 7 && i <= 17;
    EXPECT_EQ(table, printed[i].tabbed);
    if (table) {
      EXPECT_EQ((std::vector<int>{1584, 2160, 2736}), printed[i].tabStops);
      EXPECT_EQ(kTable, printed[i].tabOrigin);
    }
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
    ResetFakePrinting();
    SetBuyer("TX", "USA");
    UsePage(c.pageWidth, c.pageHeight);
    CopyText(BuyerRecord.street2, sizeof BuyerRecord.street2, c.street2 ? "Suite 5" : "");
    if (!c.city) {
      for (char *field : {BuyerRecord.city, BuyerRecord.state, BuyerRecord.zip,
                          BuyerRecord.country})
        field[0] = '\0';
    }
    OpenOrderForm({"1"}, c.payment);
    Print();
    EXPECT_EQ(c.lines, LinesOf({"E-Mail:", "Fax:", "Payment Information", "Payment Method:",
                                "Card Number:"}));
    EXPECT_EQ(c.city, Printed("Austin, TX 78701 USA") != nullptr);
    const PrintedText *heading = Printed("Payment Information");
    const PrintedText *method = Printed(c.payment);
    ASSERT_NE(nullptr, heading);
    ASSERT_NE(nullptr, method);
    const int xs = SumsEdge(c.pageWidth);
    EXPECT_EQ(c.landscape ? xs : kLu, heading->x);
    EXPECT_EQ(c.landscape ? kRight : kLeft, heading->alignment);
    EXPECT_EQ(c.landscape ? xs + kCu : kValues, method->x);
    // The page ends with the payment line when no card is needed.
    EXPECT_EQ(c.lines[4] < 0, &Printing().printed.back() == method);
  }
}

TEST_F(PurchaseFormTest, NameLineShowsWhatThereIsAroundTheComma) {
  const struct {
    const char *first, *last, *line;
  } cases[] = {{"", "Lee", "Lee, "}, {"Ann", "", ", Ann"}, {"", "", nullptr}};
  for (const auto &c : cases) {
    ResetFakePrinting();
    CopyText(BuyerRecord.firstName, sizeof BuyerRecord.firstName, c.first);
    CopyText(BuyerRecord.lastName, sizeof BuyerRecord.lastName, c.last);
    OpenOrderForm({"1"});
    Print();
    const std::vector<PrintedText> &printed = Printing().printed;
    size_t caption = 0;
    while (caption < printed.size() && printed[caption].text != "Your Name:") ++caption;
    ASSERT_LT(caption + 1, printed.size());
    EXPECT_EQ(c.line != nullptr ? c.line : "Your Address:", printed[caption + 1].text);
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
  Print();
  const std::vector<PrintedText> &printed = Printing().printed;
  ASSERT_EQ(46u, printed.size());
  EXPECT_EQ("Product123\tUnit Price\tQuantity\tPrice", printed[7].text);
  const std::string dashes = printed[8].text;
  EXPECT_EQ(36u, dashes.size());
  EXPECT_EQ(std::string(10, '-') + "\t" + std::string(10, '-') + "\t" + std::string(8, '-') +
                "\t" + std::string(5, '-'),
            dashes);
  // Slot 2 prints slot 1's name; the card caption the [payment string] value.
  EXPECT_EQ("Corvinel Standard 4.0\t299.00\t0\t0.00  ", printed[10].text);
  EXPECT_EQ("Check", printed[42].text);
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
}

}  // namespace
