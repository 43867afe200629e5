#include <windows.h>

#include "platform/folder_access.h"

bool CanCreateFilesIn(const char *folder) {
  if (folder == nullptr || folder[0] == '\0') return false;
  // A file of a fresh name is created and removed at once. Some
  // implementations report the name although the file could not be created:
  // only a file that is there counts.
  char probe[MAX_PATH];
  if (GetTempFileNameA(folder, "vel", 0, probe) == 0) return false;
  if (GetFileAttributesA(probe) == INVALID_FILE_ATTRIBUTES) return false;
  DeleteFileA(probe);
  return true;
}
