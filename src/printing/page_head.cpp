#include "printing/page_head.h"

#include "platform/strings.h"
#include "printing/page_layout.h"
#include "resources/texts.h"

namespace {

struct HeadRow {
  int textId;
  RowPlace place;
};

constexpr PageX kVendorIndent = AtColumn(8);

const HeadRow kMailingAddress[] = {
    {TEXT_MAIL_TO, {kAlignLeft, kLeftMargin, 5}},
    {TEXT_VENDOR_COMPANY, {kAlignLeft, kVendorIndent, 6}},
    {TEXT_VENDOR_DEPARTMENT, {kAlignLeft, kVendorIndent, 7}},
    {TEXT_VENDOR_STREET, {kAlignLeft, kVendorIndent, 8}},
    {TEXT_VENDOR_CITY, {kAlignLeft, kVendorIndent, 9}},
    {TEXT_VENDOR_FAX, {kAlignLeft, kLeftMargin, 10}},
};

}  // namespace

void PrintPageHead(const PrintJob &job, int titleTextId, char *text, int capacity) {
  LoadText(titleTextId, text, capacity);
  PrintRow(job, {kAlignCentre, kPageCentre, 3}, text);
  for (const HeadRow &row : kMailingAddress) {
    LoadText(row.textId, text, capacity);
    PrintRow(job, row.place, text);
  }
}
