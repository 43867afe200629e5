// The native text loader serves the very table the Windows program ships.
#include "platform/strings.h"
#include "resources/text_table.h"
#include "text/bounded.h"

int LoadText(int id, char *dest, int capacity) { return CopyText(dest, capacity, TextOf(id)); }
