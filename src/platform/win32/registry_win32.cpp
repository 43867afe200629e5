#include <windows.h>

#include "platform/registry.h"

namespace {

HKEY RootKey(RegistryRoot root, REGSAM *view) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::Machine64: *view = KEY_WOW64_64KEY; return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Machine32: *view = KEY_WOW64_32KEY; return HKEY_LOCAL_MACHINE;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

bool ReadRegistryText(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                      int capacity, bool *expandable) {
  if (dest == nullptr || capacity <= 0) return false;
  dest[0] = '\0';
  REGSAM view = 0;
  HKEY parent = RootKey(root, &view);
  HKEY key = nullptr;
  // Read access only: all access to the machine's keys is refused to
  // standard users and to administrators under UAC. The view flags choose
  // the 64- or 32-bit keys on 64-bit Windows and are ignored on 32-bit.
  if (RegOpenKeyExA(parent, subkey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity - 1);
  LONG status = RegQueryValueExA(key, valueName, nullptr, &type,
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

bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity, bool *expandable) {
  return ReadRegistryText(RegistryRoot::ClassesRoot, subkey, nullptr, dest, capacity, expandable);
}
