// Trimming and checking a customer record of any texts, with warning texts
// long enough to outgrow the warning: each field comes out as the reference
// trim says, untouched fields stay as they were, the result is the code of
// the last missing field, and the warning is the head and the missing
// fields' texts, cut to 255 characters.
#include <cstdint>
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "customer/trim.h"
#include "customer/validation.h"
#include "fuzz_record.h"
#include "settings/settings_path.h"

namespace {

struct Required {
  CustomerField field;
  const char *key;  // of its text in [Validate Error]
  int code;
};

const Required kNameAndStreet[] = {{CustomerField::FirstName, "firstname", -1},
                                   {CustomerField::LastName, "lastname", -2},
                                   {CustomerField::Street1, "address", -3}};
const Required kPlace[] = {{CustomerField::City, "city", -4},
                           {CustomerField::State, "state", -5},
                           {CustomerField::Zip, "zip", -6},
                           {CustomerField::Country, "country", -7}};
const Required kPhone = {CustomerField::Phone, "phone", -8};

const char kHead[] = "Please fill in every field this form needs before you go on. Missing:";

std::string MissingText(const char *key) {
  return std::string(" The ") + key + " field is empty; please fill it in.";
}

std::string Trimmed(const std::string &text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Texts(const CustomerRecord &record) {
  std::vector<std::string> texts;
  for (CustomerField field : kEveryField) texts.push_back(FieldText(record, field));
  return texts;
}

size_t IndexOf(CustomerField field) {
  for (size_t i = 0; i < sizeof kEveryField / sizeof kEveryField[0]; ++i)
    if (kEveryField[i] == field) return i;
  abort();
}

// Trims the field in the expected texts; a missing one adds to the warning.
void Check(std::vector<std::string> &texts, const Required &required, std::string &warning,
           int &result) {
  std::string &text = texts[IndexOf(required.field)];
  text = Trimmed(text);
  if (!text.empty()) return;
  warning += MissingText(required.key);
  result = required.code;
}

void Trim(std::vector<std::string> &texts, CustomerField field) {
  std::string &text = texts[IndexOf(field)];
  text = Trimmed(text);
}

void CheckTrimFunctions(const std::string &text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  bool leading = !text.empty() && text[0] == ' ';
  Require(TrimLeft(buffer.data()) == (leading ? 1 : 0));
  std::string left = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  Require(buffer.data() == left);
  bool trailing = !left.empty() && left.back() == ' ';
  Require(TrimRight(buffer.data()) == (trailing ? 1 : 0));
  Require(buffer.data() == Trimmed(text));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  std::string path = ScratchPath("VelInst.ini");
  std::ofstream settings(path, std::ios::binary);
  settings << "[Validate Error]\r\nWarning=" << kHead << "\r\n";
  for (const char *key : {"firstname", "lastname", "address", "city", "state", "zip",
                          "country", "phone"})
    settings << key << "=\"" << MissingText(key) << "\"\r\n";
  settings.close();
  CopyText(SettingsPath, kPathCapacity, path.c_str());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool buyer = input.ConsumeBool();
  CustomerRecord record = FuzzRecord(input);
  std::vector<std::string> expected = Texts(record);
  CheckTrimFunctions(expected[IndexOf(CustomerField::Street1)]);

  std::string warning = kHead;
  int result = 0;
  if (buyer) {
    for (const Required &required : kNameAndStreet) Check(expected, required, warning, result);
    for (const Required &required : kPlace) Check(expected, required, warning, result);
    Check(expected, kPhone, warning, result);
  } else {
    Trim(expected, CustomerField::ProductName);
    Trim(expected, CustomerField::SerialNumber);
    for (const Required &required : kNameAndStreet) Check(expected, required, warning, result);
    Trim(expected, CustomerField::Street2);
    for (const Required &required : kPlace) Check(expected, required, warning, result);
    Trim(expected, CustomerField::Email);
    Trim(expected, CustomerField::WhereBought);
  }

  struct {
    char warning[kWarningCapacity];
    char guard;  // the byte just past the warning
  } actual = {{}, '\x7F'};
  int code = buyer ? ValidateBuyerRecord(record, actual.warning)
                   : ValidateRegistrationRecord(record, actual.warning);
  Require(actual.guard == '\x7F');
  Require(code == result);
  Require(actual.warning == warning.substr(0, kWarningCapacity - 1));
  Require(Texts(record) == expected);
  return 0;
}
