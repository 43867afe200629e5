#include <windows.h>

#include "platform/profile.h"

int ProfileReadString(const char *file, const char *section, const char *key,
                      const char *defaultText, char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  return static_cast<int>(GetPrivateProfileStringA(section, key, defaultText, dest,
                                                   static_cast<DWORD>(capacity), file));
}

bool ProfileWriteString(const char *file, const char *section, const char *key,
                        const char *value) {
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

unsigned ProfileReadInt(const char *file, const char *section, const char *key,
                        unsigned defaultValue) {
  return GetPrivateProfileIntA(section, key, static_cast<INT>(defaultValue), file);
}
