#include <windows.h>

#include "platform/folders.h"
#include "platform/win32/path_forms_win32.h"

PathForms GetSystemFolderForms() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return PathForms{};
  return FormsOfWidePath(folder);
}
