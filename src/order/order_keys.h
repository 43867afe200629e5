#pragma once
// The keys that ordering reads, in the order it reads them, with the
// capacities of the buffers it reads them and the order form's texts into.
// Each group of reads shares one buffer, so an absent key repeats the text
// read before it (marked in each row). The order form, its pricing and the
// printed purchase form take their keys from here; the disc checker checks a
// disc against the same tables.
#include "settings/key_vocabulary.h"

constexpr int kQuantityTextCapacity = 64;  // a quantity field's text: 63 characters
constexpr int kPaymentTextCapacity = 32;   // payment method, card number, expiration: 31
constexpr int kProductSlots = 9;

// [Unit Price] "KA".."KI": the unit prices of slots 1-9.
extern const Setting<kValueCapacity> kUnitPriceKeys[kProductSlots];
// [Order Form]: quantity fields of slots 1-9, the card-number and expiration
// fields (read, in that order, through one buffer), then the line-price
// fields of slots 1-9 and the four sum fields (written, through another).
constexpr int kOrderFormKeyCount = 24;
extern const Setting<kValueCapacity> kOrderFormKeys[kOrderFormKeyCount];
constexpr int kQuantityFieldRows = 0;  // nine rows, slot 1 first
constexpr int kCardNumberFieldRow = 9;
constexpr int kExpirationFieldRow = 10;
constexpr int kLinePriceFieldRows = 11;  // nine rows
constexpr int kSumFieldRows = 20;        // subtotal, tax, shipping, total
// [Shipping Price]: base price and price per further unit, for the USA,
// Canada and other countries, each pair through one buffer.
extern const Setting<kValueCapacity> kShippingPriceKeys[6];
enum ShippingRegion { kShippingUsa = 0, kShippingCanada = 1, kShippingOther = 2 };
constexpr int BaseShippingRow(ShippingRegion region) { return 2 * region; }
constexpr int UnitShippingRow(ShippingRegion region) { return 2 * region + 1; }
// [payment string] "Check": the payment method that needs no card.
extern const Setting<kValueCapacity> kPaymentStringCheck;
// [Order Label]: the printed purchase form's labels, in the order printed.
constexpr int kOrderLabelKeyCount = 22;
extern const Setting<kValueCapacity> kOrderLabelKeys[kOrderLabelKeyCount];
constexpr int kHeadingLabelRows = 0;  // "Product", "Unit Price", "Quantity", "Price"
constexpr int kProductLabelRows = 4;  // nine rows
constexpr int kSumLabelRows = 13;     // subtotal, tax, shipping, total
constexpr int kBillingLabelRow = 17;
constexpr int kPaymentInfoLabelRow = 18;
constexpr int kPaymentLabelRow = 19;
constexpr int kCardLabelRow = 20;
constexpr int kExpirationLabelRow = 21;
