#pragma once
#include <windows.h>

// Loads a library of the system directory by its file name ("wininet.dll").
// Its own dependencies are looked for beside it, never in the program's
// folder, which is a disc anyone may have written. Null on failure.
HMODULE LoadSystemLibrary(const char *fileName);

// The library's function of that name, or null (also for a null library).
template <typename Function>
Function FindFunction(HMODULE library, const char *name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}
