#include "order/order_pricing.h"

#include "customer/trim.h"
#include "customer/validation.h"
#include "order/decimal.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "text/bounded.h"
#include "vorm.h"

namespace {

constexpr int kPaymentGroup = 1;  // the order form's radio group of payment methods

void ReadField(const char *name, char *dest, int capacity) {
  CopyText(dest, capacity, "");  // a field the form lacks reads as empty
  VORM_GetEditText(name, dest, capacity);
}

ShippingRegion RegionOf(const CustomerRecord &buyer) {
  char usa[kCountryCodeCapacity] = "";
  char canada[kCountryCodeCapacity] = "";
  ReadSetting(kCountryCodeUsa, usa);
  ReadSetting(kCountryCodeCanada, canada);
  if (EqualsIgnoringCase(buyer.country, usa)) return kShippingUsa;
  if (EqualsIgnoringCase(buyer.country, canada)) return kShippingCanada;
  return kShippingOther;
}

}  // namespace

void ReadUnitPrices(Order &order) {
  char value[kValueCapacity] = "";
  for (int slot = 0; slot < kProductSlots; ++slot) {
    ReadSetting(kUnitPriceKeys[slot], value);
    order.unitPrices[slot] = ParseDecimal(value);
  }
}

void ReadOrderForm(Order &order) {
  char name[kValueCapacity] = "";
  char text[kQuantityTextCapacity];
  for (int slot = 0; slot < kProductSlots; ++slot) {
    ReadSetting(kOrderFormKeys[kQuantityFieldRows + slot], name);
    ReadField(name, text, kQuantityTextCapacity);
    order.quantities[slot] = ParseWholeNumber(text);
  }
  CopyText(order.paymentMethod, kPaymentTextCapacity, "");
  VORM_RadioButton_GetCheck(kPaymentGroup, order.paymentMethod, kPaymentTextCapacity);
  ReadSetting(kOrderFormKeys[kCardNumberFieldRow], name);
  ReadField(name, order.cardNumber, kPaymentTextCapacity);
  ReadSetting(kOrderFormKeys[kExpirationFieldRow], name);
  ReadField(name, order.expiration, kPaymentTextCapacity);
}

void ComputeOrderTotals(Order &order, const CustomerRecord &buyer) {
  for (int slot = 0; slot < kProductSlots; ++slot)
    order.lineTotals[slot] = static_cast<double>(order.quantities[slot]) * order.unitPrices[slot];
  // From the last slot to the first, in exactly this order: the sum of
  // doubles depends on it.
  double subtotal = order.lineTotals[kProductSlots - 1];
  for (int slot = kProductSlots - 2; slot >= 0; --slot) subtotal += order.lineTotals[slot];
  order.subtotal = subtotal;

  char taxState[kTaxStateCapacity] = "";
  ReadSetting(kGeneralTaxState, taxState);
  order.tax = EqualsIgnoringCase(buyer.state, taxState) ? order.subtotal * kSalesTaxRate : 0.0;
  const double shipping = ComputeShipping(order, buyer);
  order.total = (shipping + order.subtotal) + order.tax;
}

double ComputeShipping(Order &order, const CustomerRecord &buyer) {
  const ShippingRegion region = RegionOf(buyer);
  char value[kValueCapacity] = "";
  ReadSetting(kShippingPriceKeys[BaseShippingRow(region)], value);
  const double base = ParseDecimal(value);
  ReadSetting(kShippingPriceKeys[UnitShippingRow(region)], value);
  const double perUnit = ParseDecimal(value);
  // Counted in 64 bits: nine quantities of up to 2147483647 each would wrap
  // a 32-bit count into a wrong, even negative, charge.
  long long units = 0;
  for (int quantity : order.quantities) units += quantity;
  const double fewerOne = static_cast<double>(units - 1);
  order.shipping = units == 0 ? 0.0 : fewerOne * perUnit + base;
  return order.shipping;
}

int ValidatePayment(Order &order, char (&warning)[kWarningCapacity]) {
  CopyText(warning, kWarningCapacity, "");
  ReadSetting(kValidateErrorWarning, warning);
  char text[kValueCapacity] = "";
  ReadSetting(kPaymentStringCheck, text);
  if (EqualsIgnoringCase(text, order.paymentMethod)) return 0;

  int result = 0;
  if (TrimSpaces(order.cardNumber) == 0) {
    ReadSetting(kValidateErrorCardNumber, text);
    AppendText(warning, kWarningCapacity, text);
    result = -1;
  }
  if (TrimSpaces(order.expiration) == 0) {
    ReadSetting(kValidateErrorExpiration, text);
    AppendText(warning, kWarningCapacity, text);
    return -2;
  }
  return result;
}

int PriceAndValidateOrder(Order &order, const CustomerRecord &buyer) {
  ReadUnitPrices(order);
  ReadOrderForm(order);
  ComputeOrderTotals(order, buyer);
  char warning[kWarningCapacity];
  if (ValidatePayment(order, warning) < 0) {
    ShowValidationWarning(warning);
    return 0;
  }
  return 1;
}
