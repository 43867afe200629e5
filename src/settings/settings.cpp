#include "settings/settings.h"

#include <string>

#include "platform/strings.h"
#include "settings/key_service.h"
#include "settings/profile_text.h"
#include "settings/settings_path.h"
#include "text/bounded.h"

namespace {

// The key's value in the snapshot; nullptr when it is absent.
const std::string *FindKey(const ProfileSnapshot &snapshot, int keyId, const char *section) {
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  return keyName[0] != '\0' ? FindSnapshotValue(snapshot, section, keyName) : nullptr;
}

ProfileSnapshot settingsSnapshot;
int openOperations = 0;
// Counts the operations begun; the snapshot was last compared with the file
// at the start of operation `checkedAt`.
unsigned operationCount = 0;
unsigned checkedAt = 0;

// The snapshot of SettingsPath, compared with the file at the first read of
// each operation, and at every read outside one.
const ProfileSnapshot &SettingsSnapshot() {
  if (openOperations == 0 || checkedAt != operationCount || settingsSnapshot.path != SettingsPath) {
    RefreshProfileSnapshot(settingsSnapshot, SettingsPath);
    checkedAt = operationCount;
  }
  return settingsSnapshot;
}

}  // namespace

int ReadSnapshotString(const ProfileSnapshot &snapshot, int keyId, char *dest, int capacity,
                       const char *section) {
  if (dest == nullptr || capacity <= 0) return 0;
  if (snapshot.readByService)
    return ReadKeyString(keyId, dest, capacity, snapshot.path.c_str(), section);
  const std::string *value = FindKey(snapshot, keyId, section);
  return value != nullptr ? CopyText(dest, capacity, value->c_str()) : KeepDefault(dest, capacity);
}

unsigned ReadSnapshotInt(const ProfileSnapshot &snapshot, int keyId, unsigned defaultValue,
                         const char *section) {
  if (snapshot.readByService)
    return ReadKeyInt(keyId, defaultValue, snapshot.path.c_str(), section);
  const std::string *value = FindKey(snapshot, keyId, section);
  return value != nullptr ? ProfileNumber(*value, defaultValue) : defaultValue;
}

SettingsOperation::SettingsOperation() {
  ++openOperations;
  ++operationCount;
}

SettingsOperation::~SettingsOperation() { --openOperations; }

int ReadSettingText(const VocabularyKey &row, char *dest) {
  // Without a settings path every key is absent, and nothing is looked for
  // in the Windows directory or the current one.
  if (SettingsPath[0] == '\0') return KeepDefault(dest, row.capacity);
  return ReadSnapshotString(SettingsSnapshot(), row.keyId, dest, row.capacity, row.section);
}

unsigned ReadSettingInt(const WholeNumberSetting &row, unsigned defaultValue) {
  if (SettingsPath[0] == '\0') return defaultValue;
  return ReadSnapshotInt(SettingsSnapshot(), row.keyId, defaultValue, row.section);
}
