#pragma once
// Opening web pages in the program the system has registered for ".htm".
#include "settings/key_vocabulary.h"

// Opens the row's [General] address. Returns OpenInBrowser's result.
bool OpenSettingsUrl(const Setting<kPathCapacity> &row);

// Opens the address in the customer's browser: an http:// or https:// one
// through the shell, which follows the browser the customer chose; any other,
// or one the shell cannot open, with the ".htm" program. True when a program
// was started; a failure shows nothing.
bool OpenInBrowser(const char *address);

// The folder of a program's path: the text before its last "\" or ":"
// from the second character on (the second byte of a double-byte letter is
// neither); the whole text when there is neither.
void ProgramFolderOf(const char *programPath, char *dest, int capacity);
