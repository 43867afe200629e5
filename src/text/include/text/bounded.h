#pragma once
// The one set of helpers through which every fixed-size text buffer is
// written: they never write past the capacity and always terminate the text.
// A text longer than its buffer is cut. Each returns the length stored.

#include <cstdarg>

int CopyText(char *dest, int capacity, const char *source);
int AppendText(char *dest, int capacity, const char *source);
int FormatText(char *dest, int capacity, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
int FormatTextV(char *dest, int capacity, const char *format, va_list args);

// True when the whole text fits a buffer of that capacity with its terminator.
bool FitsIn(int capacity, const char *text);

// Byte comparison in which only the letters A-Z and a-z fold to each other.
bool EqualsIgnoringCase(const char *left, const char *right);
