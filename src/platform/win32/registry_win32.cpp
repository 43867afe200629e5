#include <windows.h>

#include "platform/registry.h"
#include "platform/win32/system_text_win32.h"

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

// The key opened for reading, or nullptr. Read access only: all access to
// the machine's keys is refused to standard users and to administrators
// under UAC. The view flags choose the 64- or 32-bit keys on 64-bit Windows
// and are ignored on 32-bit.
HKEY OpenForReading(RegistryRoot root, const char *subkey) {
  REGSAM view = 0;
  HKEY parent = RootKey(root, &view);
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, subkey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

bool ReadRegistryText(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                      int capacity, bool *expandable) {
  if (dest == nullptr || capacity <= 0) return false;
  dest[0] = '\0';
  HKEY key = OpenForReading(root, subkey);
  if (key == nullptr) return false;
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity - 1);
  LONG status = RegQueryValueExA(key, valueName, nullptr, &type,
                                 reinterpret_cast<BYTE *>(dest), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || !IsText(type)) {
    dest[0] = '\0';
    return false;
  }
  // The stored value need not carry its terminator.
  dest[size < static_cast<DWORD>(capacity) ? size : capacity - 1] = '\0';
  if (expandable != nullptr) *expandable = type == REG_EXPAND_SZ;
  return true;
}

bool ReadRegistrySystemText(RegistryRoot root, const char *subkey, const char *valueName,
                            char *dest, int capacity, bool *expandable) {
  if (dest == nullptr || capacity <= 0) return false;
  dest[0] = '\0';
  WideText name;
  if (valueName != nullptr && !WideFromUtf8(valueName, &name)) return false;
  HKEY key = OpenForReading(root, subkey);
  if (key == nullptr) return false;
  // A UTF-8 text of `capacity` bytes holds at most as many letters.
  WideText value(static_cast<size_t>(capacity) + 1, L'\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity * sizeof(wchar_t));
  LONG status = RegQueryValueExW(key, valueName != nullptr ? name.data() : nullptr, nullptr,
                                 &type, reinterpret_cast<BYTE *>(value.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || !IsText(type)) return false;
  // The stored value need not carry its terminator.
  value[size / sizeof(wchar_t)] = L'\0';
  if (!Utf8FromWide(value.data(), dest, capacity)) return false;
  if (expandable != nullptr) *expandable = type == REG_EXPAND_SZ;
  return true;
}

bool ReadRegistryNumber(RegistryRoot root, const char *subkey, const char *valueName,
                        unsigned long *number) {
  HKEY key = OpenForReading(root, subkey);
  if (key == nullptr) return false;
  DWORD type = 0, value = 0, size = sizeof value;
  LONG status = RegQueryValueExA(key, valueName, nullptr, &type,
                                 reinterpret_cast<BYTE *>(&value), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return false;
  *number = value;
  return true;
}

bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity, bool *expandable) {
  return ReadRegistryText(RegistryRoot::ClassesRoot, subkey, nullptr, dest, capacity, expandable);
}
