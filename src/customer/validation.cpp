#include "customer/validation.h"

#include "customer/customer_fields.h"
#include "customer/trim.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {

const char kSection[] = "Validate Error";
constexpr int kCaptionCapacity = 64;

struct RequiredField {
  CustomerField field;
  int code;
  int textKeyId;  // the field's piece of the warning
};

const RequiredField kRegistrationNameAndStreet[] = {
    {CustomerField::FirstName, -1, KEY_MISSING_FIRST_NAME},
    {CustomerField::LastName, -2, KEY_MISSING_LAST_NAME},
    {CustomerField::Street1, -3, KEY_MISSING_ADDRESS},
};

const RequiredField kRegistrationPlace[] = {
    {CustomerField::City, -4, KEY_MISSING_CITY},
    {CustomerField::State, -5, KEY_MISSING_STATE},
    {CustomerField::Zip, -6, KEY_MISSING_ZIP},
    {CustomerField::Country, -7, KEY_MISSING_COUNTRY},
};

const RequiredField kBuyerFields[] = {
    {CustomerField::FirstName, -1, KEY_MISSING_FIRST_NAME},
    {CustomerField::LastName, -2, KEY_MISSING_LAST_NAME},
    {CustomerField::Street1, -3, KEY_MISSING_ADDRESS},
    {CustomerField::City, -4, KEY_MISSING_CITY},
    {CustomerField::State, -5, KEY_MISSING_STATE},
    {CustomerField::Zip, -6, KEY_MISSING_ZIP},
    {CustomerField::Country, -7, KEY_MISSING_COUNTRY},
    {CustomerField::Phone, -8, KEY_MISSING_PHONE},
};

void StartWarning(char *warning) {
  CopyText(warning, kWarningCapacity, "");
  ReadKeyString(KEY_WARNING_HEAD, warning, kWarningCapacity, SettingsPath, kSection);
}

// Trims each field; a missing one adds its text to the warning and its code
// becomes the result.
template <int Count>
int Check(CustomerRecord &record, const RequiredField (&fields)[Count], char *warning,
          int result) {
  for (const RequiredField &required : fields) {
    if (TrimSpaces(FieldOf(record, required.field).text) != 0) continue;
    char text[kValueCapacity] = "";
    ReadKeyString(required.textKeyId, text, kValueCapacity, SettingsPath, kSection);
    AppendText(warning, kWarningCapacity, text);
    result = required.code;
  }
  return result;
}

void Trim(CustomerRecord &record, CustomerField field) {
  TrimSpaces(FieldOf(record, field).text);
}

}  // namespace

int ValidateRegistrationRecord(CustomerRecord &record, char *warning) {
  StartWarning(warning);
  Trim(record, CustomerField::ProductName);
  Trim(record, CustomerField::SerialNumber);
  int result = Check(record, kRegistrationNameAndStreet, warning, 0);
  Trim(record, CustomerField::Street2);
  result = Check(record, kRegistrationPlace, warning, result);
  Trim(record, CustomerField::Email);
  Trim(record, CustomerField::WhereBought);
  return result;
}

int ValidateBuyerRecord(CustomerRecord &record, char *warning) {
  StartWarning(warning);
  return Check(record, kBuyerFields, warning, 0);
}

void ShowValidationWarning(const char *warning) {
  char caption[kCaptionCapacity];
  LoadText(TEXT_TITLE, caption, kCaptionCapacity);
  ShowMessageBox(nullptr, warning, caption, kMessageBoxWarning);
}
