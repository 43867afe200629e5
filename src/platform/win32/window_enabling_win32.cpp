#include <windows.h>

#include <cstring>

#include "platform/window_enabling.h"

namespace {

struct Search {
  const char *windowClass;
  DisabledWindows *found;
};

BOOL CALLBACK DisableIfOfClass(HWND window, LPARAM parameter) {
  Search &search = *reinterpret_cast<Search *>(parameter);
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (strcmp(name, search.windowClass) != 0 || !IsWindowEnabled(window)) return TRUE;
  if (search.found->count == kMostDisabledWindows) return FALSE;
  EnableWindow(window, FALSE);
  search.found->windows[search.found->count++] = window;
  return TRUE;
}

}  // namespace

DisabledWindows DisableThreadWindows(const char *windowClass, WindowHandle holder) {
  DisabledWindows disabled = {};
  Search search = {windowClass, &disabled};
  EnumThreadWindows(GetCurrentThreadId(), DisableIfOfClass, reinterpret_cast<LPARAM>(&search));
  HWND focus = GetFocus();
  HWND root = focus != nullptr ? GetAncestor(focus, GA_ROOT) : nullptr;
  for (int i = 0; i < disabled.count; ++i) {
    if (root != disabled.windows[i]) continue;
    disabled.focus = focus;
    disabled.holder = holder;
    SetFocus(holder);
  }
  return disabled;
}

void EnableWindowsAgain(const DisabledWindows &disabled) {
  // A command may have closed a form (and a new window may since have its
  // handle, if it is not the thread's): only the thread's windows are enabled.
  for (int i = 0; i < disabled.count; ++i) {
    HWND window = disabled.windows[i];
    if (IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
      EnableWindow(window, TRUE);
  }
  // The holder has the activation back when the command's box or dialog
  // closed, or kept it all along; a form the command opened, another program
  // or one of the customer's windows in front keeps it.
  HWND focus = disabled.focus;
  if (focus == nullptr || !IsWindow(focus) || !IsWindowVisible(focus)) return;
  HWND active = GetActiveWindow();
  if (active != disabled.holder && active != GetAncestor(focus, GA_ROOT)) return;
  if (GetFocus() != focus) SetFocus(focus);
}
