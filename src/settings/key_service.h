#pragma once
// Keys of the other files of the settings format, read and written through
// the system's profile service: the product's registration file, and the
// customer's profile, which the launcher also writes. Every key is named by a
// key id whose string-table text is the key's name; the destination's
// current text is the default when a key is absent, and an empty file path is
// the absent case.
#include <cstddef>

#include "settings/key_vocabulary.h"

// Reads the key into dest, at most capacity - 1 characters. Returns the
// count stored.
int ReadKeyString(int keyId, char *dest, int capacity, const char *filePath,
                  const char *section);

// The row's value (of the registration file) into dest, a buffer of the
// row's capacity. Returns the count stored.
template <int Capacity, std::size_t Size>
int ReadSetting(const Setting<Capacity> &row, char (&dest)[Size], const char *filePath) {
  static_assert(Size == Capacity, "the destination is of the row's capacity");
  return ReadKeyString(row.keyId, dest, Capacity, filePath, row.section);
}

// The key's value as a whole number, or defaultValue when it is absent.
unsigned ReadKeyInt(int keyId, unsigned defaultValue, const char *filePath,
                    const char *section);

// Stores value under the key, creating file, section and key as needed; the
// value reads back exactly, quotes around it included.
void WriteKeyString(int keyId, const char *value, const char *filePath, const char *section);

// What a read of an absent key leaves in dest, as the profile service
// leaves it: the default without its trailing blanks, cut to capacity - 1.
// Returns its length.
int KeepDefault(char *dest, int capacity);
