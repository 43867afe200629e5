#pragma once
// The running program's own file.

// Full path of the program's file, cut to capacity - 1; 0 when it is unknown.
int GetProgramFilePath(char *dest, int capacity);
