#pragma once
// The profile file: the customer's details saved after a registration, read
// back to prefill the forms. Section "registration info"; product name,
// serial number and registration date are never stored.
#include "customer/customer_record.h"

// The profile file's path (capacity kPathCapacity): the Windows directory
// when the program may create files there, else the customer's own
// application-data folder, then the [General] "HDD reg file" name. Reading
// and writing use this one rule. Empty when the name is absent or the path
// would not fit. Returns 1.
int GetProfilePath(char *path);

// Writes the 12 profile keys from the record, empty values included.
// Returns 1, also when the file cannot be written.
int SaveProfile(const CustomerRecord &record);

// Reads the 12 profile keys into the record; an absent key leaves its field
// as it was. Returns 1.
int LoadProfile(CustomerRecord &record);

// Gives an empty country the [Country Code] "Usa" value.
void ApplyDefaultCountry(CustomerRecord &record);
