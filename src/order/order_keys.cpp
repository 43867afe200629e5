#include "order/order_keys.h"

#include "resources/texts.h"
#include "settings/settings.h"

namespace {

constexpr VocabularyKey First(int keyId, ValueKind kind, int fieldCapacity = 0) {
  return {keyId, kValueCapacity, kind, false, fieldCapacity, false};
}
constexpr VocabularyKey Next(int keyId, ValueKind kind, int fieldCapacity = 0) {
  return {keyId, kValueCapacity, kind, true, fieldCapacity, false};
}

constexpr VocabularyKey kUnitPrice[] = {
    First(KEY_PRICE_KA, ValueKind::Decimal), Next(KEY_PRICE_KB, ValueKind::Decimal),
    Next(KEY_PRICE_KC, ValueKind::Decimal),  Next(KEY_PRICE_KD, ValueKind::Decimal),
    Next(KEY_PRICE_KE, ValueKind::Decimal),  Next(KEY_PRICE_KF, ValueKind::Decimal),
    Next(KEY_PRICE_KG, ValueKind::Decimal),  Next(KEY_PRICE_KH, ValueKind::Decimal),
    Next(KEY_PRICE_KI, ValueKind::Decimal),
};

constexpr ValueKind kField = ValueKind::FieldName;
constexpr VocabularyKey kOrderForm[] = {
    First(KEY_QTY_KA, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KB, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KC, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KD, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KE, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KF, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KG, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KH, kField, kQuantityTextCapacity),
    Next(KEY_QTY_KI, kField, kQuantityTextCapacity),
    Next(KEY_CARD_NUMBER_FIELD, kField, kPaymentTextCapacity),
    Next(KEY_EXPIRATION_FIELD, kField, kPaymentTextCapacity),
    First(KEY_LINE_KA, kField),
    Next(KEY_LINE_KB, kField),
    Next(KEY_LINE_KC, kField),
    Next(KEY_LINE_KD, kField),
    Next(KEY_LINE_KE, kField),
    Next(KEY_LINE_KF, kField),
    Next(KEY_LINE_KG, kField),
    Next(KEY_LINE_KH, kField),
    Next(KEY_LINE_KI, kField),
    Next(KEY_SUBTOTAL_FIELD, kField),
    Next(KEY_TAX_FIELD, kField),
    Next(KEY_SHIPPING_FIELD, kField),
    Next(KEY_TOTAL_FIELD, kField),
};

constexpr VocabularyKey kShippingPrice[] = {
    First(KEY_SHIP_USA_BASE, ValueKind::Decimal),    Next(KEY_SHIP_USA_UNIT, ValueKind::Decimal),
    First(KEY_SHIP_CANADA_BASE, ValueKind::Decimal), Next(KEY_SHIP_CANADA_UNIT, ValueKind::Decimal),
    First(KEY_SHIP_OTHER_BASE, ValueKind::Decimal),  Next(KEY_SHIP_OTHER_UNIT, ValueKind::Decimal),
};

const VocabularyKey kCountryCode[] = {
    {KEY_COUNTRY_USA, kCountryCodeCapacity, ValueKind::Text, false, 0, false},
    {KEY_COUNTRY_CANADA, kCountryCodeCapacity, ValueKind::Text, false, 0, false},
};

const VocabularyKey kPaymentString[] = {First(KEY_PAYMENT_CHECK, ValueKind::Text)};

// The labels share the working text of the page's string-table texts, the
// card and expiration captions the one of the [payment string] value: each
// label read repeats the text before it when it is absent.
constexpr VocabularyKey kOrderLabel[] = {
    Next(KEY_LABEL_PRODUCT, ValueKind::Text),      Next(KEY_LABEL_UNIT_PRICE, ValueKind::Text),
    Next(KEY_LABEL_QUANTITY, ValueKind::Text),     Next(KEY_LABEL_PRICE, ValueKind::Text),
    Next(KEY_LABEL_KA, ValueKind::Text),           Next(KEY_LABEL_KB, ValueKind::Text),
    Next(KEY_LABEL_KC, ValueKind::Text),           Next(KEY_LABEL_KD, ValueKind::Text),
    Next(KEY_LABEL_KE, ValueKind::Text),           Next(KEY_LABEL_KF, ValueKind::Text),
    Next(KEY_LABEL_KG, ValueKind::Text),           Next(KEY_LABEL_KH, ValueKind::Text),
    Next(KEY_LABEL_KI, ValueKind::Text),           Next(KEY_LABEL_SUBTOTAL, ValueKind::Text),
    Next(KEY_LABEL_TAX, ValueKind::Text),          Next(KEY_LABEL_SHIPPING, ValueKind::Text),
    Next(KEY_LABEL_TOTAL, ValueKind::Text),        Next(KEY_LABEL_BILLING_INFO, ValueKind::Text),
    Next(KEY_LABEL_PAYMENT_INFO, ValueKind::Text), Next(KEY_LABEL_PAYMENT, ValueKind::Text),
    Next(KEY_LABEL_CARD, ValueKind::Text),         Next(KEY_LABEL_EXPIRATION, ValueKind::Text),
};

// The rows the launcher's code names by position.
static_assert(kOrderForm[kQuantityFieldRows + 8].keyId == KEY_QTY_KI, "quantity rows");
static_assert(kOrderForm[kCardNumberFieldRow].keyId == KEY_CARD_NUMBER_FIELD, "card row");
static_assert(kOrderForm[kExpirationFieldRow].keyId == KEY_EXPIRATION_FIELD, "expiration row");
static_assert(kOrderForm[kLinePriceFieldRows].keyId == KEY_LINE_KA, "line-price rows");
static_assert(kOrderForm[kSumFieldRows + 3].keyId == KEY_TOTAL_FIELD, "sum rows");
static_assert(kShippingPrice[BaseShippingRow(kShippingCanada)].keyId == KEY_SHIP_CANADA_BASE &&
                  kShippingPrice[UnitShippingRow(kShippingOther)].keyId == KEY_SHIP_OTHER_UNIT,
              "shipping rows");
static_assert(kOrderLabel[kProductLabelRows].keyId == KEY_LABEL_KA &&
                  kOrderLabel[kSumLabelRows].keyId == KEY_LABEL_SUBTOTAL &&
                  kOrderLabel[kBillingLabelRow].keyId == KEY_LABEL_BILLING_INFO &&
                  kOrderLabel[kPaymentInfoLabelRow].keyId == KEY_LABEL_PAYMENT_INFO &&
                  kOrderLabel[kExpirationLabelRow].keyId == KEY_LABEL_EXPIRATION,
              "label rows");

}  // namespace

const VocabularySection kUnitPriceKeys = MakeSection("Unit Price", kUnitPrice);
const VocabularySection kOrderFormKeys = MakeSection("Order Form", kOrderForm);
const VocabularySection kShippingPriceKeys = MakeSection("Shipping Price", kShippingPrice);
const VocabularySection kCountryCodeKeys = MakeSection("Country Code", kCountryCode);
const VocabularySection kPaymentStringKeys = MakeSection("payment string", kPaymentString);
const VocabularySection kOrderLabelKeys = MakeSection("Order Label", kOrderLabel);
