#include <windows.h>

#include <vector>

#include "platform/program_windows.h"

namespace {

// Backdrop first, then its windows in the desktop's order.
std::vector<HWND> g_hidden;

BOOL CALLBACK CollectShownOwned(HWND window, LPARAM backdrop) {
  if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(backdrop) && IsWindowVisible(window))
    g_hidden.push_back(window);
  return TRUE;
}

}  // namespace

void HideProgramWindows(WindowHandle backdrop) {
  g_hidden.assign(1, backdrop);
  // Only the windows that are shown: the system's own windows owned by the
  // backdrop (the input method's) stay as they are.
  EnumWindows(CollectShownOwned, reinterpret_cast<LPARAM>(backdrop));
  for (auto window = g_hidden.rbegin(); window != g_hidden.rend(); ++window)
    ShowWindow(*window, SW_HIDE);
}

void ShowProgramWindowsAgain() {
  // Not every window system stacks owned windows above their owner when
  // the owner is shown last: the owner goes first.
  HWND front = nullptr;
  for (HWND window : g_hidden) {
    if (!IsWindow(window)) continue;
    ShowWindow(window, SW_SHOW);
    front = window;
  }
  g_hidden.clear();
  if (front != nullptr) SetForegroundWindow(front);
}
