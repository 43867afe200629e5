#pragma once
// Access to the settings file and the other files of its format. Every key
// is named by a key id whose string-table text is the key's name; the
// destination's current text is the default when a key is absent.
//
// The settings file is read through its vocabulary rows (ReadSetting) from
// one snapshot in memory, which is compared with the file at the start of
// each operation (SettingsOperation) and parsed again when the file changed.
// The registration file is read, and the profile file read and written,
// through the system's profile service (ReadKeyString, WriteKeyString).
// All of it runs on the window thread only; the registration's worker reads
// no settings.
#include <cstddef>

#include "platform/path_forms.h"
#include "settings/key_vocabulary.h"
#include "settings/profile_snapshot.h"

static_assert(kPathCapacity == kSystemPathCapacity, "a path of the system fits a path buffer");

// Full path of the settings file; empty until BuildSettingsPath, or when
// the program directory is unknown or too long for it.
extern char SettingsPath[kPathCapacity];

// True when SettingsPath is a settings file for the display language.
extern bool SettingsForDisplayLanguage;

// Stores the settings file's path in SettingsPath: the program directory
// followed by "VelInst.LLLL.ini" for the display language id in four hex
// digits, else "VelInst.PP.ini" for its primary language in two, when the
// disc has such a file; else "VelInst.ini". Returns 1, or 0 (SettingsPath
// left empty) when there is no program directory or the path would not fit.
int BuildSettingsPath();

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

// The key of the section in the snapshot's file into dest, whose current
// text is the default, at most capacity - 1 characters, by the rules of
// ReadKeyString. Returns the count stored.
int ReadSnapshotString(const ProfileSnapshot &snapshot, int keyId, char *dest, int capacity,
                       const char *section);
// The key's value as a whole number, by the rules of ReadKeyInt.
unsigned ReadSnapshotInt(const ProfileSnapshot &snapshot, int keyId, unsigned defaultValue,
                         const char *section);

// What ReadSetting does once the compiler has checked the destination.
int ReadSettingText(const VocabularyKey &row, char *dest);

// The row's value in the settings file into dest, a buffer of the row's
// capacity whose current text is the default. Returns the count stored.
template <int Capacity, std::size_t Size>
int ReadSetting(const Setting<Capacity> &row, char (&dest)[Size]) {
  static_assert(Capacity > 0 && Size == Capacity, "the destination is of the row's capacity");
  return ReadSettingText(row, dest);
}

// The row's value in the settings file as a whole number, or defaultValue
// when it is absent or empty.
unsigned ReadSettingInt(const Setting<kWholeNumber> &row, unsigned defaultValue);

// The row's value in another file of the format (the registration file),
// through the system's profile service.
template <int Capacity, std::size_t Size>
int ReadSetting(const Setting<Capacity> &row, char (&dest)[Size], const char *filePath);

// Reads the key into dest, whose current text is the default, through the
// system's profile service. Returns the count stored. An empty file path is
// the absent case.
int ReadKeyString(int keyId, char *dest, int capacity, const char *filePath,
                  const char *section);

// Stores value under the key, creating file, section and key as needed; the
// value reads back exactly, quotes around it included.
void WriteKeyString(int keyId, const char *value, const char *filePath,
                    const char *section);

// The key's value as a whole number, or defaultValue when it is absent.
unsigned ReadKeyInt(int keyId, unsigned defaultValue, const char *filePath,
                    const char *section);

template <int Capacity, std::size_t Size>
int ReadSetting(const Setting<Capacity> &row, char (&dest)[Size], const char *filePath) {
  static_assert(Capacity > 0 && Size == Capacity, "the destination is of the row's capacity");
  return ReadKeyString(row.keyId, dest, Capacity, filePath, row.section);
}

// The form of a system path that the program's texts can name it by: the
// long form, else the short (8.3) one; empty when the ANSI code page
// expresses neither exactly, and the location is then unusable. Returns the
// length stored.
int UsablePath(const PathForms &forms, char *dest, int capacity);

// The program's directory with its trailing "\" or ":", from the usable form
// of the program's path; empty when that is empty or has neither separator.
// Returns the length stored.
int GetProgramDirectory(char *dest, int capacity);

// Program directory followed by the row's value into dest. Returns
// 0 and leaves dest empty when the value is empty, there is no program
// directory or the whole path would not fit.
int BuildDiscPath(const Setting<kPathCapacity> &row, char (&dest)[kPathCapacity]);
