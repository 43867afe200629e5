#pragma once
// Texts as the system keeps them, in wide letters, some of which the
// program's ANSI code page may lack (a folder named in Cyrillic on a Western
// Windows). The launcher carries them as UTF-8, which holds every letter,
// and turns them into its ANSI texts only where it names a file by them:
// a path then in the form that names it exactly (path_forms.h).
#include "platform/path_forms.h"

// The ANSI forms of the path the UTF-8 text names; both empty when the text
// is not UTF-8.
PathForms FormsOfSystemPath(const char *path);

// The UTF-8 text in the ANSI code page into dest. False, with dest empty,
// when the code page lacks one of its letters or it does not fit.
bool SystemTextToAnsi(const char *text, char *dest, int capacity);

// The ANSI text as UTF-8 into dest. False, with dest empty, when it does not
// fit.
bool SystemTextFromAnsi(const char *text, char *dest, int capacity);
