#include "settings/key_vocabulary.h"

#include "resources/texts.h"
#include "settings/settings.h"

namespace {

constexpr int kStateCapacity = 8;  // a state code: at most 7 characters

const VocabularyKey kGeneral[] = {
    {KEY_INSTALLER, kPathCapacity, ValueKind::DiscFile, false, 0, true},
    {KEY_STARTUP, kPathCapacity, ValueKind::TemplateFile, false, 0, false},
    {KEY_PRODUCT_PAGE, kPathCapacity, ValueKind::WebAddress, false, 0, false},
    {KEY_REGISTRATION_FILE, kPathCapacity, ValueKind::DiscFile, false, 0, false},
    {KEY_VENDOR_SITE, kPathCapacity, ValueKind::WebAddress, false, 0, false},
    {KEY_ORDER_ONLINE, kPathCapacity, ValueKind::WebAddress, false, 0, false},
    {KEY_TAX_STATE, kStateCapacity, ValueKind::Text, false, 0, false},
    {KEY_ORDER_FORM_TEMPLATE, kPathCapacity, ValueKind::TemplateFile, false, 0, false},
    {KEY_PROFILE_FILE, kPathCapacity, ValueKind::ProfileName, false, 0, false},
    {KEY_ENGLISH_ONLY, 0, ValueKind::Flag, false, 0, true},
};

const VocabularyKey kFormName[] = {
    {KEY_FORM_REGISTRATION, kValueCapacity, ValueKind::TemplateName, false, 0, false},
    {KEY_FORM_ORDER, kValueCapacity, ValueKind::TemplateName, false, 0, false},
    {KEY_FORM_BUYER, kValueCapacity, ValueKind::TemplateName, false, 0, false},
};

// The head and each missing field's text go through buffers of their own;
// the payment texts share the buffer of the [payment string] value.
const VocabularyKey kValidateError[] = {
    {KEY_WARNING_HEAD, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_FIRST_NAME, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_LAST_NAME, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_ADDRESS, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_CITY, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_STATE, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_ZIP, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_COUNTRY, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_PHONE, kValueCapacity, ValueKind::Text, false, 0, false},
    {KEY_MISSING_CARD_NUMBER, kValueCapacity, ValueKind::Text, true, 0, false},
    {KEY_MISSING_EXPIRATION, kValueCapacity, ValueKind::Text, true, 0, false},
};

const VocabularyKey kRegister[] = {
    {KEY_PRODUCT, kValueCapacity, ValueKind::Text, false, 0, false},
};

}  // namespace

const VocabularySection kGeneralKeys = MakeSection("General", kGeneral);
const VocabularySection kFormNameKeys = MakeSection("Form Name", kFormName);
const VocabularySection kValidateErrorKeys = MakeSection("Validate Error", kValidateError);
const VocabularySection kRegisterKeys = MakeSection("Register", kRegister);

const VocabularyKey *FindVocabularyKey(const VocabularySection &section, int keyId) {
  for (int i = 0; i < section.count; ++i)
    if (section.keys[i].keyId == keyId) return &section.keys[i];
  return nullptr;
}
