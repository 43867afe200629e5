#include "customer/prefill.h"

#include "customer/customer_record.h"
#include "customer/form_transfer.h"
#include "customer/registration_file.h"
#include "customer/saved_profile.h"
#include "platform/clock.h"
#include "settings/key_vocabulary.h"
#include "text/bounded.h"

// Today as month-day-year, without leading zeros: 12-7-2026.
static void FormatToday(char *dest, int capacity) {
  CalendarDate today = GetLocalDate();
  FormatText(dest, capacity, "%d-%d-%d", today.month, today.day, today.year);
}

int PrefillRegistrationForm() {
  CustomerRecord record = {};
  char path[kPathCapacity];
  GetRegistrationFilePath(path);
  ReadProductName(path, record.productName, sizeof record.productName);
  LoadProfile(record);
  ApplyDefaultCountry(record);
  FormatToday(record.registrationDate, sizeof record.registrationDate);
  WriteRegistrationForm(record);
  return 1;
}

int PrefillBuyerForm() {
  CustomerRecord record = {};
  LoadProfile(record);
  ApplyDefaultCountry(record);
  WriteBuyerForm(record);
  return 1;
}
