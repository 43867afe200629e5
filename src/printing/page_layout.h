#pragma once
// Places on a printed page, in the print job's units, so that a page can be
// written as a table of rows: what a row prints, how it is aligned, its x
// and its line.
#include "printing/print_job.h"

// A horizontal place: so many line units (the left margin is one), column
// units and hundredths of the page width, added up. Each part is truncated
// on its own: (widthPercent x page width) / 100.
struct PageX {
  int lineUnits;
  int columnUnits;
  int widthPercent;
};

constexpr PageX kLeftMargin = {1, 0, 0};
constexpr PageX kPageCentre = {0, 0, 50};  // half the page width
constexpr PageX AtColumn(int columnUnits) { return {0, columnUnits, 0}; }

// Where a row's text stands: its alignment at x, its top on the line (the
// line's number times the line unit).
struct RowPlace {
  TextAlignment alignment;
  PageX x;
  int line;
};

// At most this many tab stops in a tabbed row; further ones are ignored.
constexpr int kMaxTabStops = 8;

int PageXOf(const PrintJob &job, PageX x);
int LineYOf(const PrintJob &job, int line);

// Sets the row's alignment and prints the text at its place.
void PrintRow(const PrintJob &job, const RowPlace &place, const char *text);

// The same for a text whose tabs move on to the tab stops, which are
// measured from tabOrigin.
void PrintTabbedRow(const PrintJob &job, const RowPlace &place, const char *text,
                    const PageX *tabStops, int tabCount, PageX tabOrigin);
