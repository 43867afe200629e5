#include "customer/validation.h"

#include "customer/customer_fields.h"
#include "customer/trim.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "text/bounded.h"

namespace {

constexpr int kCaptionCapacity = 64;

struct RequiredField {
  CustomerField field;
  int code;
  const Setting<kValueCapacity> &text;  // the field's piece of the warning
};

const RequiredField kRegistrationNameAndStreet[] = {
    {CustomerField::FirstName, -1, kValidateErrorFirstName},
    {CustomerField::LastName, -2, kValidateErrorLastName},
    {CustomerField::Street1, -3, kValidateErrorAddress},
};

const RequiredField kRegistrationPlace[] = {
    {CustomerField::City, -4, kValidateErrorCity},
    {CustomerField::State, -5, kValidateErrorState},
    {CustomerField::Zip, -6, kValidateErrorZip},
    {CustomerField::Country, -7, kValidateErrorCountry},
};

const RequiredField kBuyerFields[] = {
    {CustomerField::FirstName, -1, kValidateErrorFirstName},
    {CustomerField::LastName, -2, kValidateErrorLastName},
    {CustomerField::Street1, -3, kValidateErrorAddress},
    {CustomerField::City, -4, kValidateErrorCity},
    {CustomerField::State, -5, kValidateErrorState},
    {CustomerField::Zip, -6, kValidateErrorZip},
    {CustomerField::Country, -7, kValidateErrorCountry},
    {CustomerField::Phone, -8, kValidateErrorPhone},
};

void StartWarning(char (&warning)[kWarningCapacity]) {
  CopyText(warning, kWarningCapacity, "");
  ReadSetting(kValidateErrorWarning, warning);
}

// Trims each field; a missing one adds its text to the warning and its code
// becomes the result.
template <int Count>
int Check(CustomerRecord &record, const RequiredField (&fields)[Count],
          char (&warning)[kWarningCapacity], int result) {
  for (const RequiredField &required : fields) {
    if (TrimSpaces(FieldOf(record, required.field).text) != 0) continue;
    char text[kValueCapacity] = "";
    ReadSetting(required.text, text);
    AppendText(warning, kWarningCapacity, text);
    result = required.code;
  }
  return result;
}

void Trim(CustomerRecord &record, CustomerField field) {
  TrimSpaces(FieldOf(record, field).text);
}

}  // namespace

int ValidateRegistrationRecord(CustomerRecord &record, char (&warning)[kWarningCapacity]) {
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

int ValidateBuyerRecord(CustomerRecord &record, char (&warning)[kWarningCapacity]) {
  StartWarning(warning);
  return Check(record, kBuyerFields, warning, 0);
}

void ShowValidationWarning(const char *warning) {
  char caption[kCaptionCapacity];
  LoadText(TEXT_TITLE, caption, kCaptionCapacity);
  ShowMessageBox(nullptr, warning, caption, kMessageBoxWarning);
}
