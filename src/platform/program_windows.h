#pragma once
// Stepping aside: the launcher's windows hidden while another program has
// the screen, and shown again afterwards.
#include "platform/window_handle.h"

// Hides the backdrop and the shown windows it owns (the form windows).
void HideProgramWindows(WindowHandle backdrop);

// Shows again what HideProgramWindows hid and is still there, the backdrop
// first, and brings the last of them (the current form) to the front.
void ShowProgramWindowsAgain();
