#include <windows.h>
#include <shellapi.h>

#include "platform/shell.h"

long long ShellOpen(WindowHandle owner, const char *path) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, "open", path, nullptr, nullptr, SW_SHOWNORMAL));
}
