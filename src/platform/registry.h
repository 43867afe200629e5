#pragma once
// File-type associations under HKEY_CLASSES_ROOT, read-only.

// Reads the default (unnamed) value of the key into dest (at most
// capacity - 1 characters). Returns false when the key or value is missing or
// is not text. *expandable, when asked for, tells whether the value is stored
// for expansion: its %NAME% parts stand for environment variables.
bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity,
                            bool *expandable = nullptr);
