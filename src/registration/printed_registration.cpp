#include "registration/printed_registration.h"

#include "customer/address_lines.h"
#include "customer/customer_fields.h"
#include "customer/form_checks.h"
#include "customer/saved_profile.h"
#include "platform/strings.h"
#include "printing/page_head.h"
#include "printing/print_job.h"
#include "resources/texts.h"
#include "text/bounded.h"

namespace {

// Where a row's text comes from.
enum class RegistrationTextSource { String, Field, NameLine, CityLine };

// One row of the page. A row on a line of its own only when its field is
// filled (the second street line) moves every later row down one line when
// it is on the page: the line counter of the address block.
struct Row {
  RegistrationTextSource source;
  int id;  // the string id, or the CustomerField
  RowPlace place;
  bool ownLineWhenFilled;
};

constexpr PageX kCaptionEdge = AtColumn(20);  // captions end here
constexpr PageX kValueColumn = AtColumn(21);  // values start here

constexpr Row Line(int textId, TextAlignment alignment, PageX x, int line) {
  return {RegistrationTextSource::String, textId, {alignment, x, line}, false};
}
constexpr Row Caption(int textId, int line) {
  return {RegistrationTextSource::String, textId, {kAlignRight, kCaptionEdge, line}, false};
}
constexpr Row Value(CustomerField field, int line) {
  return {RegistrationTextSource::Field, static_cast<int>(field), {kAlignLeft, kValueColumn, line},
          false};
}
constexpr Row Composed(RegistrationTextSource source, int line) {
  return {source, 0, {kAlignLeft, kValueColumn, line}, false};
}
constexpr Row OptionalValue(CustomerField field, int line) {
  return {RegistrationTextSource::Field, static_cast<int>(field), {kAlignLeft, kValueColumn, line},
          true};
}

// Lines below the second street line are given as they stand without it.
// Below the page head: the title, the mailing address and the fax line.
const Row kRows[] = {
    Caption(TEXT_PRODUCT_NAME, 12),
    Value(CustomerField::ProductName, 12),
    Caption(TEXT_SERIAL_NUMBER, 13),
    Value(CustomerField::SerialNumber, 13),
    Caption(TEXT_DATE_REGISTERED, 14),
    Value(CustomerField::RegistrationDate, 14),
    Caption(TEXT_YOUR_NAME, 15),
    Composed(RegistrationTextSource::NameLine, 15),
    Caption(TEXT_YOUR_ADDRESS, 16),
    Value(CustomerField::Street1, 16),
    OptionalValue(CustomerField::Street2, 17),
    Composed(RegistrationTextSource::CityLine, 17),
    Caption(TEXT_EMAIL, 18),
    Value(CustomerField::Email, 18),
    Caption(TEXT_PHONE, 19),
    Value(CustomerField::Phone, 19),
    Caption(TEXT_FAX, 20),
    Value(CustomerField::Fax, 20),
    Line(TEXT_WHERE_BOUGHT, kAlignLeft, kLeftMargin, 21),
    Value(CustomerField::WhereBought, 22),
};

static_assert(kPageHeadTexts + sizeof kRows / sizeof kRows[0] <= kMaxPageTexts,
              "the page holds every row");

void TextOfRow(const Row &row, const CustomerRecord &record, char *text) {
  switch (row.source) {
    case RegistrationTextSource::String: LoadText(row.id, text, kPageTextCapacity); break;
    case RegistrationTextSource::Field:
      CopyText(text, kPageTextCapacity, FieldText(record, static_cast<CustomerField>(row.id)));
      break;
    case RegistrationTextSource::NameLine:
      FormatNameLine(record, text, kPageTextCapacity);
      break;
    case RegistrationTextSource::CityLine:
      FormatCityLine(record, text, kPageTextCapacity);
      break;
  }
}

}  // namespace

void BuildRegistrationPage(const CustomerRecord &record, Page &page) {
  page = Page{};
  AddPageHead(page, TEXT_REG_FORM_TITLE);
  int linesAdded = 0;
  for (const Row &row : kRows) {
    char text[kPageTextCapacity];
    TextOfRow(row, record, text);
    if (row.ownLineWhenFilled && text[0] == '\0') continue;
    RowPlace place = row.place;
    place.line += linesAdded;
    AddText(page, place, text);
    if (row.ownLineWhenFilled) ++linesAdded;
  }
}

int PrintRegistrationForm(WindowHandle owner, const CustomerRecord &record) {
  PrintJob job;
  if (!OpenPrintJob(owner, job)) return 0;
  Page page;
  BuildRegistrationPage(record, page);
  if (!ChooseJobOutput(job, owner, TEXT_REGISTRATION_FILE_NAME)) return 0;
  return PrintPage(job, page);
}

int PrintRegistration(WindowHandle owner) {
  CustomerRecord record = {};
  if (!CollectRegistration(record)) return 0;
  // The details are kept whether or not a printer could be had, and before
  // printing: a printer's dialog that never comes to the front may leave the
  // customer no way out but ending the program.
  const int saved = SaveProfile(record);
  PrintRegistrationForm(owner, record);
  return saved;
}
