// The native text loader serves the very table the Windows program ships.
#include "fake_platform.h"
#include "platform/strings.h"
#include "resources/text_table.h"
#include "text/bounded.h"

int LoadText(int id, char *dest, int capacity) {
  Fake().textsLoaded.insert(id);
  return CopyText(dest, capacity, TextOf(id));
}
