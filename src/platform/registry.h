#pragma once
// File-type associations under HKEY_CLASSES_ROOT, read-only.

// Reads the default (unnamed) value of the key into dest (at most
// capacity - 1 characters). Returns false when the key or value is missing.
bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity);
