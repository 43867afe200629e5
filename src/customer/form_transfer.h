#pragma once
// Moving texts between the form engine's fields and a customer record,
// through the field maps.
#include "customer/customer_record.h"

// Fills a fresh record from the registration form and copies it to the
// caller's. Returns 1.
int ReadRegistrationForm(CustomerRecord &record);

// Copies the buyer form's fields into the record; fields that are not on the
// buyer form keep what they held. Returns 1.
int ReadBuyerForm(CustomerRecord &record);

// Sets every mapped field of the form to the record's text, empty ones too.
// Return 1.
int WriteRegistrationForm(const CustomerRecord &record);
int WriteBuyerForm(const CustomerRecord &record);
