#pragma once
// Values of the registry as installers store them: texts in the system's
// wide letters, carried as UTF-8 (platform/system_text.h), and folders named
// through environment variables (%ProgramFiles%).
#include "platform/registry.h"

// Reads the text value as UTF-8 into dest, expanded when it is stored for
// expansion. In a value of the machine's 64-bit keys, %ProgramFiles% and
// %CommonProgramFiles% name the 64-bit folders, also for this 32-bit program,
// whose own variables name the 32-bit ones. False when the value is missing,
// is not text or does not fit once expanded.
bool ReadSystemValue(RegistryRoot root, const char *subkey, const char *valueName, char *dest,
                     int capacity);

// The ANSI form of a path given in UTF-8 that names the file exactly, else
// its short form; empty when neither is exact (settings/paths.h,
// UsablePath). Returns the length stored.
int UsableSystemPath(const char *path, char *dest, int capacity);
