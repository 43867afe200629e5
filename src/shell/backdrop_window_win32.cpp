#include <windows.h>

#include "forms/form_engine.h"
#include "platform/strings.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/settings_path.h"
#include "shell/backdrop_area.h"
#include "shell/backdrop_events.h"
#include "shell/backdrop_window_win32.h"
#include "shell/language_gate.h"

const char kBackdropClassName[] = "VelmoraInstaller";

namespace {
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 500;

void PaintBlack(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
  HGDIOBJ previous = SelectObject(dc, black);
  Rectangle(dc, client.left, client.top, client.right + 40, client.bottom + 40);
  SelectObject(dc, previous);
  DeleteObject(black);
  EndPaint(window, &paint);
}

// The monitors of the desktop, the primary one apart.
struct Monitors {
  ScreenArea primary;
  ScreenArea others[16];
  int otherCount;
};

ScreenArea AreaOf(const RECT &rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM parameter) {
  Monitors &monitors = *reinterpret_cast<Monitors *>(parameter);
  MONITORINFO monitor;
  ZeroMemory(&monitor, sizeof monitor);
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(handle, &monitor)) return TRUE;
  if (monitor.dwFlags & MONITORINFOF_PRIMARY)
    monitors.primary = AreaOf(monitor.rcMonitor);
  else if (monitors.otherCount < 16)
    monitors.others[monitors.otherCount++] = AreaOf(monitor.rcMonitor);
  return TRUE;
}

// The whole primary monitor, and the overhang past its edges where no other
// monitor lies. The monitor's own rectangle, not the "full screen" metrics,
// which leave out the taskbar (on any side) and are scaled for programs that
// are not DPI-aware.
RECT CoveredArea() {
  Monitors monitors = {};
  monitors.primary = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  const ScreenArea area = BackdropArea(monitors.primary, monitors.others, monitors.otherCount);
  return RECT{area.left, area.top, area.right, area.bottom};
}

// The shell's question before AutoPlay starts for an inserted disc, sent
// to the foreground window: the backdrop, or a form window, which hands it
// on to the backdrop.
UINT QueryCancelAutoPlayMessage() {
  static const UINT message = RegisterWindowMessageA("QueryCancelAutoPlay");
  return message;
}

}  // namespace

int RegisterBackdropClass(HINSTANCE instance) {
  WNDCLASSA windowClass;
  ZeroMemory(&windowClass, sizeof windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = BackdropWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VELINST));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = CreateSolidBrush(RGB(0, 0, 0));
  windowClass.lpszClassName = kBackdropClassName;
  if (RegisterClassA(&windowClass) == 0) return 0;
  return VORM_Init(nullptr);
}

HWND CreateBackdropWindow(HINSTANCE instance) {
  const RECT area = CoveredArea();
  BuildSettingsPath();
  if (LanguageGateStartsInstaller()) return nullptr;
  char title[kValueCapacity];
  LoadText(TEXT_TITLE, title, kValueCapacity);
  return CreateWindowExA(0, kBackdropClassName, title, WS_POPUP | WS_VISIBLE, area.left,
                         area.top, area.right - area.left, area.bottom - area.top, nullptr,
                         nullptr, instance, nullptr);
}

LRESULT CALLBACK BackdropWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == QueryCancelAutoPlayMessage() && message != 0) return CancelsAutoPlay() ? 1 : 0;
  switch (message) {
    case WM_CREATE:
      // Also when the customer started the launcher with more rights than
      // the shell has.
      ChangeWindowMessageFilterEx(window, QueryCancelAutoPlayMessage(), MSGFLT_ALLOW, nullptr);
      // The timer starts once the start screen is open: a start screen the
      // engine cannot use is reported in a modal warning, whose message loop
      // would otherwise run a tick that finds no form and ends the run
      // under the author's eyes. After the warning, the first tick ends it.
      OpenStartupTemplate(window);
      SetTimer(window, kTickTimer, kTickMilliseconds, nullptr);
      SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
      break;
    case WM_PAINT:
      PaintBlack(window);
      return 0;
    case WM_DISPLAYCHANGE: {
      // A new resolution, or a monitor added or taken away: the primary
      // monitor is covered again, behind the forms.
      const RECT area = CoveredArea();
      SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case WM_CLOSE:
      PostQuitMessage(0);
      break;
    case WM_COMMAND:
      OnBackdropCommand(window, LOWORD(wParam));
      break;
    case WM_MOUSEACTIVATE:
      // A click on the backdrop while a command waits would bring it above
      // the command's box, which a box without owner (the validation
      // warning) does not survive: the click is dropped then.
      if (IsCarryingOutCommand()) return MA_NOACTIVATEANDEAT;
      break;
    case WM_TIMER:
      if (wParam == kTickTimer && !OnTimerTick()) {
        KillTimer(window, kTickTimer);
        PostQuitMessage(0);
      }
      break;
    case MSG_TEMPLATE_OPENED:
      OnTemplateOpened(reinterpret_cast<const char *>(wParam));
      break;
    case MSG_FIELD_CHANGED:
      OnFieldChanged();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
