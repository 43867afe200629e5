#include <windows.h>

#include <cstring>

#include "platform/environment.h"

int ExpandEnvironmentText(const char *text, char *dest, int capacity) {
  if (dest == nullptr || capacity < 2) return -1;
  // The ANSI form may need one byte beyond the text and its terminator, so it
  // is offered one byte less than the buffer holds.
  DWORD needed = ExpandEnvironmentStringsA(text, dest, static_cast<DWORD>(capacity - 1));
  if (needed == 0 || needed > static_cast<DWORD>(capacity - 1)) {
    dest[0] = '\0';
    return -1;
  }
  return static_cast<int>(strlen(dest));
}
