#pragma once
// Pricing an order: unit prices from the settings file, quantities and
// payment details from the open order form, tax and shipping by the buyer's
// address, and the check of the payment details. Amounts stay unrounded.
#include "customer/customer_record.h"
#include "customer/validation.h"
#include "order/order_record.h"

// The sales tax rate of the taxed state.
constexpr double kSalesTaxRate = 0.0825;

// Fills the nine unit prices from [Unit Price].
void ReadUnitPrices(Order &order);

// Fills the quantities, the payment method, the card number and the
// expiration from the open order form.
void ReadOrderForm(Order &order);

// The line totals, subtotal, tax, shipping and total, in that order.
void ComputeOrderTotals(Order &order, const CustomerRecord &buyer);

// Stores and returns the shipping charge of the buyer's region: nothing for
// an empty order, else the base price and the per-unit price for every
// further unit.
double ComputeShipping(Order &order, const CustomerRecord &buyer);

// 0 when the payment needs no card or its details are there; -1 when the
// card number is missing, -2 when the expiration is (whatever the number).
// The warning (capacity kWarningCapacity) gets the head and the texts of
// what is missing. Trims the card details it examines.
int ValidatePayment(Order &order, char (&warning)[kWarningCapacity]);

// Prices the order from the form and checks its payment. Returns 1, or 0
// after showing the warning when card details are missing.
int PriceAndValidateOrder(Order &order, const CustomerRecord &buyer);
