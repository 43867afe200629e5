#include "settings/settings.h"

#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/module.h"
#include "platform/profile.h"
#include "platform/strings.h"
#include "resources/texts.h"
#include "settings/profile_text.h"
#include "text/bounded.h"
#include "text/characters.h"

char SettingsPath[kPathCapacity] = "";
bool SettingsForDisplayLanguage = false;

static const char kSettingsFileName[] = "VelInst.ini";

// The directory followed by the name into dest; false when it would not fit.
static bool JoinPath(const char *directory, const char *name, char *dest) {
  if (static_cast<size_t>(kPathCapacity) <= strlen(directory) + strlen(name)) return false;
  FormatText(dest, kPathCapacity, "%s%s", directory, name);
  return true;
}

int BuildSettingsPath() {
  char directory[kPathCapacity];
  const int directoryLength = GetProgramDirectory(directory, kPathCapacity);
  SettingsPath[0] = '\0';
  SettingsForDisplayLanguage = false;
  // Without a directory a bare file name would be looked for in the Windows
  // directory or the current one: no settings path at all.
  if (directoryLength == 0) return 0;
  // A disc may carry settings for the customer's language: for the language
  // itself (VelInst.0407.ini), else for its primary language (VelInst.07.ini).
  const unsigned language = GetDisplayLanguageId();
  char names[2][24];
  FormatText(names[0], sizeof names[0], "VelInst.%04X.ini", language);
  FormatText(names[1], sizeof names[1], "VelInst.%02X.ini", language & 0x3FF);
  char path[kPathCapacity];
  for (const char *name : names) {
    if (JoinPath(directory, name, path) && PathExists(path)) {
      CopyText(SettingsPath, kPathCapacity, path);
      SettingsForDisplayLanguage = true;
      return 1;
    }
  }
  if (!JoinPath(directory, kSettingsFileName, path)) return 0;
  CopyText(SettingsPath, kPathCapacity, path);
  return 1;
}

// The absent case without a file: the default with trailing blanks removed,
// cut to capacity - 1, as the profile service itself treats it.
static int KeepDefault(char *dest, int capacity) {
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
  return ProfileReadString(filePath, section, keyName, defaultText.c_str(), dest,
                           capacity);
}

int ReadSnapshotString(const ProfileSnapshot &snapshot, int keyId, char *dest, int capacity,
                       const char *section) {
  if (dest == nullptr || capacity <= 0) return 0;
  if (snapshot.readByService)
    return ReadKeyString(keyId, dest, capacity, snapshot.path.c_str(), section);
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  const std::string *value =
      keyName[0] != '\0' ? FindSnapshotValue(snapshot, section, keyName) : nullptr;
  return value != nullptr ? CopyText(dest, capacity, value->c_str()) : KeepDefault(dest, capacity);
}

unsigned ReadSnapshotInt(const ProfileSnapshot &snapshot, int keyId, unsigned defaultValue,
                         const char *section) {
  if (snapshot.readByService)
    return ReadKeyInt(keyId, defaultValue, snapshot.path.c_str(), section);
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  const std::string *value =
      keyName[0] != '\0' ? FindSnapshotValue(snapshot, section, keyName) : nullptr;
  return value != nullptr ? ProfileNumber(*value, defaultValue) : defaultValue;
}

namespace {

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

unsigned ReadSettingInt(const Setting<kWholeNumber> &row, unsigned defaultValue) {
  if (SettingsPath[0] == '\0') return defaultValue;
  return ReadSnapshotInt(SettingsSnapshot(), row.keyId, defaultValue, row.section);
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

void WriteKeyString(int keyId, const char *value, const char *filePath,
                    const char *section) {
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  if (filePath == nullptr || filePath[0] == '\0' || keyName[0] == '\0') return;
  ProfileWriteString(filePath, section, keyName, AsStored(value != nullptr ? value : "").c_str());
}

unsigned ReadKeyInt(int keyId, unsigned defaultValue, const char *filePath,
                    const char *section) {
  char keyName[kKeyNameCapacity];
  LoadText(keyId, keyName, kKeyNameCapacity);
  if (filePath == nullptr || filePath[0] == '\0' || keyName[0] == '\0')
    return defaultValue;
  return ProfileReadInt(filePath, section, keyName, defaultValue);
}

int UsablePath(const PathForms &forms, char *dest, int capacity) {
  return CopyText(dest, capacity, forms.longForm[0] != '\0' ? forms.longForm : forms.shortForm);
}

int GetProgramDirectory(char *dest, int capacity) {
  char path[kPathCapacity];
  UsablePath(GetProgramFileForms(), path, kPathCapacity);
  path[LastSeparator(path, "\\:", SystemTextSpelling()) + 1] = '\0';
  return CopyText(dest, capacity, path);
}

int BuildDiscPath(const Setting<kPathCapacity> &row, char (&dest)[kPathCapacity]) {
  char value[kPathCapacity] = "";
  ReadSetting(row, value);
  char path[kPathCapacity];
  int directoryLength = GetProgramDirectory(path, kPathCapacity);
  dest[0] = '\0';
  if (value[0] == '\0' || directoryLength == 0) return 0;
  if (static_cast<size_t>(directoryLength) + strlen(value) >= kPathCapacity) return 0;
  AppendText(path, kPathCapacity, value);
  CopyText(dest, kPathCapacity, path);
  return 1;
}
