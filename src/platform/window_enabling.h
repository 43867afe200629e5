#pragma once
// The program's own windows taken out of reach while a command waits on a
// message box, a dialog or the vendor's server: a click on a form window
// would bring it above the box, where the box waits unseen, and a key typed
// into the field that has the keyboard focus would change what is being sent
// or saved.
#include "platform/window_handle.h"

// More form windows than this never exist at once (the engine shows one, and
// a second only while it replaces the first).
constexpr int kMostDisabledWindows = 8;

struct DisabledWindows {
  WindowHandle windows[kMostDisabledWindows];
  int count;
  WindowHandle focus;   // the control of one of them that had the keyboard focus
  WindowHandle holder;  // the window that holds the focus meanwhile
};

// Disables every enabled top-level window of the class that belongs to the
// calling thread, and returns them; the keyboard focus moves from them to
// `holder` (a disabled window's control keeps the focus and takes the keys).
DisabledWindows DisableThreadWindows(const char *windowClass, WindowHandle holder);

// Enables again each of the windows that still exists, and gives the
// keyboard focus back to the control that had it, unless the command brought
// another window to the front.
void EnableWindowsAgain(const DisabledWindows &disabled);
