#pragma once
// The product's own commands: its program started, and its change or repair
// and uninstall programs started and watched (watched_programs.h).
#include "platform/window_handle.h"
#include "product/installed_product.h"

// What a command started, for the backdrop to report a launch that failed.
struct ProductLaunch {
  long long result;             // the shell's (ShellStart); 0 when nothing was tried
  char program[kPathCapacity];  // what was tried; empty when nothing was
};

// The product's program, in its own folder as a shortcut to it would start
// it. Nothing is tried when none is known.
ProductLaunch StartProduct(WindowHandle owner);

// Change or Repair, and Uninstall: nothing is tried when the entry gives
// nothing to start, or while a watched program runs. After Uninstall the
// product's entry is watched too.
ProductLaunch StartProductChange(WindowHandle owner);
ProductLaunch StartProductRemoval(WindowHandle owner);
