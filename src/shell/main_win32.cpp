#include <windows.h>

#include "platform/autoplay.h"
#include "platform/win32/apartment_win32.h"
#include "shell/backdrop_events.h"
#include "shell/backdrop_window_win32.h"
#include "system_library_win32.h"

namespace {

// The start screen is opened while the backdrop is being created, so it is
// shown before its owner. Windows keeps owned windows above their owner, but
// not every window system restacks them when the owner appears afterwards:
// bring the backdrop's own form windows back on top.
void RaiseOwnedForms(HWND backdrop) {
  HWND form = nullptr;
  while ((form = FindWindowExA(nullptr, form, kTemplateWindowClass, nullptr)) != nullptr) {
    if (GetWindow(form, GW_OWNER) == backdrop)
      SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

// The disc may be a writable copy: a library planted beside the program must
// never be loaded by the system's own components on the program's behalf, so
// they look in the system directory only. VORM2.dll, imported by the program,
// is loaded before this runs. Windows 7 without its loader update lacks the
// function, hence the look-up by name; there the program's folder stays
// searched, but the current directory no longer is.
void RestrictLibrarySearch() {
  auto setDefaultDirectories = FindFunction<decltype(&SetDefaultDllDirectories)>(
      GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefaultDirectories != nullptr && setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
    return;
  SetDllDirectoryA("");
}

// Start-up and the message loop; returns when the run is over.
void RunLauncher(HINSTANCE instance) {
  if (!RegisterBackdropClass(instance)) return;
  HWND backdrop = CreateBackdropWindow(instance);
  if (backdrop == nullptr) return;
  CancelAutoPlayForTheRun();
  ShowWindow(backdrop, SW_SHOW);
  RaiseOwnedForms(backdrop);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

// The one entry point: every road out of the program returns 0.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RestrictLibrarySearch();
  // A disc that is ejected or swapped makes the read at hand fail, instead
  // of a system box asking for the disc.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  RunLauncher(instance);
  // The registration for AutoPlay, then the apartment, if a command entered
  // it (the language gate's installer launch too, before any window).
  StopCancellingAutoPlay();
  LeaveApartment();
  return 0;
}
