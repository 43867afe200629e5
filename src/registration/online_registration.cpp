#include "registration/online_registration.h"

// Not built yet: the command does nothing.
int RegisterOnline(WindowHandle) { return 0; }
