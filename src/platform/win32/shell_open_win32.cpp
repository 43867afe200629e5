#include <windows.h>
#include <shellapi.h>

#include "platform/shell_open.h"
#include "platform/win32/apartment_win32.h"
#include "system_library_win32.h"

namespace {

// Loaded at the first launch (the language gate's installer launch comes
// before any window).
HMODULE ShellLibrary() {
  static const HMODULE library = LoadSystemLibrary("shell32.dll");
  return library;
}

// The shell's function of that name, with the apartment its launches need:
// the shell may hand a launch to extensions that need one.
template <typename Function>
Function FindLaunchFunction(const char *name) {
  EnterApartment();
  return FindFunction<Function>(ShellLibrary(), name);
}

}  // namespace

static_assert(kLaunchNoProgram == SE_ERR_NOASSOC &&
                  kLaunchIncompleteProgram == SE_ERR_ASSOCINCOMPLETE,
              "the shell's own results");

long long ShellOpen(WindowHandle owner, const char *path) {
  auto execute = FindLaunchFunction<decltype(&ShellExecuteA)>("ShellExecuteA");
  if (execute == nullptr) return 0;
  return reinterpret_cast<INT_PTR>(execute(owner, "open", path, nullptr, nullptr, SW_SHOWNORMAL));
}

long long ShellOpenAddress(const char *address) {
  return ShellStart(nullptr, address, nullptr, nullptr, nullptr);
}

long long ShellStart(WindowHandle owner, const char *file, const char *parameters,
                     const char *directory, StartedProgram *started) {
  SHELLEXECUTEINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  // The launch is complete when the call returns: the program may end right
  // after it (the language gate) and a watched program's handle is needed.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC |
               (started != nullptr ? SEE_MASK_NOCLOSEPROCESS : 0);
  info.hwnd = owner;
  // The default verb of the file's type: a document's type may have no
  // "open".
  info.lpVerb = nullptr;
  info.lpFile = file;
  info.lpParameters = parameters;
  info.lpDirectory = directory;
  info.nShow = SW_SHOWNORMAL;
  auto execute = FindLaunchFunction<decltype(&ShellExecuteExA)>("ShellExecuteExA");
  const BOOL done = execute != nullptr && execute(&info);
  const bool cancelled = !done && GetLastError() == ERROR_CANCELLED;
  if (started != nullptr)
    *started = done ? reinterpret_cast<StartedProgram>(info.hProcess) : nullptr;
  // hInstApp holds the shell's result of old: above 32 on success, else an
  // SE_ERR_ value; a failure it leaves at 0 is still a failure.
  const long long result = reinterpret_cast<INT_PTR>(info.hInstApp);
  if (cancelled) return kShellCancelled;
  if (!done) return result > 32 ? 0 : result;
  return result > 32 ? result : 33;
}
