#include "printing/print_setup.h"

PrintSettings RunPrintSettings = {};

void ForgetPrinterChoice(PrintSettings &settings) {
  ReleasePrintBlock(settings.deviceMode);
  ReleasePrintBlock(settings.deviceNames);
  settings.deviceMode = nullptr;
  settings.deviceNames = nullptr;
}

int ShowPrintSetup(PrintSettings &settings, WindowHandle owner) {
  settings.owner = owner;
  settings.flags = kPrintDialogSetup;
  int result = ShowPrintDialog(settings);
  // The printer chosen earlier has gone (or been replaced by one of the same
  // name): the dialog refuses the stored choice, so it opens afresh.
  if (result == 0 && (settings.error == kPrintErrorPrinterNotFound ||
                      settings.error == kPrintErrorNamesModeMismatch)) {
    ForgetPrinterChoice(settings);
    result = ShowPrintDialog(settings);
  }
  // The choice names its printer only: marked as the system's default, it
  // would be refused once the customer makes another printer the default.
  if (result != 0) ClearDefaultPrinterMark(settings.deviceNames);
  return result;
}
