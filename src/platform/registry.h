#pragma once
// Reading the registry, never writing it: file-type associations under
// HKEY_CLASSES_ROOT and the uninstall entries of installed programs.

// The places a key is read from. The machine's keys exist in two views on
// 64-bit Windows, one for 64-bit and one for 32-bit programs; 32-bit
// Windows has only one, which both names reach.
enum class RegistryRoot { ClassesRoot, Machine64, Machine32, CurrentUser };

// Reads a text value of the key (valueName nullptr: its default value) into
// dest (at most capacity - 1 characters). Returns false when the key or
// value is missing, is not text or does not fit. *expandable, when asked
// for, tells whether the value is stored for expansion: its %NAME% parts
// stand for environment variables.
bool ReadRegistryText(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                      int capacity, bool *expandable = nullptr);

// Reads a text value in the system's wide letters into dest as UTF-8
// (platform/system_text.h), otherwise as ReadRegistryText.
bool ReadRegistrySystemText(RegistryRoot root, const char *subkey, const char *valueName,
                            char *dest, int capacity, bool *expandable = nullptr);

// Reads a number value (REG_DWORD) of the key. False when the key or value
// is missing or the value is no such number.
bool ReadRegistryNumber(RegistryRoot root, const char *subkey, const char *valueName,
                        unsigned long *number);

// The default value of a key under HKEY_CLASSES_ROOT, as ReadRegistryText.
bool ReadClassesRootDefault(const char *subkey, char *dest, int capacity,
                            bool *expandable = nullptr);
