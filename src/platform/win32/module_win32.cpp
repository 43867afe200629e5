#include <windows.h>

#include "platform/module.h"
#include "platform/win32/path_forms_win32.h"

PathForms GetProgramFileForms() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  // A path cut by the buffer is no path: nothing built from it could be found.
  if (length == 0 || length >= MAX_PATH) return PathForms{};
  return FormsOfWidePath(path);
}
