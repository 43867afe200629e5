#include <windows.h>

#include "platform/files.h"

bool PathExists(const char *path) {
  return path != nullptr && path[0] != '\0' && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}
