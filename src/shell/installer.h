#pragma once
#include "platform/window_handle.h"

// Starts the product's installer named by [General] "Installer" through the
// shell. Returns 0 when none is configured (or its path would not fit),
// otherwise the shell's result (greater than 32 when it started).
long long LaunchInstaller(WindowHandle owner);
