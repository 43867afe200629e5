#include "order/purchase_form.h"

#include <cstring>
#include <initializer_list>

#include "customer/address_lines.h"
#include "customer/customer_fields.h"
#include "order/decimal.h"
#include "order/order_pricing.h"
#include "platform/strings.h"
#include "printing/page_head.h"
#include "printing/print_job.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {

// Where a row's text comes from.
enum class PurchaseTextSource {
  String,         // id: a string-table text
  Label,          // id: a row of [Order Label]
  Headings,       // the four headings joined by tabs
  Dashes,         // the headings' dashes, tabs where they have them
  Product,        // id: slot; name, unit price, quantity, line price
  Sum,            // id: 0-3, subtotal, tax, shipping, total
  NameLine,       // when the buyer has a first or last name
  CityLine,       // when the buyer has a city, state, zip or country
  Field,          // id: a CustomerField of the buyer
  PaymentMethod,  // the order's payment method
  CardLabel,      // id: a row of [Order Label], read in the payment chain
  CardNumber,
  Expiration,
};

// One row of the page. Lines below the optional street and city lines are
// given as they stand without them: each of those on the page moves every
// later row down one line (the billing block's line counter).
struct Row {
  PurchaseTextSource source;
  int id;
  RowPlace place;
  bool ownLine;  // on the page only when there is something to print, on its own line
};

constexpr PageX kTableLeft = AtColumn(8);
constexpr PageX kCaptionEdge = AtColumn(20);
constexpr PageX kValueColumn = AtColumn(21);
constexpr PageX kSumsEdge = {0, 8, 57};      // XS: the third tab stop
constexpr PageX kAmountEdge = {0, 17, 57};   // XA = XS + 9 column units
constexpr PageX kSumsValues = {0, 9, 57};    // XS + one column unit
constexpr int kHeadingCount = 4;
constexpr PageTabs kTableTabs = {kTableLeft, {{0, 0, 33}, {0, 0, 45}, {0, 0, 57}},
                                 kHeadingCount - 1};
constexpr int kFaxLine = 34;  // line F without the optional lines

constexpr Row Text(PurchaseTextSource source, int id, TextAlignment alignment, PageX x,
                   int line) {
  return {source, id, {alignment, x, line}, false};
}
constexpr Row Caption(int textId, int line) {
  return Text(PurchaseTextSource::String, textId, kAlignRight, kCaptionEdge, line);
}
constexpr Row Value(PurchaseTextSource source, int id, int line) {
  return Text(source, id, kAlignLeft, kValueColumn, line);
}
constexpr Row Buyer(CustomerField field, int line) {
  return Value(PurchaseTextSource::Field, static_cast<int>(field), line);
}
constexpr Row OwnLine(PurchaseTextSource source, int id) {
  return {source, id, {kAlignLeft, kValueColumn, 32}, true};
}
constexpr Row Table(PurchaseTextSource source, int id, int line) {
  return Text(source, id, kAlignLeft, kTableLeft, line);
}
constexpr Row SumCaption(int sum, int line) {
  return Text(PurchaseTextSource::Label, kSumLabelRows + sum, kAlignRight, kSumsEdge, line);
}
constexpr Row SumAmount(int sum, int line) {
  return Text(PurchaseTextSource::Sum, sum, kAlignRight, kAmountEdge, line);
}

// Below the page head: the title, the mailing address and the fax line.
const Row kPageRows[] = {
    Table(PurchaseTextSource::Headings, 0, 12),
    Table(PurchaseTextSource::Dashes, 0, 13),
    Table(PurchaseTextSource::Product, 0, 14), Table(PurchaseTextSource::Product, 1, 15),
    Table(PurchaseTextSource::Product, 2, 16), Table(PurchaseTextSource::Product, 3, 17),
    Table(PurchaseTextSource::Product, 4, 18), Table(PurchaseTextSource::Product, 5, 19),
    Table(PurchaseTextSource::Product, 6, 20), Table(PurchaseTextSource::Product, 7, 21),
    Table(PurchaseTextSource::Product, 8, 22),
    SumCaption(0, 24), SumAmount(0, 24),
    SumCaption(1, 25), SumAmount(1, 25),
    SumCaption(2, 26), SumAmount(2, 26),
    SumCaption(3, 27), SumAmount(3, 27),
    Text(PurchaseTextSource::Label, kBillingLabelRow, kAlignLeft, kLeftMargin, 29),
    Caption(TEXT_YOUR_NAME, 30),
    Value(PurchaseTextSource::NameLine, 0, 30),
    Caption(TEXT_YOUR_ADDRESS, 31),
    Buyer(CustomerField::Street1, 31),
    OwnLine(PurchaseTextSource::Field, static_cast<int>(CustomerField::Street2)),
    OwnLine(PurchaseTextSource::CityLine, 0),
    Caption(TEXT_EMAIL, 32),
    Buyer(CustomerField::Email, 32),
    Caption(TEXT_PHONE, 33),
    Buyer(CustomerField::Phone, 33),
    Caption(TEXT_FAX, kFaxLine),
    Buyer(CustomerField::Fax, kFaxLine),
};

