#include <windows.h>

#include "platform/registry.h"

bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity, bool *expandable) {
  if (dest == nullptr || capacity <= 0) return false;
  dest[0] = '\0';
  HKEY key = nullptr;
  // Read access only: all access to the machine-wide file types is refused to
  // standard users and to administrators under UAC.
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity - 1);
  LONG status = RegQueryValueExA(key, nullptr, nullptr, &type,
                                 reinterpret_cast<BYTE *>(dest), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    dest[0] = '\0';
    return false;
  }
  // The stored value need not carry its terminator.
  dest[size < static_cast<DWORD>(capacity) ? size : capacity - 1] = '\0';
  if (expandable != nullptr) *expandable = type == REG_EXPAND_SZ;
  return true;
}
