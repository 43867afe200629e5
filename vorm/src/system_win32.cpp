// Services that not every supported Windows has (per-monitor DPI came with
// Windows 8.1 and 10) or that live outside the DLLs the engine imports
// (theming): each is found at run time, with a fallback when it is missing.
#include "engine_win32.h"

#include <uxtheme.h>

#include "system_library_win32.h"

// The structures the engine hands to Windows, in the 32-bit release: each
// has its documented 32-bit size, since Windows refuses one it does not
// expect (the metrics' size includes the padded border of Windows Vista on).
#if defined(__i386__)
static_assert(sizeof(NONCLIENTMETRICSA) == 344 && sizeof(HIGHCONTRASTA) == 12 &&
                  sizeof(MONITORINFO) == 40 && sizeof(WNDCLASSEXA) == 48 && sizeof(BITMAP) == 24,
              "the 32-bit structures have their documented sizes");
#endif

namespace {

using GetDpiForMonitorFunction = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
using AdjustForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
// The system's own declaration where the headers have it for the oldest
// Windows supported: its calling convention cannot be mistyped.
using SetWindowThemeFunction = decltype(&SetWindowTheme);

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
      FindFunction<GetDpiForMonitorFunction>(LoadSystemLibrary("shcore.dll"), "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpi != nullptr && monitor != nullptr && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) &&
      y > 0)
    return static_cast<int>(y);
  return SystemDpi();
}

SIZE FrameSize(DWORD style, DWORD exStyle, int dpi) {
  static AdjustForDpiFunction adjust =
      FindFunction<AdjustForDpiFunction>(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi");
  RECT frame = {0, 0, 0, 0};
  if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void DrawWithoutTheme(HWND control) {
  static SetWindowThemeFunction setTheme =
      FindFunction<SetWindowThemeFunction>(LoadSystemLibrary("uxtheme.dll"), "SetWindowTheme");
  if (setTheme != nullptr) setTheme(control, L"", L"");
}

namespace {
unsigned FromColorRef(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
}  // namespace

vorm::Palette SystemPalette() {
  vorm::Palette palette;
  HIGHCONTRASTA contrast;
  ZeroMemory(&contrast, sizeof contrast);
  contrast.cbSize = sizeof contrast;
  palette.highContrast =
      SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  palette.face = FromColorRef(GetSysColor(COLOR_BTNFACE));
  palette.text = FromColorRef(GetSysColor(COLOR_BTNTEXT));
  return palette;
}
