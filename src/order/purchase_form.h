#pragma once
// The printed purchase form: the order on one page, to mail or fax.
#include "customer/customer_record.h"
#include "order/order_record.h"
#include "platform/window_handle.h"
#include "printing/page_layout.h"

// Command 3094: prices the open order form afresh for the buyer record and
// checks its payment; when that passes, prints the purchase form. The form
// on screen is not changed. Returns 1.
int PrintPurchase(WindowHandle owner);

// Prints the priced order and the buyer's billing details as one page; a
// printer that writes a file asks for "Order" with its extension. Returns 1,
// or 0 when no printer could be had, the customer chose no file or the
// document did not start (nothing printed or shown).
int PrintPurchaseForm(WindowHandle owner, const Order &order, const CustomerRecord &buyer);

// The purchase page of the order for the printer's page: the page head, the
// products, the sums, the billing details and the payment block, below the
// billing block on a portrait page, beside it on any other.
void BuildPurchasePage(const Order &order, const CustomerRecord &buyer, const PageUnits &units,
                       Page &page);
