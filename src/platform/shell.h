#pragma once
#include "platform/window_handle.h"

// Opens a file through the shell's "open" verb. Returns the shell's result:
// greater than 32 when it started something.
long long ShellOpen(WindowHandle owner, const char *path);

// Opens a web address with the shell's "open" verb in the program chosen for
// its protocol, showing no message when there is none. True when one started.
bool ShellOpenAddress(const char *address);
