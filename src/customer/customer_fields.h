#pragma once
// The fields of the customer record by name, so that the field maps of the
// forms and the profile's key table can list them.
#include "customer/customer_record.h"

enum class CustomerField {
  ProductName,
  SerialNumber,
  RegistrationDate,
  FirstName,
  LastName,
  Street1,
  Street2,
  City,
  State,
  Zip,
  Country,
  Email,
  Phone,
  Fax,
  WhereBought,
};

// A field's buffer and its width (the terminator included).
struct FieldBuffer {
  char *text;
  int width;
};

FieldBuffer FieldOf(CustomerRecord &record, CustomerField field);
const char *FieldText(const CustomerRecord &record, CustomerField field);

// A settings key tied to a record field: the key names the field's edit
// field on a form, or holds its value in the profile.
struct FieldKey {
  int keyId;
  CustomerField field;
};
