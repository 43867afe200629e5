#pragma once
// Reading the settings file (settings/settings_path.h), every key through its
// row (settings/key_vocabulary.h). The destination's current text is the
// default when a key is absent, as with the profile service.
//
// The file is read from one snapshot in memory, which the first read of each
// operation (SettingsOperation) compares with the file and reads again when
// the file changed. All of it runs on the window thread only; the
// registration's worker reads no settings.
#include <cstddef>

#include "settings/key_vocabulary.h"
#include "settings/profile_snapshot.h"

// One operation of the launcher (a command, a template opened, a tick, the
// start): while one is open, the settings file is looked at once, at the
// first read, instead of at every read. Operations may nest; each one looks
// at the file afresh.
class SettingsOperation {
 public:
  SettingsOperation();
  ~SettingsOperation();
  SettingsOperation(const SettingsOperation &) = delete;
  SettingsOperation &operator=(const SettingsOperation &) = delete;
};

// What ReadSetting does once the compiler has checked the destination.
int ReadSettingText(const VocabularyKey &row, char *dest);

// The row's value into dest, a buffer of the row's capacity. Returns the
// count stored, at most capacity - 1.
template <int Capacity, std::size_t Size>
int ReadSetting(const Setting<Capacity> &row, char (&dest)[Size]) {
  static_assert(Size == Capacity, "the destination is of the row's capacity");
  return ReadSettingText(row, dest);
}

// The row's value as a whole number, or defaultValue when it is absent or
// empty.
unsigned ReadSettingInt(const WholeNumberSetting &row, unsigned defaultValue);

// The key of the section in the snapshot's file into dest, at most
// capacity - 1 characters, as ReadKeyString reads it from the file.
// Returns the count stored.
int ReadSnapshotString(const ProfileSnapshot &snapshot, int keyId, char *dest, int capacity,
                       const char *section);
// The key's value as a whole number, as ReadKeyInt reads it from the file.
unsigned ReadSnapshotInt(const ProfileSnapshot &snapshot, int keyId, unsigned defaultValue,
                         const char *section);
