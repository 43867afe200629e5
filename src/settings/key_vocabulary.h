#pragma once
// The vocabulary of a disc's settings: every key the launcher reads from the
// disc's files, as one row each: its section, its key id (whose string-table
// text is the key's name), the buffer its value is read into and what the
// value is. The launcher reads a key only through its row (ReadSetting,
// settings/settings.h), so each read's section and capacity stand in one
// place. Each reader's rows stand beside its code (the field maps in
// customer/, the ordering keys in order/); the general ones stand here. The
// disc checker (velinst-check) checks a disc against all of them, and
// docs/settings.md describes them.

constexpr int kPathCapacity = 260;   // paths and web addresses
constexpr int kValueCapacity = 256;  // most values and display texts
constexpr int kWholeNumber = 0;      // the capacity of a key read as a whole number

enum class ValueKind {
  Text,          // shown, printed or compared as it stands
  DiscFile,      // a file named relative to the program's folder
  TemplateFile,  // a template file named relative to the program's folder
  WebAddress,    // opened in the web browser
  ProfileName,   // the profile file's name, in the Windows folder
  Flag,          // a whole number, 0 or 1
  TemplateName,  // compared with the name of a template
  FieldName,     // an edit field of the section's form
  Decimal,       // a price: a decimal number
  Version,       // a version, compared number by number
  HideMode,      // a whole number: 0, 1 or 2
  ProductFile,   // a file named relative to the installed product's folder
  DiscDocument,  // a file or folder named relative to the program's folder
};

struct VocabularyKey {
  const char *section;
  int keyId;
  int capacity;  // bytes of the buffer the value is read into, terminator included
  ValueKind kind;
  // Read into the buffer that holds the text read just before it: an absent
  // key silently repeats that text.
  bool repeatsPrevious;
  // FieldName only: bytes of the buffer the field's text is read into; 0 when
  // the launcher only writes the field.
  int fieldCapacity;
  // Absent has a meaning of its own (no installer; screens only on English
  // systems), so its absence is worth a warning, not an error.
  bool mayBeAbsent;
  // Absent, the disc does not use what the key turns on: nothing to report.
  bool optIn;
};

// A row whose capacity is part of its type: a read into a buffer of another
// size does not compile.
template <int Capacity>
struct Setting : VocabularyKey {};

enum KeyTraits { kPlainKey = 0, kRepeatsPrevious = 1, kMayBeAbsent = 2, kOptIn = 4 };

template <int Capacity>
constexpr Setting<Capacity> MakeSetting(const char *section, int keyId, ValueKind kind,
                                        int traits = kPlainKey, int fieldCapacity = 0) {
  return {{section, keyId, Capacity, kind, (traits & kRepeatsPrevious) != 0, fieldCapacity,
           (traits & kMayBeAbsent) != 0, (traits & kOptIn) != 0}};
}

// Section [General] of VelInst.ini.
extern const Setting<kPathCapacity> kGeneralInstaller;
extern const Setting<kPathCapacity> kGeneralStartup;
extern const Setting<kPathCapacity> kGeneralProductPage;
extern const Setting<kPathCapacity> kGeneralRegistrationFile;
extern const Setting<kPathCapacity> kGeneralVendorSite;
extern const Setting<kPathCapacity> kGeneralOrderOnline;
constexpr int kTaxStateCapacity = 8;  // a state code: at most 7 characters
extern const Setting<kTaxStateCapacity> kGeneralTaxState;
extern const Setting<kPathCapacity> kGeneralOrderFormTemplate;
extern const Setting<kPathCapacity> kGeneralProfileFile;
extern const Setting<kWholeNumber> kGeneralEnglishOnly;
// The installed product, stepping aside for the installer, AutoPlay.
extern const Setting<kValueCapacity> kGeneralUninstallEntry;
extern const Setting<kValueCapacity> kGeneralVersion;
extern const Setting<kPathCapacity> kGeneralInstalledProgram;
extern const Setting<kValueCapacity> kGeneralRunCaption;
extern const Setting<kValueCapacity> kGeneralUpdateCaption;
extern const Setting<kWholeNumber> kGeneralHideWhileInstalling;
extern const Setting<kWholeNumber> kGeneralCancelAutoPlay;

// Section [Documents]: files and folders of the disc that commands open.
constexpr int kDocumentCount = 8;
extern const Setting<kPathCapacity> kDocuments[kDocumentCount];

// Section [Form Name]: the names of the templates the launcher tells apart.
extern const Setting<kValueCapacity> kFormNameRegistration;
extern const Setting<kValueCapacity> kFormNameOrder;
extern const Setting<kValueCapacity> kFormNameBuyer;

// Section [Validate Error]: the warning's head and the text of each missing
// field or payment detail.
extern const Setting<kValueCapacity> kValidateErrorWarning;
extern const Setting<kValueCapacity> kValidateErrorFirstName;
extern const Setting<kValueCapacity> kValidateErrorLastName;
extern const Setting<kValueCapacity> kValidateErrorAddress;
extern const Setting<kValueCapacity> kValidateErrorCity;
extern const Setting<kValueCapacity> kValidateErrorState;
extern const Setting<kValueCapacity> kValidateErrorZip;
extern const Setting<kValueCapacity> kValidateErrorCountry;
extern const Setting<kValueCapacity> kValidateErrorPhone;
extern const Setting<kValueCapacity> kValidateErrorCardNumber;
extern const Setting<kValueCapacity> kValidateErrorExpiration;

// Section [Country Code]: the countries of the USA and Canada shipping
// prices; the first is also the buyer's country when the profile has none.
constexpr int kCountryCodeCapacity = 64;
extern const Setting<kCountryCodeCapacity> kCountryCodeUsa;
extern const Setting<kCountryCodeCapacity> kCountryCodeCanada;

// Section [Register] of the product's registration file.
extern const Setting<kValueCapacity> kRegisterProduct;

// The rows of a section that are named one by one, in the order the disc
// checker reports them. A row missing here is missing from the checker's
// and the reference's view of its section (tests/unit compares them).
struct VocabularyRows {
  const VocabularyKey *const *rows;
  int count;
};
extern const VocabularyRows kGeneralRows;
extern const VocabularyRows kFormNameRows;
extern const VocabularyRows kValidateErrorRows;
extern const VocabularyRows kCountryCodeRows;
extern const VocabularyRows kDocumentRows;