// The payment block: its heading and the payment method, then the card's
// rows, which a payment by check leaves out.
struct PaymentBlock {
  Row payment[3];
  Row card[4];
};

// Below the billing block, in its columns.
const PaymentBlock kPortraitPayment = {
    {Text(PurchaseTextSource::Label, kPaymentInfoLabelRow, kAlignLeft, kLeftMargin,
          kFaxLine + 2),
     Text(PurchaseTextSource::Label, kPaymentLabelRow, kAlignRight, kCaptionEdge, kFaxLine + 3),
     Value(PurchaseTextSource::PaymentMethod, 0, kFaxLine + 3)},
    {Text(PurchaseTextSource::CardLabel, kCardLabelRow, kAlignRight, kCaptionEdge, kFaxLine + 4),
     Value(PurchaseTextSource::CardNumber, 0, kFaxLine + 4),
     Text(PurchaseTextSource::CardLabel, kExpirationLabelRow, kAlignRight, kCaptionEdge,
          kFaxLine + 5),
     Value(PurchaseTextSource::Expiration, 0, kFaxLine + 5)},
};

// On a page at least as wide as tall: beside the billing block, in the
// sums' column, from seven lines above the fax line.
const PaymentBlock kLandscapePayment = {
    {Text(PurchaseTextSource::Label, kPaymentInfoLabelRow, kAlignRight, kSumsEdge, kFaxLine - 7),
     Text(PurchaseTextSource::Label, kPaymentLabelRow, kAlignRight, kSumsEdge, kFaxLine - 6),
     Text(PurchaseTextSource::PaymentMethod, 0, kAlignLeft, kSumsValues, kFaxLine - 6)},
    {Text(PurchaseTextSource::CardLabel, kCardLabelRow, kAlignRight, kSumsEdge, kFaxLine - 5),
     Text(PurchaseTextSource::CardNumber, 0, kAlignLeft, kSumsValues, kFaxLine - 5),
     Text(PurchaseTextSource::CardLabel, kExpirationLabelRow, kAlignRight, kSumsEdge,
          kFaxLine - 4),
     Text(PurchaseTextSource::Expiration, 0, kAlignLeft, kSumsValues, kFaxLine - 4)},
};

static_assert(kPageHeadTexts + sizeof kPageRows / sizeof kPageRows[0] +
                      sizeof(PaymentBlock) / sizeof(Row) <=
                  kMaxPageTexts,
              "the page holds every row");

// An absent key repeats the text read before it, as existing discs expect.
// Each text of a chain is read with the one before it as its default, so an
// absent key keeps that text (cut to 255 characters, trailing blanks
// removed). The label chain starts from the page head's fax line and runs
// through the page's string-table texts and [Order Label] values in the
// order of the page; the payment chain starts empty and runs from the
// [payment string] Check value to the card and expiration captions.
struct ReadChain {
  char text[kValueCapacity];
};

const char *ReadInChain(ReadChain &chain, const Setting<kValueCapacity> &key) {
  ReadSetting(key, chain.text);
  return chain.text;
}

const char *LoadInChain(ReadChain &chain, int textId) {
  LoadText(textId, chain.text, kValueCapacity);
  return chain.text;
}

// The page while it is built.
struct PurchasePageBuild {
  const Order &order;
  const CustomerRecord &buyer;
  ReadChain labels;
  ReadChain payment;
  char line[kPageTextCapacity];    // the row being composed
  char dashes[kPageTextCapacity];  // the dash row under the headings
  int linesAdded;                  // the billing block's line counter
};

// The headings joined by tabs into the line, and the dash row: a dash under
// every character of a heading, a tab where the headings have theirs.
void ComposeHeadings(PurchasePageBuild &build) {
  CopyText(build.line, kPageTextCapacity, "");
  int tabs[kHeadingCount - 1];
  int tabCount = 0;
  for (int i = 0; i < kHeadingCount; ++i) {
    const char *heading = ReadInChain(build.labels, kOrderLabelKeys[kHeadingLabelRows + i]);
    if (i > 0) {
      const int before = static_cast<int>(strlen(build.line));
      if (AppendText(build.line, kPageTextCapacity, "\t") > before) tabs[tabCount++] = before;
    }
    AppendText(build.line, kPageTextCapacity, heading);
  }
  int length = 0;
  for (; build.line[length] != '\0'; ++length) build.dashes[length] = '-';
  build.dashes[length] = '\0';
  for (int i = 0; i < tabCount; ++i) build.dashes[tabs[i]] = '\t';
}

