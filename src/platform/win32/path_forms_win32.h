#pragma once
// The ANSI forms of a path the system gave in wide letters.
#include <windows.h>

#include "platform/path_forms.h"

PathForms FormsOfWidePath(const wchar_t *path);
