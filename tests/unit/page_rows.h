#pragma once
// Printed pages as short tables: each text with its alignment, its x in
// device units and its line, as a form built it or as the fake printer drew
// it, so a page test reads like the page.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fake_printer.h"
#include "printing/page_layout.h"

// The fake's default printer: 4800 x 6600 device units, line unit 126 (the
// sample measures 101 high), column unit 50 (600 wide).
constexpr PageUnits kOfficeLaser = {4800, 6600, 126, 50};
constexpr unsigned kLeft = 0, kRight = 2, kCentred = 6;

struct PageRow {
  std::string text;
  unsigned alignment;
  int x;
  int line;
  bool tabbed = false;

  bool operator==(const PageRow &other) const {
    return text == other.text && alignment == other.alignment && x == other.x &&
           line == other.line && tabbed == other.tabbed;
  }
};

inline void PrintTo(const PageRow &row, std::ostream *out) {
  *out << "\n{\"" << row.text << "\", " << row.alignment << ", " << row.x << ", " << row.line
       << (row.tabbed ? ", tabbed}" : "}");
}

// The built page's texts, placed for a printer of these units.
inline std::vector<PageRow> RowsOf(const Page &page, const PageUnits &units = kOfficeLaser) {
  std::vector<PageRow> rows;
  for (int i = 0; i < page.count; ++i) {
    const PageText &text = page.texts[i];
    rows.push_back({text.text, text.place.alignment, PageXOf(units, text.place.x),
                    text.place.line, text.tabbed});
  }
  return rows;
}

// What the fake's default printer drew, each text on its line, on the page
// and in the print font.
inline std::vector<PageRow> PrintedRows() {
  std::vector<PageRow> rows;
  for (const PrintedText &printed : Printing().printed) {
    EXPECT_EQ(0, printed.y % kOfficeLaser.lineUnit) << printed.text;
    EXPECT_TRUE(printed.onPage) << printed.text;
    EXPECT_TRUE(printed.inPrintFont) << printed.text;
    rows.push_back({printed.text, printed.alignment, printed.x,
                    printed.y / kOfficeLaser.lineUnit, printed.tabbed});
  }
  return rows;
}
