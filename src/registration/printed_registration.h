#pragma once
#include "platform/window_handle.h"

// Command 3045: prints the registration form to mail or fax.
int PrintRegistration(WindowHandle owner);
