#include "order/order_keys.h"

#include "resources/texts.h"
#include "settings/settings.h"

namespace {

// Each group of reads shares one buffer: its first key starts from the text
// the buffer was given, every later one repeats the text before it when absent.
constexpr Setting<kValueCapacity> First(const char *section, int keyId, ValueKind kind,
                                        int fieldCapacity = 0) {
  return MakeSetting<kValueCapacity>(section, keyId, kind, kPlainKey, fieldCapacity);
}
constexpr Setting<kValueCapacity> Next(const char *section, int keyId, ValueKind kind,
                                       int fieldCapacity = 0) {
  return MakeSetting<kValueCapacity>(section, keyId, kind, kRepeatsPrevious, fieldCapacity);
}

const char kUnitPrice[] = "Unit Price";
const char kOrderForm[] = "Order Form";
const char kShippingPrice[] = "Shipping Price";
const char kPaymentString[] = "payment string";
const char kOrderLabel[] = "Order Label";

constexpr Setting<kValueCapacity> Price(int keyId, bool first = false) {
  return (first ? First : Next)(kUnitPrice, keyId, ValueKind::Decimal, 0);
}
constexpr Setting<kValueCapacity> Shipping(int keyId, bool first = false) {
  return (first ? First : Next)(kShippingPrice, keyId, ValueKind::Decimal, 0);
}
constexpr Setting<kValueCapacity> Field(int keyId, int fieldCapacity = 0, bool first = false) {
  return (first ? First : Next)(kOrderForm, keyId, ValueKind::FieldName, fieldCapacity);
}
// The purchase page reads the labels in the chain of its string-table texts,
// the card and expiration captions in the one of the [payment string] value:
// each label read repeats the text before it when it is absent.
constexpr Setting<kValueCapacity> Label(int keyId) {
  return Next(kOrderLabel, keyId, ValueKind::Text);
}

}  // namespace

constexpr Setting<kValueCapacity> kUnitPriceKeys[kProductSlots] = {
    Price(KEY_PRICE_KA, true), Price(KEY_PRICE_KB), Price(KEY_PRICE_KC),
    Price(KEY_PRICE_KD),       Price(KEY_PRICE_KE), Price(KEY_PRICE_KF),
    Price(KEY_PRICE_KG),       Price(KEY_PRICE_KH), Price(KEY_PRICE_KI),
};

constexpr Setting<kValueCapacity> kOrderFormKeys[kOrderFormKeyCount] = {
    Field(KEY_QTY_KA, kQuantityTextCapacity, true),
    Field(KEY_QTY_KB, kQuantityTextCapacity),
    Field(KEY_QTY_KC, kQuantityTextCapacity),
    Field(KEY_QTY_KD, kQuantityTextCapacity),
    Field(KEY_QTY_KE, kQuantityTextCapacity),
    Field(KEY_QTY_KF, kQuantityTextCapacity),
    Field(KEY_QTY_KG, kQuantityTextCapacity),
    Field(KEY_QTY_KH, kQuantityTextCapacity),
    Field(KEY_QTY_KI, kQuantityTextCapacity),
    Field(KEY_CARD_NUMBER_FIELD, kPaymentTextCapacity),
    Field(KEY_EXPIRATION_FIELD, kPaymentTextCapacity),
    Field(KEY_LINE_KA, 0, true),
    Field(KEY_LINE_KB),
    Field(KEY_LINE_KC),
    Field(KEY_LINE_KD),
    Field(KEY_LINE_KE),
    Field(KEY_LINE_KF),
    Field(KEY_LINE_KG),
    Field(KEY_LINE_KH),
    Field(KEY_LINE_KI),
    Field(KEY_SUBTOTAL_FIELD),
    Field(KEY_TAX_FIELD),
    Field(KEY_SHIPPING_FIELD),
    Field(KEY_TOTAL_FIELD),
};

constexpr Setting<kValueCapacity> kShippingPriceKeys[6] = {
    Shipping(KEY_SHIP_USA_BASE, true),    Shipping(KEY_SHIP_USA_UNIT),
    Shipping(KEY_SHIP_CANADA_BASE, true), Shipping(KEY_SHIP_CANADA_UNIT),
    Shipping(KEY_SHIP_OTHER_BASE, true),  Shipping(KEY_SHIP_OTHER_UNIT),
};

const Setting<kValueCapacity> kPaymentStringCheck =
    First(kPaymentString, KEY_PAYMENT_CHECK, ValueKind::Text);

constexpr Setting<kValueCapacity> kOrderLabelKeys[kOrderLabelKeyCount] = {
    Label(KEY_LABEL_PRODUCT),      Label(KEY_LABEL_UNIT_PRICE),
    Label(KEY_LABEL_QUANTITY),     Label(KEY_LABEL_PRICE),
    Label(KEY_LABEL_KA),           Label(KEY_LABEL_KB),
    Label(KEY_LABEL_KC),           Label(KEY_LABEL_KD),
    Label(KEY_LABEL_KE),           Label(KEY_LABEL_KF),
    Label(KEY_LABEL_KG),           Label(KEY_LABEL_KH),
    Label(KEY_LABEL_KI),           Label(KEY_LABEL_SUBTOTAL),
    Label(KEY_LABEL_TAX),          Label(KEY_LABEL_SHIPPING),
    Label(KEY_LABEL_TOTAL),        Label(KEY_LABEL_BILLING_INFO),
    Label(KEY_LABEL_PAYMENT_INFO), Label(KEY_LABEL_PAYMENT),
    Label(KEY_LABEL_CARD),         Label(KEY_LABEL_EXPIRATION),
};

// The rows the launcher's code names by position.
static_assert(kOrderFormKeys[kQuantityFieldRows + 8].keyId == KEY_QTY_KI, "quantity rows");
static_assert(kOrderFormKeys[kCardNumberFieldRow].keyId == KEY_CARD_NUMBER_FIELD, "card row");
static_assert(kOrderFormKeys[kExpirationFieldRow].keyId == KEY_EXPIRATION_FIELD,
              "expiration row");
static_assert(kOrderFormKeys[kLinePriceFieldRows].keyId == KEY_LINE_KA, "line-price rows");
static_assert(kOrderFormKeys[kSumFieldRows + 3].keyId == KEY_TOTAL_FIELD, "sum rows");
static_assert(kShippingPriceKeys[BaseShippingRow(kShippingCanada)].keyId == KEY_SHIP_CANADA_BASE &&
                  kShippingPriceKeys[UnitShippingRow(kShippingOther)].keyId ==
                      KEY_SHIP_OTHER_UNIT,
              "shipping rows");
static_assert(kOrderLabelKeys[kProductLabelRows].keyId == KEY_LABEL_KA &&
                  kOrderLabelKeys[kSumLabelRows].keyId == KEY_LABEL_SUBTOTAL &&
                  kOrderLabelKeys[kBillingLabelRow].keyId == KEY_LABEL_BILLING_INFO &&
                  kOrderLabelKeys[kPaymentInfoLabelRow].keyId == KEY_LABEL_PAYMENT_INFO &&
                  kOrderLabelKeys[kExpirationLabelRow].keyId == KEY_LABEL_EXPIRATION,
              "label rows");
