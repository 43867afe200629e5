#pragma once
// The installed product on the screens (product/): its state on the buttons
// of commands 3024 and 3030-3032, and the commands that start, change and
// remove it. A disc whose settings name no uninstall entry shows its buttons
// as its screens have them.
#include "platform/window_handle.h"

// Shows the product's state on the current form: the Install button's
// caption, and which of the Install, Run, Change or Repair and Uninstall
// buttons can be pressed; none of them while a watched program runs.
void ShowProductState();

// Command 3024: the installer, or with the product installed and up to
// date the installed program.
long long InstallOrRun(WindowHandle backdrop);

// Commands 3030, 3031 and 3032. Each returns 0 when there is nothing to
// start, else the shell's result; a launch that fails says so.
long long RunInstalledProduct(WindowHandle backdrop);
long long ModifyInstalledProduct(WindowHandle backdrop);
long long UninstallProduct(WindowHandle backdrop);
