#pragma once
#include "customer/customer_record.h"
#include "platform/window_handle.h"

// Command 3084: checks the buyer form, then opens the order form.
int OpenOrderForm(WindowHandle owner);

// Reprices the open order form and writes the results back into it.
int RecalculateOrderForm(const CustomerRecord &buyer);
