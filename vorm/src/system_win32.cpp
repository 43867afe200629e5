// Services that not every supported Windows has (per-monitor DPI came with
// Windows 8.1 and 10) or that live outside the DLLs the engine imports
// (theming): each is found at run time, with a fallback when it is missing.
#include <string>

#include "engine_win32.h"

namespace {

template <typename Function>
Function Find(HMODULE module, const char *name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A library of the system directory, loaded once; null when it is missing.
HMODULE SystemLibrary(const char *fileName) {
  char directory[MAX_PATH];
  UINT length = GetSystemDirectoryA(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::string path = std::string(directory, length) + "\\" + fileName;
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

using GetDpiForMonitorFunction = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
using AdjustForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
using SetWindowThemeFunction = HRESULT(WINAPI *)(HWND, const wchar_t *, const wchar_t *);

const int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int MonitorDpi(HMONITOR monitor) {
  static GetDpiForMonitorFunction getDpi =
      Find<GetDpiForMonitorFunction>(SystemLibrary("shcore.dll"), "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpi != nullptr && monitor != nullptr && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) &&
      y > 0)
    return static_cast<int>(y);
  return SystemDpi();
}

SIZE FrameSize(DWORD style, DWORD exStyle, int dpi) {
  static AdjustForDpiFunction adjust =
      Find<AdjustForDpiFunction>(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi");
  RECT frame = {0, 0, 0, 0};
  if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void DrawWithoutTheme(HWND control) {
  static SetWindowThemeFunction setTheme =
      Find<SetWindowThemeFunction>(SystemLibrary("uxtheme.dll"), "SetWindowTheme");
  if (setTheme != nullptr) setTheme(control, L"", L"");
}
