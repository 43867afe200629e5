// Pricing the order form: the live recalculation on the sample disc, the
// settings' shared read buffers, the payment check and opening the form.
#include "customer/validation.h"
#include "order/order_form.h"
#include "order/order_pricing.h"
#include "order_fixture.h"
#include "shell/backdrop_events.h"

namespace {

using Lines = std::array<std::string, 9>;
using Sums = std::array<std::string, 4>;

struct PricingCase {
  const char *what;
  Lines quantities;
  const char *state;
  const char *country;
  Lines lines;  // "old": the field kept its text
  Sums sums;    // subtotal, tax, shipping, total
};

// The sample disc: unit prices 149.00 299.00 79.00 39.95 29.95 24.95 12.50
// 9.95 595.00; shipping base and per further unit USA 6.50 1.50, Canada
// 12.00 2.50, other 24.00 4.00; TX taxed at 8.25 %.
const PricingCase kPricingCases[] = {
    {"empty order: no base shipping", {}, "TX", "USA",
     {"", "", "", "", "", "", "", "", ""}, {"  0.00", "  0.00", "  0.00", "  0.00"}},
    {"one unit: the base price; lower-case state taxed", {"1"}, "tx", "USA",
     {"149.00", "", "", "", "", "", "", "", ""}, {"149.00", " 12.29", "  6.50", "167.79"}},
    {"five units in two slots, another state", {"", "2", "", "", "", "", "", "3"}, "CA", "USA",
     {"", "598.00", "", "", "", "", "", " 29.85", ""}, {"627.85", "  0.00", " 12.50", "640.35"}},
    {"quantity texts; the unit count beyond 32 bits", {"3 apples", " 7", "abc", "2.9", "", "", "",
     "99999999999"}, "TX", "usa",
     {"447.00", "2093.00", "", " 79.90", "", "", "", "21367462287.65", ""},
     {"21367464907.55", "1762815854.87", "3221225493.50", "26351506255.92"}},
    {"quantity -1 keeps its line and counts one unit less", {"-1", "", "", "", "", "", "3"}, "TX",
     "USA", {"old", "", "", "", "", "", " 37.50", "", ""}, {"-111.50", " -9.20", "  8.00", "-112.70"}},
    {"Canada in another letter case", {"1"}, "ON", "CANADA",
     {"149.00", "", "", "", "", "", "", "", ""}, {"149.00", "  0.00", " 12.00", "161.00"}},
    {"another country", {"1", "2"}, "TX ", "Germany",
     {"149.00", "598.00", "", "", "", "", "", "", ""}, {"747.00", "  0.00", " 32.00", "779.00"}},
    {"subtotal 50.00 taxed: 4.125 shows as 4.13", {"", "", "", "", "", "", "4"}, "TX", "USA",
     {"", "", "", "", "", "", " 50.00", "", ""}, {" 50.00", "  4.13", " 11.00", " 65.13"}},
};

TEST_F(OrderTest, RecalculationWritesTheExactLinePricesAndSums) {
  for (const PricingCase &c : kPricingCases) {
    SCOPED_TRACE(c.what);
    SetBuyer(c.state, c.country);
    OpenOrderForm(c.quantities);
    EXPECT_EQ(1, RecalculateOrderForm(BuyerRecord));
    EXPECT_EQ(c.lines, LinePriceTexts());
    EXPECT_EQ(c.sums, SumTexts());
  }
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(OrderTest, AmountsAreRoundedOnlyWhenShown) {
  EditSettings({{"KA=149.00\nKB=299.00\nKC=79.00", "KA=0.333\nKB=0.333\nKC=0.333"}});
  SetBuyer("NY", "USA");
  OpenOrderForm({"1", "1", "1"});
  RecalculateOrderForm(BuyerRecord);
  EXPECT_EQ((Lines{"  0.33", "  0.33", "  0.33", "", "", "", "", "", ""}), LinePriceTexts());
  EXPECT_EQ("  1.00", Field("subtotal"));
}

TEST_F(OrderTest, AnAbsentKeyRepeatsTheOneReadBeforeItIntoTheSameBuffer) {
  // KB takes KA's price, slot 2 reads slot 1's field, and every further US
  // unit costs the base price.
  EditSettings({{"KB=299.00\n", ""}, {"qty_kb=qty_2\n", ""}, {"USA Price2=1.50\n", ""}});
  OpenOrderForm({"2", "5"});
  RecalculateOrderForm(BuyerRecord);
  EXPECT_EQ((Lines{"298.00", "298.00", "", "", "", "", "", "", ""}), LinePriceTexts());
  EXPECT_EQ((Sums{"596.00", " 49.17", " 26.00", "671.17"}), SumTexts());
}

TEST_F(OrderTest, AbsurdPricesNeitherCrashNorWriteANonNumberLine) {
  EditSettings({{"KA=149.00", "KA=1e400"}, {"KB=299.00", "KB=-1e999"}});
  OpenOrderForm({"", "1"});  // 0 x infinity is not a number
  RecalculateOrderForm(BuyerRecord);
  EXPECT_EQ("old", Field("line_1"));
  EXPECT_EQ("old", Field("line_2"));
  EXPECT_EQ((Sums{"   nan", "   nan", "  6.50", "   nan"}), SumTexts());

  OpenOrderForm({"1"});
  RecalculateOrderForm(BuyerRecord);
  EXPECT_EQ("   inf", Field("line_1"));
  EXPECT_EQ("   nan", Field("subtotal"));  // infinity plus minus infinity
}

struct PaymentCase {
  const char *payment;
  const char *card;
  const char *expiration;
  int result;
  const char *warning;  // after the head
};

TEST_F(OrderTest, PaymentCheckNeedsCardDetailsUnlessPaidByCheck) {
  const std::string head = "Please fill in every required field. Missing:";
  const PaymentCase cases[] = {
      {"cHECK", "", "", 0, ""},
      {"Visa", "  4111 ", " 12/28", 0, ""},
      {"Visa", "   ", "12/28", -1, " Card number."},
      {"Visa", "4111", "", -2, " Expiration date."},
      {"", "", " ", -2, " Card number. Expiration date."},
  };
  for (const PaymentCase &c : cases) {
    SCOPED_TRACE(std::string(c.payment) + "|" + c.card + "|" + c.expiration);
    Order order = {};
    CopyText(order.paymentMethod, sizeof order.paymentMethod, c.payment);
    CopyText(order.cardNumber, sizeof order.cardNumber, c.card);
    CopyText(order.expiration, sizeof order.expiration, c.expiration);
    char warning[kWarningCapacity];
    EXPECT_EQ(c.result, ValidatePayment(order, warning));
    EXPECT_EQ(head + c.warning, warning);
    if (c.result == 0 && c.card[0] != '\0') {
      EXPECT_STREQ("4111", order.cardNumber);
    }
  }
}

TEST_F(OrderTest, MissingCardDetailsWarnWithoutWritingTheForm) {
  OpenOrderForm({"1"}, "Visa", "", "");
  Order order = {};
  EXPECT_EQ(0, PriceAndValidateOrder(order, BuyerRecord));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_EQ("Please fill in every required field. Missing: Card number. Expiration date.",
            Fake().messageBoxes[0].text);
  EXPECT_EQ("Install & Register", Fake().messageBoxes[0].caption);
  EXPECT_EQ(nullptr, Fake().messageBoxes[0].owner);
  EXPECT_EQ(149.0, order.total - order.tax - order.shipping);
  EXPECT_TRUE(Forms().edits.empty());

  // A warning longer than its buffer is cut, never overrun.
  EditSettings({{"Warning=\"Please", "Warning=\"" + std::string(250, 'W')}});
  EXPECT_EQ(0, PriceAndValidateOrder(order, BuyerRecord));
  EXPECT_EQ(255u, Fake().messageBoxes[1].text.size());
}

TEST_F(OrderTest, OrderFormOpensOnlyForACompleteBuyerAndComputesNothing) {
  Forms().templatesByPath[folder.Path("disc") + "\\screens\\order.vrm"] = {"Order", {}, {}};
  const WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x77);
  OpenBuyerForm({{"buyer_first_name", "Ann"}});
  EXPECT_EQ(1, ::OpenOrderForm(backdrop));
  ASSERT_EQ(1u, Fake().messageBoxes.size());
  EXPECT_TRUE(Forms().creates.empty());

  OpenBuyerForm({{"buyer_first_name", " Ann"}, {"buyer_last_name", "Lee"},
                 {"buyer_street1", "1 Main St"}, {"buyer_city", "Austin"},
                 {"buyer_state", "TX"}, {"buyer_zip", "78701"},
                 {"buyer_country", "USA"}, {"buyer_phone", "555-0100"}});
  EXPECT_EQ(1, ::OpenOrderForm(backdrop));
  ASSERT_EQ(1u, Forms().creates.size());
  EXPECT_EQ(folder.Path("disc") + "\\screens\\order.vrm", Forms().creates[0].path);
  EXPECT_EQ(backdrop, Forms().creates[0].owner);
  EXPECT_EQ(0x80000000UL, Forms().creates[0].flags);
  EXPECT_EQ(1, Forms().creates[0].show);
  EXPECT_STREQ("Ann", BuyerRecord.firstName);
  EXPECT_TRUE(Forms().edits.empty());
  EXPECT_EQ(1u, Fake().messageBoxes.size());
}

TEST_F(OrderTest, TheTickAfterAFieldChangeRecalculatesOnce) {
  Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
  OpenOrderForm({"2"});
  RecalcPending = false;
  OnTimerTick();
  EXPECT_TRUE(Forms().edits.empty());
  OnFieldChanged();
  OnFieldChanged();
  OnTimerTick();
  EXPECT_EQ(13u, Forms().edits.size());  // nine lines and four sums
  EXPECT_EQ("298.00", Field("line_1"));
  OnTimerTick();
  EXPECT_EQ(13u, Forms().edits.size());
}

}  // namespace
