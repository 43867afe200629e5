#pragma once
// The private-profile (INI) file service. Section and key names match
// without regard to letter case; a missing file or section is the absent case.

// Looks the key up in the file. When it is absent, defaultText stands with its
// trailing blanks removed. Either way at most capacity - 1 characters are
// stored and terminated; returns the count stored.
int ProfileReadString(const char *file, const char *section, const char *key,
                      const char *defaultText, char *dest, int capacity);

// Stores value under the key, creating the file, the section and the key as
// needed and keeping the file's other lines. Returns false when it cannot.
bool ProfileWriteString(const char *file, const char *section, const char *key,
                        const char *value);

// The key's value read as a whole number, or defaultValue when it is absent.
unsigned ProfileReadInt(const char *file, const char *section, const char *key,
                        unsigned defaultValue);
