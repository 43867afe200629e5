// minimal_window: the smallest Win32 program that shows a window, built by
// the same toolchain as the launcher; tools/bench starts it beside the
// launcher as the baseline of start-up time and working set.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MinimalBenchWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("MinimalBenchWindow", "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 320,
                              200, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
