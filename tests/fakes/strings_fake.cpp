// The native text loader serves the very table the Windows program ships.
#include "platform/strings.h"
#include "text/bounded.h"

namespace {
struct Entry {
  int id;
  const char *text;
};
const Entry kTexts[] = {
#define VELINST_TEXT(id, name, text) {id, text},
#include "resources/texts.inc"
#undef VELINST_TEXT
};
}  // namespace

int LoadText(int id, char *dest, int capacity) {
  for (const Entry &entry : kTexts)
    if (entry.id == id) return CopyText(dest, capacity, entry.text);
  return CopyText(dest, capacity, "");
}
