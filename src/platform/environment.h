#pragma once
// The program's environment variables.

// Copies text into dest with each %NAME% replaced by the value of the
// environment variable NAME; a name that is not set stays as it is. Returns
// the length stored, or -1 and an empty dest when the result does not fit in
// capacity - 1 characters.
int ExpandEnvironmentText(const char *text, char *dest, int capacity);

// The same for a UTF-8 text (platform/system_text.h): a variable's value may
// hold letters the ANSI code page lacks.
int ExpandSystemText(const char *text, char *dest, int capacity);
