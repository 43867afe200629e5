#pragma once
#include "platform/window_handle.h"

// Message box styles, with the values of the Win32 MB_ flags.
enum MessageBoxStyle : unsigned {
  kMessageBoxOk = 0x0,
  kMessageBoxWarning = 0x30,  // exclamation icon
};

// Shows a modal message box and returns when the customer closes it.
void ShowMessageBox(WindowHandle owner, const char *text, const char *caption,
                    unsigned style);
