#include <windows.h>

#include "shell/backdrop_events.h"
#include "shell/backdrop_window_win32.h"

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

}  // namespace

// The one entry point: every road out of the program returns 0.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!RegisterBackdropClass(instance)) return 0;
  HWND backdrop = CreateBackdropWindow(instance);
  if (backdrop == nullptr) return 0;
  ShowWindow(backdrop, SW_SHOW);
  RaiseOwnedForms(backdrop);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
