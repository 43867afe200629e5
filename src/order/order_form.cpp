#include "order/order_form.h"

#include "customer/form_checks.h"
#include "forms/form_engine.h"
#include "order/decimal.h"
#include "order/order_pricing.h"
#include "resources/texts.h"
#include "settings/paths.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {

constexpr int kAmountTextCapacity = 64;  // an amount written into the form: 63 characters

void WriteAmount(const char *field, double amount) {
  char text[kAmountTextCapacity];
  FormatAmount(amount, false, text, kAmountTextCapacity);
  VORM_SetEditText(field, text);
}

}  // namespace

int OpenOrderForm(WindowHandle owner) {
  if (!CheckBuyerForm(BuyerRecord)) return 1;
  char path[kPathCapacity];
  if (BuildDiscPath(kGeneralOrderFormTemplate, path)) OpenTemplate(owner, path);
  return 1;
}

int RecalculateOrderForm(const CustomerRecord &buyer) {
  Order order = {};
  ReadUnitPrices(order);
  ReadOrderForm(order);
  ComputeOrderTotals(order, buyer);
  WriteOrderForm(order);
  return 1;
}

void WriteOrderForm(const Order &order) {
  char name[kValueCapacity] = "";
  for (int slot = 0; slot < kProductSlots; ++slot) {
    const double line = order.lineTotals[slot];
    if (!(line >= 0.0)) continue;  // negative, or not a number
    ReadSetting(kOrderFormKeys[kLinePriceFieldRows + slot], name);
    if (line == 0.0)
      VORM_SetEditText(name, "");
    else
      WriteAmount(name, line);
  }
  const double sums[] = {order.subtotal, order.tax, order.shipping, order.total};
  for (int i = 0; i < 4; ++i) {
    ReadSetting(kOrderFormKeys[kSumFieldRows + i], name);
    WriteAmount(name, sums[i]);
  }
}
