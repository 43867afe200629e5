#pragma once
#include "platform/window_handle.h"

// Commands 3046 and 3095: the print set-up dialog on the run-wide settings.
int ShowPrintSetup(WindowHandle owner);
