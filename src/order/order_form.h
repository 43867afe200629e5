#pragma once
// The order form: opening it after the buyer check, and the live pricing
// written back into it while the customer types.
#include "customer/customer_record.h"
#include "order/order_record.h"
#include "platform/window_handle.h"

// Command 3084: checks the buyer form into the buyer record, then opens the
// [General] "Orderform Dtp" template as the start-up template is opened.
// Nothing opens when the check fails (it has shown its warning). Returns 1.
int OpenOrderForm(WindowHandle owner);

// Reprices the open order form for the buyer and writes the line prices and
// sums back into it; no payment check, no message. Returns 1.
int RecalculateOrderForm(const CustomerRecord &buyer);

// Writes the line prices (a zero line empty, a negative or not-a-number one
// left as it is) and the four sums into the order form.
void WriteOrderForm(const Order &order);
