#pragma once
// The ANSI forms of a path the system gave in wide letters, and the exact
// ANSI form of any such text.
#include <windows.h>

#include "platform/path_forms.h"

PathForms FormsOfWidePath(const wchar_t *path);

// Converts the wide text into dest (capacity bytes) when the ANSI code page
// has an exact letter for each of its letters; otherwise dest is empty and
// the result false.
bool ToExactAnsi(const wchar_t *wide, char *dest, int capacity);
