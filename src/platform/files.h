#pragma once
// Whether a file or folder is there, without opening it.
bool PathExists(const char *path);
