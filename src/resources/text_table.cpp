#include "resources/text_table.h"

const TextEntry kTextTable[] = {
#define VELINST_TEXT(id, name, text) {id, #name, text},
#include "resources/texts.inc"
#undef VELINST_TEXT
};

const int kTextTableCount = sizeof kTextTable / sizeof kTextTable[0];

const char *TextOf(int id) {
  for (const TextEntry &entry : kTextTable)
    if (entry.id == id) return entry.text;
  return "";
}
