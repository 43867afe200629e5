#include "settings/key_vocabulary.h"

#include "resources/texts.h"

namespace {

const char kGeneral[] = "General";
const char kFormName[] = "Form Name";
const char kValidateError[] = "Validate Error";

template <int Capacity>
constexpr Setting<Capacity> General(int keyId, ValueKind kind, int traits = kPlainKey) {
  return MakeSetting<Capacity>(kGeneral, keyId, kind, traits);
}

constexpr Setting<kValueCapacity> FormName(int keyId) {
  return MakeSetting<kValueCapacity>(kFormName, keyId, ValueKind::TemplateName);
}

// The head and each missing field's text go through buffers of their own;
// the payment texts share the buffer of the [payment string] value.
constexpr Setting<kValueCapacity> ValidateError(int keyId, int traits = kPlainKey) {
  return MakeSetting<kValueCapacity>(kValidateError, keyId, ValueKind::Text, traits);
}

}  // namespace

const Setting<kPathCapacity> kGeneralInstaller =
    General<kPathCapacity>(KEY_INSTALLER, ValueKind::DiscFile, kMayBeAbsent);
const Setting<kPathCapacity> kGeneralStartup =
    General<kPathCapacity>(KEY_STARTUP, ValueKind::TemplateFile);
const Setting<kPathCapacity> kGeneralProductPage =
    General<kPathCapacity>(KEY_PRODUCT_PAGE, ValueKind::WebAddress);
const Setting<kPathCapacity> kGeneralRegistrationFile =
    General<kPathCapacity>(KEY_REGISTRATION_FILE, ValueKind::DiscFile);
const Setting<kPathCapacity> kGeneralVendorSite =
    General<kPathCapacity>(KEY_VENDOR_SITE, ValueKind::WebAddress);
const Setting<kPathCapacity> kGeneralOrderOnline =
    General<kPathCapacity>(KEY_ORDER_ONLINE, ValueKind::WebAddress);
const Setting<kTaxStateCapacity> kGeneralTaxState =
    General<kTaxStateCapacity>(KEY_TAX_STATE, ValueKind::Text);
const Setting<kPathCapacity> kGeneralOrderFormTemplate =
    General<kPathCapacity>(KEY_ORDER_FORM_TEMPLATE, ValueKind::TemplateFile);
const Setting<kPathCapacity> kGeneralProfileFile =
    General<kPathCapacity>(KEY_PROFILE_FILE, ValueKind::ProfileName);
// Read with the section's name in lower case, which names the same section.
const Setting<kWholeNumber> kGeneralEnglishOnly =
    MakeSetting<kWholeNumber>("general", KEY_ENGLISH_ONLY, ValueKind::Flag, kMayBeAbsent);

const Setting<kValueCapacity> kGeneralUninstallEntry =
    General<kValueCapacity>(KEY_UNINSTALL_ENTRY, ValueKind::Text, kOptIn);
const Setting<kValueCapacity> kGeneralVersion =
    General<kValueCapacity>(KEY_VERSION, ValueKind::Version, kOptIn);
const Setting<kPathCapacity> kGeneralInstalledProgram =
    General<kPathCapacity>(KEY_INSTALLED_PROGRAM, ValueKind::ProductFile, kOptIn);
const Setting<kValueCapacity> kGeneralRunCaption =
    General<kValueCapacity>(KEY_RUN_CAPTION, ValueKind::Text, kOptIn);
const Setting<kValueCapacity> kGeneralUpdateCaption =
    General<kValueCapacity>(KEY_UPDATE_CAPTION, ValueKind::Text, kOptIn);
const Setting<kWholeNumber> kGeneralHideWhileInstalling =
    General<kWholeNumber>(KEY_HIDE_WHILE_INSTALLING, ValueKind::HideMode, kOptIn);
const Setting<kWholeNumber> kGeneralCancelAutoPlay =
    General<kWholeNumber>(KEY_CANCEL_AUTOPLAY, ValueKind::Flag, kOptIn);

namespace {
constexpr Setting<kPathCapacity> Document(int keyId) {
  return MakeSetting<kPathCapacity>("Documents", keyId, ValueKind::DiscDocument, kOptIn);
}
}  // namespace

const Setting<kPathCapacity> kDocuments[kDocumentCount] = {
    Document(KEY_DOCUMENT1), Document(KEY_DOCUMENT2), Document(KEY_DOCUMENT3),
    Document(KEY_DOCUMENT4), Document(KEY_DOCUMENT5), Document(KEY_DOCUMENT6),
    Document(KEY_DOCUMENT7), Document(KEY_DOCUMENT8),
};

