#include "customer/form_checks.h"

#include "customer/form_transfer.h"
#include "customer/validation.h"

int CollectRegistration(CustomerRecord &record) {
  CustomerRecord working;
  ReadRegistrationForm(working);
  char warning[kWarningCapacity];
  if (ValidateRegistrationRecord(working, warning) < 0) {
    ShowValidationWarning(warning);
    return 0;
  }
  record = working;
  return 1;
}

int CheckBuyerForm(CustomerRecord &record) {
  ReadBuyerForm(record);
  char warning[kWarningCapacity];
  if (ValidateBuyerRecord(record, warning) < 0) {
    ShowValidationWarning(warning);
    return 0;
  }
  return 1;
}
