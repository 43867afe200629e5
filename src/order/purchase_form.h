#pragma once
#include "platform/window_handle.h"

// Command 3094: prices the order afresh and prints the purchase form.
int PrintPurchase(WindowHandle owner);
