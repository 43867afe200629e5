#pragma once
// The program's own windows taken out of reach while a command waits on a
// message box, a dialog or the vendor's server: a click on a form window
// would bring it above the box, where the box waits unseen.
#include "platform/window_handle.h"

// More form windows than this never exist at once (the engine shows one, and
// a second only while it replaces the first).
constexpr int kMostDisabledWindows = 8;

struct DisabledWindows {
  WindowHandle windows[kMostDisabledWindows];
  int count;
};

// Disables every enabled top-level window of the class that belongs to the
// calling thread, and returns them.
DisabledWindows DisableThreadWindows(const char *windowClass);

// Enables again each of the windows that still exists.
void EnableWindowsAgain(const DisabledWindows &disabled);
