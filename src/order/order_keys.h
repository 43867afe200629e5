#pragma once
// The keys that ordering reads, in the order it reads them: the rows of
// their sections in resources/settings_keys.inc, and the positions the
// launcher's code names. Each group of reads shares one buffer, so an absent
// key repeats the text read before it (the rows marked kRepeatsPrevious). The
// order form, its pricing and the printed purchase form take their keys from
// here; the disc checker checks a disc against the same rows.
#include "settings/key_vocabulary.h"

constexpr int kProductSlots = 9;

// [Unit Price] "KA".."KI": the unit prices of slots 1-9.
inline constexpr SectionKeys<kValueCapacity> kUnitPriceKeys{"Unit Price"};
static_assert(kUnitPriceKeys.size() == kProductSlots, "a price for each slot");

// [Order Form]: the fields read, then the fields written.
inline constexpr SectionKeys<kValueCapacity> kOrderFormKeys{"Order Form"};
constexpr int kQuantityFieldRows = 0;  // nine rows, slot 1 first
constexpr int kCardNumberFieldRow = 9;
constexpr int kExpirationFieldRow = 10;
constexpr int kLinePriceFieldRows = 11;  // nine rows
constexpr int kSumFieldRows = 20;        // subtotal, tax, shipping, total
static_assert(kOrderFormKeys[kQuantityFieldRows + 8].keyId == KEY_QTY_KI &&
                  kOrderFormKeys[kCardNumberFieldRow].keyId == KEY_CARD_NUMBER_FIELD &&
                  kOrderFormKeys[kExpirationFieldRow].keyId == KEY_EXPIRATION_FIELD &&
                  kOrderFormKeys[kLinePriceFieldRows].keyId == KEY_LINE_KA &&
                  kOrderFormKeys[kSumFieldRows + 3].keyId == KEY_TOTAL_FIELD &&
                  kOrderFormKeys.size() == kSumFieldRows + 4,
              "order-form rows");

// [Shipping Price]: base price and price per further unit, by region.
inline constexpr SectionKeys<kValueCapacity> kShippingPriceKeys{"Shipping Price"};
enum ShippingRegion { kShippingUsa = 0, kShippingCanada = 1, kShippingOther = 2 };
constexpr int BaseShippingRow(ShippingRegion region) { return 2 * region; }
constexpr int UnitShippingRow(ShippingRegion region) { return 2 * region + 1; }
static_assert(kShippingPriceKeys[BaseShippingRow(kShippingCanada)].keyId == KEY_SHIP_CANADA_BASE &&
                  kShippingPriceKeys[UnitShippingRow(kShippingOther)].keyId ==
                      KEY_SHIP_OTHER_UNIT &&
                  kShippingPriceKeys.size() == 6,
              "shipping rows");

// [Order Label]: the printed purchase form's labels, in the order printed.
inline constexpr SectionKeys<kValueCapacity> kOrderLabelKeys{"Order Label"};
constexpr int kHeadingLabelRows = 0;  // "Product", "Unit Price", "Quantity", "Price"
constexpr int kProductLabelRows = 4;  // nine rows
constexpr int kSumLabelRows = 13;     // subtotal, tax, shipping, total
constexpr int kBillingLabelRow = 17;
constexpr int kPaymentInfoLabelRow = 18;
constexpr int kPaymentLabelRow = 19;
constexpr int kCardLabelRow = 20;
constexpr int kExpirationLabelRow = 21;
static_assert(kOrderLabelKeys[kProductLabelRows].keyId == KEY_LABEL_KA &&
                  kOrderLabelKeys[kSumLabelRows].keyId == KEY_LABEL_SUBTOTAL &&
                  kOrderLabelKeys[kBillingLabelRow].keyId == KEY_LABEL_BILLING_INFO &&
                  kOrderLabelKeys[kPaymentInfoLabelRow].keyId == KEY_LABEL_PAYMENT_INFO &&
                  kOrderLabelKeys[kPaymentLabelRow].keyId == KEY_LABEL_PAYMENT &&
                  kOrderLabelKeys[kCardLabelRow].keyId == KEY_LABEL_CARD &&
                  kOrderLabelKeys[kExpirationLabelRow].keyId == KEY_LABEL_EXPIRATION &&
                  kOrderLabelKeys.size() == kExpirationLabelRow + 1,
              "label rows");
