#include "printing/page_head.h"

#include "platform/strings.h"
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
static_assert(1 + sizeof kMailingAddress / sizeof kMailingAddress[0] == kPageHeadTexts,
              "the head's texts");

}  // namespace

const char *AddPageHead(Page &page, int titleTextId) {
  char text[kPageTextCapacity];
  LoadText(titleTextId, text, kPageTextCapacity);
  AddText(page, {kAlignCentre, kPageCentre, 3}, text);
  for (const HeadRow &row : kMailingAddress) {
    LoadText(row.textId, text, kPageTextCapacity);
    AddText(page, row.place, text);
  }
  return page.texts[page.count - 1].text;
}
