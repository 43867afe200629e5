#include "printing/print_setup.h"

// Not built yet: the command does nothing.
int ShowPrintSetup(WindowHandle) { return 0; }
