#include <windows.h>

#include "platform/strings.h"

int LoadText(int id, char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  dest[0] = '\0';
  return LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), dest, capacity);
}
