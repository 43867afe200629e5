#include <windows.h>
#include <shlobj.h>

#include "platform/folders.h"
#include "platform/win32/path_forms_win32.h"
#include "system_library_win32.h"

// Both folders are asked for in wide letters: the ANSI functions would hand
// back a path with "?" for letters outside the code page.
PathForms GetWindowsFolderForms() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return PathForms{};
  return FormsOfWidePath(folder);
}

PathForms GetApplicationDataFolderForms() {
  // Only a profile the Windows folder cannot hold needs the shell library.
  static const HMODULE shell = LoadSystemLibrary("shell32.dll");
  auto folderPath = FindFunction<decltype(&SHGetFolderPathW)>(shell, "SHGetFolderPathW");
  wchar_t folder[MAX_PATH];
  if (folderPath == nullptr || FAILED(folderPath(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE,
                                                 nullptr, SHGFP_TYPE_CURRENT, folder)))
    return PathForms{};
  return FormsOfWidePath(folder);
}
