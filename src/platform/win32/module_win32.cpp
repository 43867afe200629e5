#include <windows.h>

#include "platform/module.h"

int GetProgramFilePath(char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  DWORD length = GetModuleFileNameA(nullptr, dest, static_cast<DWORD>(capacity));
  // A path cut by the buffer is no path: nothing built from it could be found.
  if (length == 0 || length >= static_cast<DWORD>(capacity)) {
    dest[0] = '\0';
    return 0;
  }
  return static_cast<int>(length);
}
