#pragma once
// The product's programs and the disc's documents are started at the
// customer's request: when one cannot be, the customer is told which.
#include "platform/window_handle.h"

// After the shell tried to open `what` with `result` (ShellStart): a warning
// owned by `owner` that names it, unless it started (a result above 32) or
// the customer declined the administrator's consent it asked for.
void ReportFailedLaunch(WindowHandle owner, long long result, const char *what);
