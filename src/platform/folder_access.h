#pragma once
// Whether the program may create files in a folder: a standard user may not
// write into the Windows directory of a system with user account control.

// True when a new file can be created in the folder; the probe leaves
// nothing behind.
bool CanCreateFilesIn(const char *folder);
