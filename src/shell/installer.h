#pragma once
#include "platform/window_handle.h"

// Starts the product's installer named by [General] "Installer" through the
// shell; from the screens (an owner window), watched when the disc steps
// aside for it or shows the product's state (shell/step_aside.h). Returns 0
// when none is configured (or its path would not fit, or a watched program
// still runs), otherwise the shell's result (greater than 32 when it
// started).
long long LaunchInstaller(WindowHandle owner);
