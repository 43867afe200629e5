#include "order/purchase_form.h"

#include <cstring>
#include <initializer_list>

#include "customer/address_lines.h"
#include "customer/customer_fields.h"
#include "order/decimal.h"
#include "order/order_pricing.h"
#include "platform/strings.h"
#include "printing/page_head.h"
#include "printing/page_layout.h"
#include "settings/settings.h"
#include "resources/texts.h"
#include "text/bounded.h"

namespace {

constexpr int kTextCapacity = 256;

// The page's working texts. An [Order Label] key that is absent prints what
// its working text held before: the item printed just before from it.
struct WorkingTexts {
  char label[kTextCapacity];    // string-table texts and labels
  char line[kTextCapacity];     // table rows, amounts, name and city lines
  char dashes[kTextCapacity];   // the dash row under the headings
  char payment[kTextCapacity];  // the [payment string] value, card and expiration captions
};

enum class RowText {
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
  EndIfCheck,     // prints nothing; the page ends when no card is needed
  CardLabel,      // id: a row of [Order Label], read into the payment text
  CardNumber,
  Expiration,
};

// One item of the page. Lines below the optional street and city lines are
// given as they stand without them: each of those printed moves every later
// row down one line (the billing block's line counter).
struct Row {
  RowText source;
  int id;
  RowPlace place;
  bool ownLine;  // printed only when there is something to print, on its own line
};

constexpr PageX kTableLeft = AtColumn(8);
constexpr PageX kCaptionEdge = AtColumn(20);
constexpr PageX kValueColumn = AtColumn(21);
constexpr PageX kSumsEdge = {0, 8, 57};      // XS: the third tab stop
constexpr PageX kAmountEdge = {0, 17, 57};   // XA = XS + 9 column units
constexpr PageX kSumsValues = {0, 9, 57};    // XS + one column unit
constexpr PageX kTabStops[] = {{0, 0, 33}, {0, 0, 45}, {0, 0, 57}};  // from kTableLeft
constexpr int kTabCount = 3;
constexpr int kFaxLine = 34;  // line F without the optional lines

constexpr Row Text(RowText source, int id, TextAlignment alignment, PageX x, int line) {
  return {source, id, {alignment, x, line}, false};
}
constexpr Row Caption(int textId, int line) {
  return Text(RowText::String, textId, kAlignRight, kCaptionEdge, line);
}
constexpr Row Value(RowText source, int id, int line) {
  return Text(source, id, kAlignLeft, kValueColumn, line);
}
constexpr Row Buyer(CustomerField field, int line) {
  return Value(RowText::Field, static_cast<int>(field), line);
}
constexpr Row OwnLine(RowText source, int id) {
  return {source, id, {kAlignLeft, kValueColumn, 32}, true};
}
constexpr Row Table(RowText source, int id, int line) {
  return Text(source, id, kAlignLeft, kTableLeft, line);
}
constexpr Row SumCaption(int sum, int line) {
  return Text(RowText::Label, kSumLabelRows + sum, kAlignRight, kSumsEdge, line);
}
constexpr Row SumAmount(int sum, int line) {
  return Text(RowText::Sum, sum, kAlignRight, kAmountEdge, line);
}

// Below the page head: the title, the mailing address and the fax line.
const Row kPageRows[] = {
    Table(RowText::Headings, 0, 12),
    Table(RowText::Dashes, 0, 13),
    Table(RowText::Product, 0, 14), Table(RowText::Product, 1, 15),
    Table(RowText::Product, 2, 16), Table(RowText::Product, 3, 17),
    Table(RowText::Product, 4, 18), Table(RowText::Product, 5, 19),
    Table(RowText::Product, 6, 20), Table(RowText::Product, 7, 21),
    Table(RowText::Product, 8, 22),
    SumCaption(0, 24), SumAmount(0, 24),
    SumCaption(1, 25), SumAmount(1, 25),
    SumCaption(2, 26), SumAmount(2, 26),
    SumCaption(3, 27), SumAmount(3, 27),
    Text(RowText::Label, kBillingLabelRow, kAlignLeft, kLeftMargin, 29),
    Caption(TEXT_YOUR_NAME, 30),
    Value(RowText::NameLine, 0, 30),
    Caption(TEXT_YOUR_ADDRESS, 31),
    Buyer(CustomerField::Street1, 31),
    OwnLine(RowText::Field, static_cast<int>(CustomerField::Street2)),
    OwnLine(RowText::CityLine, 0),
    Caption(TEXT_EMAIL, 32),
    Buyer(CustomerField::Email, 32),
    Caption(TEXT_PHONE, 33),
    Buyer(CustomerField::Phone, 33),
    Caption(TEXT_FAX, kFaxLine),
    Buyer(CustomerField::Fax, kFaxLine),
};

// The payment block below the billing block, in its columns.
const Row kPortraitPayment[] = {
    Text(RowText::Label, kPaymentInfoLabelRow, kAlignLeft, kLeftMargin, kFaxLine + 2),
    Text(RowText::Label, kPaymentLabelRow, kAlignRight, kCaptionEdge, kFaxLine + 3),
    Value(RowText::PaymentMethod, 0, kFaxLine + 3),
    Text(RowText::EndIfCheck, 0, kAlignLeft, kValueColumn, 0),
    Text(RowText::CardLabel, kCardLabelRow, kAlignRight, kCaptionEdge, kFaxLine + 4),
    Value(RowText::CardNumber, 0, kFaxLine + 4),
    Text(RowText::CardLabel, kExpirationLabelRow, kAlignRight, kCaptionEdge, kFaxLine + 5),
    Value(RowText::Expiration, 0, kFaxLine + 5),
};

// On a page at least as wide as tall: beside the billing block, in the
// sums' column, from seven lines above the fax line.
const Row kLandscapePayment[] = {
    Text(RowText::Label, kPaymentInfoLabelRow, kAlignRight, kSumsEdge, kFaxLine - 7),
    Text(RowText::Label, kPaymentLabelRow, kAlignRight, kSumsEdge, kFaxLine - 6),
    Text(RowText::PaymentMethod, 0, kAlignLeft, kSumsValues, kFaxLine - 6),
    Text(RowText::EndIfCheck, 0, kAlignLeft, kSumsValues, 0),
    Text(RowText::CardLabel, kCardLabelRow, kAlignRight, kSumsEdge, kFaxLine - 5),
    Text(RowText::CardNumber, 0, kAlignLeft, kSumsValues, kFaxLine - 5),
    Text(RowText::CardLabel, kExpirationLabelRow, kAlignRight, kSumsEdge, kFaxLine - 4),
    Text(RowText::Expiration, 0, kAlignLeft, kSumsValues, kFaxLine - 4),
};

void ReadLabel(int row, char (&text)[kTextCapacity]) { ReadSetting(kOrderLabelKeys[row], text); }

// The headings joined by tabs into the line text, and the dash row: a dash
// under every character of a heading, a tab where the headings have theirs.
void ComposeHeadings(WorkingTexts &texts) {
  CopyText(texts.line, kTextCapacity, "");
  int tabs[kTabCount];
  int tabCount = 0;
  for (int i = 0; i < 4; ++i) {
    ReadLabel(kHeadingLabelRows + i, texts.label);
    if (i > 0) {
      const int before = static_cast<int>(strlen(texts.line));
      if (AppendText(texts.line, kTextCapacity, "\t") > before) tabs[tabCount++] = before;
    }
    AppendText(texts.line, kTextCapacity, texts.label);
  }
  int length = 0;
  for (; texts.line[length] != '\0'; ++length) texts.dashes[length] = '-';
  texts.dashes[length] = '\0';
  for (int i = 0; i < tabCount; ++i) texts.dashes[tabs[i]] = '\t';
}

void ComposeProduct(int slot, const Order &order, WorkingTexts &texts) {
  ReadLabel(kProductLabelRows + slot, texts.label);
  char unitPrice[kLongestAmountText];
  char lineTotal[kLongestAmountText];
  FormatAmount(order.unitPrices[slot], true, unitPrice, kLongestAmountText);
  FormatAmount(order.lineTotals[slot], true, lineTotal, kLongestAmountText);
  FormatText(texts.line, kTextCapacity, "%s\t%s\t%d\t%s", texts.label, unitPrice,
             order.quantities[slot], lineTotal);
}

bool AnyFilled(std::initializer_list<const char *> fields) {
  for (const char *field : fields)
    if (field[0] != '\0') return true;
  return false;
}

// The text of the row into its working text; nullptr when the row prints
// nothing.
const char *TextOfRow(const Row &row, const Order &order, const CustomerRecord &buyer,
                      WorkingTexts &texts) {
  switch (row.source) {
    case RowText::String: LoadText(row.id, texts.label, kTextCapacity); return texts.label;
    case RowText::Label: ReadLabel(row.id, texts.label); return texts.label;
    case RowText::Headings: ComposeHeadings(texts); return texts.line;
    case RowText::Dashes: return texts.dashes;
    case RowText::Product: ComposeProduct(row.id, order, texts); return texts.line;
    case RowText::Sum: {
      const double sums[] = {order.subtotal, order.tax, order.shipping, order.total};
      FormatAmount(sums[row.id], false, texts.line, kTextCapacity);
      return texts.line;
    }
    case RowText::NameLine:
      if (!AnyFilled({buyer.lastName, buyer.firstName})) return nullptr;
      FormatNameLine(buyer, texts.line, kTextCapacity);
      return texts.line;
    case RowText::CityLine:
      if (!AnyFilled({buyer.city, buyer.state, buyer.zip, buyer.country})) return nullptr;
      FormatCityLine(buyer, texts.line, kTextCapacity);
      return texts.line;
    case RowText::Field: {
      const char *text = FieldText(buyer, static_cast<CustomerField>(row.id));
      return row.ownLine && text[0] == '\0' ? nullptr : text;
    }
    case RowText::PaymentMethod: return order.paymentMethod;
    case RowText::EndIfCheck: return nullptr;
    case RowText::CardLabel:
      ReadSetting(kOrderLabelKeys[row.id], texts.payment);
      return texts.payment;
    case RowText::CardNumber: return order.cardNumber;
    case RowText::Expiration: return order.expiration;
  }
  return nullptr;
}

bool IsTableRow(RowText source) {
  return source == RowText::Headings || source == RowText::Dashes || source == RowText::Product;
}

// Prints the rows; returns false when the page ends before the last.
template <int Count>
bool PrintRows(const PrintJob &job, const Row (&rows)[Count], const Order &order,
               const CustomerRecord &buyer, WorkingTexts &texts, int &linesAdded) {
  for (const Row &row : rows) {
    if (row.source == RowText::EndIfCheck) {
      ReadSetting(kPaymentStringCheck, texts.payment);
      if (EqualsIgnoringCase(texts.payment, order.paymentMethod)) return false;
      continue;
    }
    const char *text = TextOfRow(row, order, buyer, texts);
    if (text == nullptr) continue;
    RowPlace place = row.place;
    place.line += linesAdded;
    if (IsTableRow(row.source))
      PrintTabbedRow(job, place, text, kTabStops, kTabCount, kTableLeft);
    else
      PrintRow(job, place, text);
    if (row.ownLine) ++linesAdded;
  }
  return true;
}

}  // namespace

int PrintPurchaseForm(WindowHandle owner, const Order &order, const CustomerRecord &buyer) {
  PrintJob job;
  if (!BeginPrintJob(owner, job)) return 0;
  // Absent first keys print empty texts.
  WorkingTexts texts = {};
  PrintPageHead(job, TEXT_PURCHASE_FORM_TITLE, texts.label, kTextCapacity);
  int linesAdded = 0;
  PrintRows(job, kPageRows, order, buyer, texts, linesAdded);
  // A square page takes the landscape placement.
  if (job.pageWidth < job.pageHeight)
    PrintRows(job, kPortraitPayment, order, buyer, texts, linesAdded);
  else
    PrintRows(job, kLandscapePayment, order, buyer, texts, linesAdded);
  EndPrintJob(job);
  return 1;
}

int PrintPurchase(WindowHandle owner) {
  Order order = {};
  // Printing does not write the prices back: the form shows them at the
  // next tick after a change, as before.
  if (PriceAndValidateOrder(order, BuyerRecord)) PrintPurchaseForm(owner, order, BuyerRecord);
  return 1;
}