const Setting<kValueCapacity> kFormNameRegistration = FormName(KEY_FORM_REGISTRATION);
const Setting<kValueCapacity> kFormNameOrder = FormName(KEY_FORM_ORDER);
const Setting<kValueCapacity> kFormNameBuyer = FormName(KEY_FORM_BUYER);

const Setting<kValueCapacity> kValidateErrorWarning = ValidateError(KEY_WARNING_HEAD);
const Setting<kValueCapacity> kValidateErrorFirstName = ValidateError(KEY_MISSING_FIRST_NAME);
const Setting<kValueCapacity> kValidateErrorLastName = ValidateError(KEY_MISSING_LAST_NAME);
const Setting<kValueCapacity> kValidateErrorAddress = ValidateError(KEY_MISSING_ADDRESS);
const Setting<kValueCapacity> kValidateErrorCity = ValidateError(KEY_MISSING_CITY);
const Setting<kValueCapacity> kValidateErrorState = ValidateError(KEY_MISSING_STATE);
const Setting<kValueCapacity> kValidateErrorZip = ValidateError(KEY_MISSING_ZIP);
const Setting<kValueCapacity> kValidateErrorCountry = ValidateError(KEY_MISSING_COUNTRY);
const Setting<kValueCapacity> kValidateErrorPhone = ValidateError(KEY_MISSING_PHONE);
const Setting<kValueCapacity> kValidateErrorCardNumber =
    ValidateError(KEY_MISSING_CARD_NUMBER, kRepeatsPrevious);
const Setting<kValueCapacity> kValidateErrorExpiration =
    ValidateError(KEY_MISSING_EXPIRATION, kRepeatsPrevious);

const Setting<kCountryCodeCapacity> kCountryCodeUsa =
    MakeSetting<kCountryCodeCapacity>("Country Code", KEY_COUNTRY_USA, ValueKind::Text);
const Setting<kCountryCodeCapacity> kCountryCodeCanada =
    MakeSetting<kCountryCodeCapacity>("Country Code", KEY_COUNTRY_CANADA, ValueKind::Text);

const Setting<kValueCapacity> kRegisterProduct =
    MakeSetting<kValueCapacity>("Register", KEY_PRODUCT, ValueKind::Text);

namespace {

const VocabularyKey *const kGeneralList[] = {
    &kGeneralInstaller,  &kGeneralStartup,           &kGeneralProductPage,
    &kGeneralRegistrationFile, &kGeneralVendorSite,  &kGeneralOrderOnline,
    &kGeneralTaxState,   &kGeneralOrderFormTemplate, &kGeneralProfileFile,
    &kGeneralEnglishOnly, &kGeneralUninstallEntry,   &kGeneralVersion,
    &kGeneralInstalledProgram, &kGeneralRunCaption,  &kGeneralUpdateCaption,
    &kGeneralHideWhileInstalling, &kGeneralCancelAutoPlay,
};
const VocabularyKey *const kFormNameList[] = {&kFormNameRegistration, &kFormNameOrder,
                                              &kFormNameBuyer};
const VocabularyKey *const kValidateErrorList[] = {
    &kValidateErrorWarning, &kValidateErrorFirstName,  &kValidateErrorLastName,
    &kValidateErrorAddress, &kValidateErrorCity,       &kValidateErrorState,
    &kValidateErrorZip,     &kValidateErrorCountry,    &kValidateErrorPhone,
    &kValidateErrorCardNumber, &kValidateErrorExpiration,
};

const VocabularyKey *const kCountryCodeList[] = {&kCountryCodeUsa, &kCountryCodeCanada};
const VocabularyKey *const kDocumentList[] = {&kDocuments[0], &kDocuments[1], &kDocuments[2],
                                              &kDocuments[3], &kDocuments[4], &kDocuments[5],
                                              &kDocuments[6], &kDocuments[7]};

template <int Count>
constexpr VocabularyRows Rows(const VocabularyKey *const (&rows)[Count]) {
  return {rows, Count};
}

}  // namespace

const VocabularyRows kGeneralRows = Rows(kGeneralList);
const VocabularyRows kFormNameRows = Rows(kFormNameList);
const VocabularyRows kValidateErrorRows = Rows(kValidateErrorList);
const VocabularyRows kCountryCodeRows = Rows(kCountryCodeList);
const VocabularyRows kDocumentRows = Rows(kDocumentList);
