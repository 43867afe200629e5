#pragma once
// Trimming of form texts. Only the space character counts; tabs and other
// characters stay.

// Removes leading spaces in place. Returns 1 if it removed any, else 0.
int TrimLeft(char *text);

// Removes trailing spaces in place. Returns 1 if it removed any, else 0.
int TrimRight(char *text);

// TrimLeft, then TrimRight; returns the remaining length. 0 means the field
// counts as missing.
int TrimSpaces(char *text);
