#pragma once
// The entry points that read a form, check it and warn about missing fields.
#include "customer/customer_record.h"

// Reads and checks the registration form. Returns 1 and fills the record
// when it is complete; otherwise shows the warning, returns 0 and leaves the
// record untouched.
int CollectRegistration(CustomerRecord &record);

// Reads the buyer form into the record (the buyer record) and checks it. The
// record keeps the new, trimmed texts either way. Returns 1 when complete;
// otherwise shows the warning and returns 0.
int CheckBuyerForm(CustomerRecord &record);
