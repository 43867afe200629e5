#pragma once
#include "platform/window_handle.h"

// Opens a file through the shell's "open" verb. Returns the shell's result:
// greater than 32 when it started something.
long long ShellOpen(WindowHandle owner, const char *path);
