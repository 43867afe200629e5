#include <windows.h>

#include "platform/window_search.h"

bool TopLevelWindowExists(const char *className) {
  return FindWindowExA(nullptr, nullptr, className, nullptr) != nullptr;
}
