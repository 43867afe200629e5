#pragma once
// The printer choice kept for the run and the print set-up dialog.
#include "platform/printer.h"

// The run-wide print settings: no printer chosen at start; the print set-up
// dialog stores the customer's choice here, and every later print job of
// the run uses it. Its blocks are never released during the run.
extern PrintSettings RunPrintSettings;

// Commands 3046 and 3095: shows the print set-up dialog, owned by `owner`,
// on the settings. Returns the dialog's result (non-zero when confirmed).
int ShowPrintSetup(PrintSettings &settings, WindowHandle owner);
