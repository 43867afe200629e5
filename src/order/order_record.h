#pragma once
// The Order record: one order, priced afresh for every recalculation and
// every print, and gone when that is done.
#include "order/order_keys.h"

struct Order {
  double unitPrices[kProductSlots];
  int quantities[kProductSlots];
  double lineTotals[kProductSlots];
  char paymentMethod[kPaymentTextCapacity];  // the selected option of the payment group
  char cardNumber[kPaymentTextCapacity];
  char expiration[kPaymentTextCapacity];
  double subtotal;
  double tax;
  double shipping;
  double total;  // shipping + subtotal + tax
};
