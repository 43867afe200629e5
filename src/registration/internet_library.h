#pragma once
// The internet client library: loaded on first use and kept for the rest of
// the run; a failed load is tried again on the next attempt.
#include "platform/internet.h"

// Null until a load succeeds.
extern InternetLibrary InternetLibraryHandle;

// Returns 1 when the library is loaded, 0 when it cannot be. The wait cursor
// shows while it loads, the arrow afterwards.
int LoadInternetLibrary();
