#include "resources/text_table.h"

const TextEntry kTextTable[] = {
#define VELINST_TEXT(id, name, text) {id, #name, text},
#include "resources/texts.inc"
#undef VELINST_TEXT
};

const int kTextTableCount = sizeof kTextTable / sizeof kTextTable[0];

namespace {

// Rows added side by side may pick the same free id; the string table would
// then serve one text under the other's name.
constexpr int kTextIds[] = {
#define VELINST_TEXT(id, name, text) id,
#include "resources/texts.inc"
#undef VELINST_TEXT
};

constexpr bool TextIdsAreDistinct() {
  for (const int &a : kTextIds)
    for (const int *b = &a + 1; b != kTextIds + sizeof kTextIds / sizeof kTextIds[0]; ++b)
      if (a == *b) return false;
  return true;
}

static_assert(TextIdsAreDistinct(), "two rows of the string table share an id");

}  // namespace

const char *TextOf(int id) {
  for (const TextEntry &entry : kTextTable)
    if (entry.id == id) return entry.text;
  return "";
}
