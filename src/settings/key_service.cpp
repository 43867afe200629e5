#include "settings/key_service.h"

#include <cstring>
#include <string>

#include "platform/profile.h"
#include "platform/strings.h"
#include "text/bounded.h"

int KeepDefault(char *dest, int capacity) {
  int length = CopyText(dest, capacity, dest);
  while (length > 0 && dest[length - 1] == ' ') dest[--length] = '\0';
  return length;
}

int ReadKeyString(int keyId, char *dest, int capacity, const char *filePath,
                  const char *section) {
  if (dest == nullptr || capacity <= 0) return 0;
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  if (filePath == nullptr || filePath[0] == '\0' || keyName[0] == '\0')
    return KeepDefault(dest, capacity);
  // The default is the destination itself; hand the service a copy so it
  // never reads a buffer it is writing.
  const std::string defaultText(dest, strnlen(dest, static_cast<size_t>(capacity)));
  return ProfileReadString(filePath, section, keyName, defaultText.c_str(), dest, capacity);
}

unsigned ReadKeyInt(int keyId, unsigned defaultValue, const char *filePath,
                    const char *section) {
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  if (filePath == nullptr || filePath[0] == '\0' || keyName[0] == '\0') return defaultValue;
  return ProfileReadInt(filePath, section, keyName, defaultValue);
}

// The profile service drops one pair of matching quotes around a value when
// it reads it back, so a value with such a pair of its own is stored inside
// one more pair.
static std::string AsStored(const char *value) {
  const size_t length = strlen(value);
  if (length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0])
    return std::string("\"") + value + "\"";
  return value;
}

void WriteKeyString(int keyId, const char *value, const char *filePath, const char *section) {
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  if (filePath == nullptr || filePath[0] == '\0' || keyName[0] == '\0') return;
  ProfileWriteString(filePath, section, keyName, AsStored(value != nullptr ? value : "").c_str());
}
