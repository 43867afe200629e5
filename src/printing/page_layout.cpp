#include "printing/page_layout.h"

#include <cstring>

int PageXOf(const PrintJob &job, PageX x) {
  const long long fraction = static_cast<long long>(x.widthPercent) * job.pageWidth / 100;
  return x.lineUnits * job.lineUnit + x.columnUnits * job.columnUnit + static_cast<int>(fraction);
}

int LineYOf(const PrintJob &job, int line) { return line * job.lineUnit; }

void PrintRow(const PrintJob &job, const RowPlace &place, const char *text) {
  SetTextAlignment(job.printer, place.alignment);
  OutputText(job.printer, PageXOf(job, place.x), LineYOf(job, place.line), text,
             static_cast<int>(strlen(text)));
}

void PrintTabbedRow(const PrintJob &job, const RowPlace &place, const char *text,
                    const PageX *tabStops, int tabCount, PageX tabOrigin) {
  int stops[kMaxTabStops];
  const int count = tabCount < 0 ? 0 : tabCount < kMaxTabStops ? tabCount : kMaxTabStops;
  for (int i = 0; i < count; ++i) stops[i] = PageXOf(job, tabStops[i]);
  SetTextAlignment(job.printer, place.alignment);
  OutputTabbedText(job.printer, PageXOf(job, place.x), LineYOf(job, place.line), text,
                   static_cast<int>(strlen(text)), stops, count, PageXOf(job, tabOrigin));
}
