#pragma once
// The required-field checks of the two forms and the warning that lists the
// missing fields. Result codes: 0 when every required field is present, else
// the code of the last missing field in check order (first name -1, last name
// -2, street address 1 -3, city -4, state -5, zip -6, country -7,
// telephone -8).
#include "customer/customer_record.h"

// The warning holds at most 255 characters; a longer one is cut.
constexpr int kWarningCapacity = 256;

// Trims the record's texts, checks the registration form's required fields
// and builds the warning (capacity kWarningCapacity).
int ValidateRegistrationRecord(CustomerRecord &record, char (&warning)[kWarningCapacity]);

// The same with the buyer form's rules (the telephone is required too).
int ValidateBuyerRecord(CustomerRecord &record, char (&warning)[kWarningCapacity]);

// A message box with no owner, the caption "Install & Register" and the
// warning icon; returns when the customer closes it.
void ShowValidationWarning(const char *warning);
