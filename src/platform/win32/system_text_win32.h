#pragma once
// UTF-8 texts of the launcher and the wide letters of the system.
#include <windows.h>

#include <vector>

// A wide text with its terminator.
using WideText = std::vector<wchar_t>;

// The UTF-8 text in wide letters; false when it is not UTF-8.
bool WideFromUtf8(const char *text, WideText *wide);

// The wide text as UTF-8 into dest; false, with dest empty, when it does not
// fit.
bool Utf8FromWide(const wchar_t *wide, char *dest, int capacity);
