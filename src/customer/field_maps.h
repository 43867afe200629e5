#pragma once
// The field maps: which edit field of a form holds which record field. Each
// key of the map's section names the edit field.
#include "customer/customer_fields.h"

struct FieldMap {
  const char *section;
  const FieldKey *rows;
  int count;
};

// Section "Registration Form": all 15 fields.
extern const FieldMap kRegistrationFormMap;
// Section "Buyer Form": first name to fax (no product, serial, date or
// place of purchase).
extern const FieldMap kBuyerFormMap;
