#pragma once
#include <windows.h>

// The common dialog library (the print and Save dialogs), loaded when first
// needed, from the system directory: imported, it and the libraries it needs
// would be loaded at start-up, before the program restricts where libraries
// are looked for, and could come from the disc. Null when it cannot be had.
HMODULE CommonDialogLibrary();
