#include "registration/printed_registration.h"

// Not built yet: the command does nothing.
int PrintRegistration(WindowHandle) { return 0; }
