#pragma once
// Paths the launcher names files by: the usable form of a system path, the
// program's directory, and files of the disc named by settings.
#include "platform/path_forms.h"
#include "settings/key_vocabulary.h"

static_assert(kPathCapacity == kSystemPathCapacity, "a path of the system fits a path buffer");

// The form of a system path that the program's texts can name it by: the
// long form, else the short (8.3) one; empty when the ANSI code page
// expresses neither exactly, and the location is then unusable. Returns the
// length stored.
int UsablePath(const PathForms &forms, char *dest, int capacity);

// The program's directory with its trailing "\" or ":", from the usable form
// of the program's path; empty when that is empty or has neither separator.
// Returns the length stored.
int GetProgramDirectory(char *dest, int capacity);

// The program directory joined with the row's value (JoinPath) into dest.
// Returns 0 and leaves dest empty when the value is empty, there is no
// program directory or the whole path would not fit: never a relative path.
int BuildDiscPath(const Setting<kPathCapacity> &row, char (&dest)[kPathCapacity]);
