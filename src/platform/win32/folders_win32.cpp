#include <windows.h>
#include <shlobj.h>

#include "platform/folders.h"
#include "text/bounded.h"

int GetWindowsFolder(char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  char folder[MAX_PATH];
  UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || static_cast<int>(length) >= capacity)
    return CopyText(dest, capacity, "");
  return CopyText(dest, capacity, folder);
}

int GetApplicationDataFolder(char *dest, int capacity) {
  if (dest == nullptr || capacity <= 0) return 0;
  char folder[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, folder)) ||
      !FitsIn(capacity, folder))
    return CopyText(dest, capacity, "");
  return CopyText(dest, capacity, folder);
}
