#pragma once
// A printed page as data: every text it carries with its place, built before
// the document starts and then drawn as it stands. Places are given in the
// print job's units, so a page is written as a table of rows: what a row
// prints, how it is aligned, its x and its line.
#include "platform/printer.h"

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

// The printer's page and the units a page is laid out in, in device pixels.
struct PageUnits {
  int pageWidth;  // the printable area
  int pageHeight;
  int lineUnit;
  int columnUnit;
};

int PageXOf(const PageUnits &units, PageX x);
int LineYOf(const PageUnits &units, int line);

// At most this many tab stops on a page; further ones are ignored.
constexpr int kMaxTabStops = 8;

// The tab stops of a page's tabbed texts (a table's columns), measured from
// the origin.
struct PageTabs {
  PageX origin;
  PageX stops[kMaxTabStops];
  int count;
};

constexpr int kPageTextCapacity = 256;  // a text of the page: 255 characters
constexpr int kMaxPageTexts = 64;

struct PageText {
  char text[kPageTextCapacity];
  RowPlace place;
  bool tabbed;  // its tabs move on to the page's tab stops
};

// The texts in the order they are drawn.
struct Page {
  PageText texts[kMaxPageTexts];
  int count;
  PageTabs tabs;
};

// Adds the text at its place, cut to 255 characters. The page's builders
// never add more than kMaxPageTexts (each checks its tables at compile time).
void AddText(Page &page, const RowPlace &place, const char *text, bool tabbed = false);
