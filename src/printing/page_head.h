#pragma once
// The head that both printed forms start with: the form's title centred on
// line 3, then the vendor's mailing address (lines 5-9) and fax line (10).
#include "printing/page_layout.h"

// The texts of the head.
constexpr int kPageHeadTexts = 7;

// Adds the head to the page, its texts loaded from the string table. Returns
// the last of them, the fax line.
const char *AddPageHead(Page &page, int titleTextId);
