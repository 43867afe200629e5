#include "printing/print_setup.h"

PrintSettings RunPrintSettings = {};

int ShowPrintSetup(PrintSettings &settings, WindowHandle owner) {
  settings.owner = owner;
  settings.flags = kPrintDialogSetup;
  return ShowPrintDialog(settings);
}
