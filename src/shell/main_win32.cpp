#include <windows.h>

#include "shell/backdrop_window_win32.h"

// The one entry point: every road out of the program returns 0.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!RegisterBackdropClass(instance)) return 0;
  HWND backdrop = CreateBackdropWindow(instance);
  if (backdrop == nullptr) return 0;
  ShowWindow(backdrop, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
