#pragma once
// Access to the settings file and the other files of its format. Every key
// is named by a key id whose string-table text is the key's name; the
// destination's current text is the default when a key is absent.

#include "platform/path_forms.h"

constexpr int kPathCapacity = 260;
static_assert(kPathCapacity == kSystemPathCapacity, "a path of the system fits a path buffer");
constexpr int kValueCapacity = 256;

// Full path of VelInst.ini; empty until BuildSettingsPath, or when the
// program directory is unknown or too long for it.
extern char SettingsPath[kPathCapacity];

// Stores the program directory followed by "VelInst.ini" in SettingsPath.
// Returns 1, or 0 (SettingsPath left empty) when there is no program
// directory or the path would not fit.
int BuildSettingsPath();

// Reads the key into dest, whose current text is the default. Returns the
// count stored. An empty file path is the absent case.
int ReadKeyString(int keyId, char *dest, int capacity, const char *filePath,
                  const char *section);

// Stores value under the key, creating file, section and key as needed; the
// value reads back exactly, quotes around it included.
void WriteKeyString(int keyId, const char *value, const char *filePath,
                    const char *section);

// The key's value as a whole number, or defaultValue when it is absent.
unsigned ReadKeyInt(int keyId, unsigned defaultValue, const char *filePath,
                    const char *section);

// The form of a system path that the program's texts can name it by: the
// long form, else the short (8.3) one; empty when the ANSI code page
// expresses neither exactly, and the location is then unusable. Returns the
// length stored.
int UsablePath(const PathForms &forms, char *dest, int capacity);

// The program's directory with its trailing "\" or ":", from the usable form
// of the program's path; empty when that is empty or has neither separator.
// Returns the length stored.
int GetProgramDirectory(char *dest, int capacity);

// Program directory followed by the [General] value of keyId into dest
// (capacity kPathCapacity). Returns 0 and leaves dest empty when the value is
// empty, there is no program directory or the whole path would not fit.
int BuildDiscPath(int keyId, char *dest);
