#include "printing/page_layout.h"

#include "text/bounded.h"

int PageXOf(const PageUnits &units, PageX x) {
  const long long fraction = static_cast<long long>(x.widthPercent) * units.pageWidth / 100;
  return x.lineUnits * units.lineUnit + x.columnUnits * units.columnUnit +
         static_cast<int>(fraction);
}

int LineYOf(const PageUnits &units, int line) { return line * units.lineUnit; }

void AddText(Page &page, const RowPlace &place, const char *text, bool tabbed) {
  if (page.count >= kMaxPageTexts) return;
  PageText &added = page.texts[page.count++];
  CopyText(added.text, kPageTextCapacity, text);
  added.place = place;
  added.tabbed = tabbed;
}