void ComposeProduct(int slot, PurchasePageBuild &build) {
  const char *name = ReadInChain(build.labels, kOrderLabelKeys[kProductLabelRows + slot]);
  char unitPrice[kLongestAmountText];
  char lineTotal[kLongestAmountText];
  FormatAmount(build.order.unitPrices[slot], true, unitPrice, kLongestAmountText);
  FormatAmount(build.order.lineTotals[slot], true, lineTotal, kLongestAmountText);
  FormatText(build.line, kPageTextCapacity, "%s\t%s\t%d\t%s", name, unitPrice,
             build.order.quantities[slot], lineTotal);
}

bool AnyFilled(std::initializer_list<const char *> fields) {
  for (const char *field : fields)
    if (field[0] != '\0') return true;
  return false;
}

// The text of the row; nullptr when the row is left out.
const char *TextOfRow(const Row &row, PurchasePageBuild &build) {
  const Order &order = build.order;
  const CustomerRecord &buyer = build.buyer;
  switch (row.source) {
    case PurchaseTextSource::String: return LoadInChain(build.labels, row.id);
    case PurchaseTextSource::Label: return ReadInChain(build.labels, kOrderLabelKeys[row.id]);
    case PurchaseTextSource::Headings: ComposeHeadings(build); return build.line;
    case PurchaseTextSource::Dashes: return build.dashes;
    case PurchaseTextSource::Product: ComposeProduct(row.id, build); return build.line;
    case PurchaseTextSource::Sum: {
      const double sums[] = {order.subtotal, order.tax, order.shipping, order.total};
      FormatAmount(sums[row.id], false, build.line, kPageTextCapacity);
      return build.line;
    }
    case PurchaseTextSource::NameLine:
      if (!AnyFilled({buyer.lastName, buyer.firstName})) return nullptr;
      FormatNameLine(buyer, build.line, kPageTextCapacity);
      return build.line;
    case PurchaseTextSource::CityLine:
      if (!AnyFilled({buyer.city, buyer.state, buyer.zip, buyer.country})) return nullptr;
      FormatCityLine(buyer, build.line, kPageTextCapacity);
      return build.line;
    case PurchaseTextSource::Field: {
      const char *text = FieldText(buyer, static_cast<CustomerField>(row.id));
      return row.ownLine && text[0] == '\0' ? nullptr : text;
    }
    case PurchaseTextSource::PaymentMethod: return order.paymentMethod;
    case PurchaseTextSource::CardLabel:
      return ReadInChain(build.payment, kOrderLabelKeys[row.id]);
    case PurchaseTextSource::CardNumber: return order.cardNumber;
    case PurchaseTextSource::Expiration: return order.expiration;
  }
  return nullptr;
}

bool IsTableRow(PurchaseTextSource source) {
  return source == PurchaseTextSource::Headings || source == PurchaseTextSource::Dashes ||
         source == PurchaseTextSource::Product;
}

template <int Count>
void AddRows(Page &page, const Row (&rows)[Count], PurchasePageBuild &build) {
  for (const Row &row : rows) {
    const char *text = TextOfRow(row, build);
    if (text == nullptr) continue;
    RowPlace place = row.place;
    place.line += build.linesAdded;
    AddText(page, place, text, IsTableRow(row.source));
    if (row.ownLine) ++build.linesAdded;
  }
}

}  // namespace

void BuildPurchasePage(const Order &order, const CustomerRecord &buyer, const PageUnits &units,
                       Page &page) {
  page = Page{};
  page.tabs = kTableTabs;
  PurchasePageBuild build = {order, buyer, {}, {}, {}, {}, 0};
  CopyText(build.labels.text, kValueCapacity, AddPageHead(page, TEXT_PURCHASE_FORM_TITLE));
  AddRows(page, kPageRows, build);
  // A square page takes the landscape placement.
  const PaymentBlock &block =
      units.pageWidth < units.pageHeight ? kPortraitPayment : kLandscapePayment;
  AddRows(page, block.payment, build);
  if (!EqualsIgnoringCase(ReadInChain(build.payment, kPaymentStringCheck), order.paymentMethod))
    AddRows(page, block.card, build);
}

int PrintPurchaseForm(WindowHandle owner, const Order &order, const CustomerRecord &buyer) {
  PrintJob job;
  if (!OpenPrintJob(owner, job)) return 0;
  Page page;
  BuildPurchasePage(order, buyer, job.units, page);
  if (!ChooseJobOutput(job, owner, TEXT_ORDER_FILE_NAME)) return 0;
  return PrintPage(job, page);
}

int PrintPurchase(WindowHandle owner) {
  Order order = {};
  // Printing does not write the prices back: the form shows them at the
  // next tick after a change, as before.
  if (PriceAndValidateOrder(order, BuyerRecord)) PrintPurchaseForm(owner, order, BuyerRecord);
  return 1;
}
