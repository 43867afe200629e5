// minimal_window: the smallest Win32 program that shows a window, built by
// the same toolchain as the launcher; tools/bench starts it beside the
// launcher as the baseline of start-up time and working set.
//
// Built with BARE_SCREEN (bare_screen.exe, with the launcher's manifest) it
// shows what the launcher shows of the sample disc, and nothing else: a black
// window over the primary monitor and 30 pixels past each edge, and in front
// of it a window of the start screen's size with its ten push buttons and
// seven labels, in the common controls the manifest asks for, painted white. What the
// launcher costs beyond it is its own work: settings, template, engine.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef BARE_SCREEN
constexpr int kOverhang = 30;

HWND ShowScreen(HINSTANCE instance) {
  WNDCLASSA black = {};
  black.lpfnWndProc = DefWindowProcA;
  black.hInstance = instance;
  black.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  black.lpszClassName = "BareBackdrop";
  RegisterClassA(&black);
  HWND backdrop = CreateWindowA("BareBackdrop", "Backdrop", WS_POPUP, -kOverhang, -kOverhang,
                                GetSystemMetrics(SM_CXSCREEN) + 2 * kOverhang,
                                GetSystemMetrics(SM_CYSCREEN) + 2 * kOverhang, nullptr, nullptr,
                                instance, nullptr);
  RECT frame = {0, 0, 560, 424};
  AdjustWindowRect(&frame, WS_CAPTION | WS_SYSMENU, FALSE);
  HWND window = CreateWindowA("MinimalBenchWindow", "Bare", WS_CAPTION | WS_SYSMENU, 232, 172,
                              frame.right - frame.left, frame.bottom - frame.top, backdrop, nullptr,
                              instance, nullptr);
  for (int i = 0; i < 10; ++i)
    CreateWindowA("BUTTON", "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 32, 148 + 26 * i,
                  150, 24, window, nullptr, instance, nullptr);
  for (int i = 0; i < 7; ++i)
    CreateWindowA("STATIC", "A label that says what the button does.", WS_CHILD | WS_VISIBLE,
                  200, 20 + 56 * i, 336, 18, window, nullptr, instance, nullptr);
  ShowWindow(backdrop, SW_SHOW);
  return window;
}
#else
HWND ShowScreen(HINSTANCE instance) {
  return CreateWindowA("MinimalBenchWindow", "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200,
                       nullptr, nullptr, instance, nullptr);
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MinimalBenchWindow";
#ifdef BARE_SCREEN
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
#endif
  RegisterClassA(&windowClass);
  ShowWindow(ShowScreen(instance), SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
