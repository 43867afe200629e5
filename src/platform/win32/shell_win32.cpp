#include <windows.h>
#include <shellapi.h>

#include "platform/shell.h"

long long ShellOpen(WindowHandle owner, const char *path) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, "open", path, nullptr, nullptr, SW_SHOWNORMAL));
}

bool ShellOpenAddress(const char *address) {
  SHELLEXECUTEINFOA launch;
  ZeroMemory(&launch, sizeof launch);
  launch.cbSize = sizeof launch;
  // No box of the system's when it fails (the launch is silent), and the
  // launch is complete when the call returns: the shell may otherwise hand
  // it to a thread of its own that the program's next step cuts short.
  launch.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  launch.lpVerb = "open";
  launch.lpFile = address;
  launch.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&launch) != FALSE;
}
