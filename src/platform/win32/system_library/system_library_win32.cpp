#include "system_library_win32.h"

#include "text/bounded.h"

HMODULE LoadSystemLibrary(const char *fileName) {
  char path[MAX_PATH];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  AppendText(path, MAX_PATH, "\\");
  // A name cut short would name another file.
  if (!FitsIn(MAX_PATH - static_cast<int>(length) - 1, fileName)) return nullptr;
  AppendText(path, MAX_PATH, fileName);
  return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
