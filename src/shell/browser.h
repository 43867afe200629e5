#pragma once
// Opening web pages in the program the system has registered for ".htm".
#include "settings/key_vocabulary.h"

// Opens the row's [General] address. Returns OpenInBrowser's result.
int OpenSettingsUrl(const Setting<kPathCapacity> &row);

// Starts the ".htm" program with the address. Nonzero when it was started.
int OpenInBrowser(const char *address);

// Cuts an open command after the program's path: at the closing double quote
// when it starts with one (the opening quote stays), else at the first space.
void CutProgramPath(const char *openCommand, char *dest, int capacity);

// The folder of a cut program path: the text before its last "\" or ":"
// (searched from the last character down to the second); the whole text when
// there is neither.
void ProgramFolderOf(const char *programPath, char *dest, int capacity);
