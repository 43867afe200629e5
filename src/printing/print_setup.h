#pragma once
// The printer choice kept for the run and the print set-up dialog.
#include "platform/printer.h"

// The run-wide print settings: no printer chosen at start; the print set-up
// dialog stores the customer's choice here, and every later print job of
// the run uses it, until its printer can no longer be opened.
extern PrintSettings RunPrintSettings;

// Commands 3046 and 3095: shows the print set-up dialog, owned by `owner`,
// on the settings; afresh when the printer chosen before has gone. Returns
// the dialog's result (non-zero when confirmed).
int ShowPrintSetup(PrintSettings &settings, WindowHandle owner);

// Frees the blocks of a printer choice: no printer is chosen any more.
void ForgetPrinterChoice(PrintSettings &settings);
