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
constexpr int kCountryCodeCapacity = 64;   // [Country Code] values: 63
constexpr int kProductSlots = 9;

// [Unit Price] "KA".."KI": the unit prices of slots 1-9.
extern const VocabularySection kUnitPriceKeys;
// [Order Form]: quantity fields of slots 1-9, the card-number and expiration
// fields (read, in that order, through one buffer), then the line-price
// fields of slots 1-9 and the four sum fields (written, through another).
extern const VocabularySection kOrderFormKeys;
// [Shipping Price]: base price and price per further unit, for the USA,
// Canada and other countries, each pair through one buffer.
extern const VocabularySection kShippingPriceKeys;
// [Country Code] "Usa", "Canada": the countries of the USA and Canada prices.
extern const VocabularySection kCountryCodeKeys;
// [payment string] "Check": the payment method that needs no card.
extern const VocabularySection kPaymentStringKeys;
// [Order Label]: the printed purchase form's labels, in the order printed.
extern const VocabularySection kOrderLabelKeys;
