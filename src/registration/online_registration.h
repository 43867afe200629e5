#pragma once
#include "platform/window_handle.h"

// Command 3044: reads and checks the registration form, sends it to the
// vendor's web server and tells the customer the outcome.
int RegisterOnline(WindowHandle owner);
