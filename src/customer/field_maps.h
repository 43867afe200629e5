#pragma once
// The field maps: which edit field of a form holds which record field. Each
// key of the map's section (its rows in resources/settings_keys.inc) names
// the edit field.
#include "customer/customer_fields.h"
#include "settings/key_vocabulary.h"

struct FormField {
  const Setting<kValueCapacity> &key;  // its value is the edit field's name
  CustomerField field;
};

struct FieldMap {
  const FormField *rows;
  int count;
};

// Section "Registration Form": all 15 fields.
extern const FieldMap kRegistrationFormMap;
// Section "Buyer Form": first name to fax (no product, serial, date or
// place of purchase).
extern const FieldMap kBuyerFormMap;
