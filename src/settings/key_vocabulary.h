#pragma once
// The vocabulary of a disc's settings: every key the launcher reads from the
// disc's files, made from the rows of resources/settings_keys.inc. The
// launcher reads a key only through its row (settings/settings.h), so each
// read's section and capacity stand in one place; the disc checker
// (velinst-check) checks a disc against the same rows, and docs/settings.md
// describes them.
#include "resources/texts.h"

constexpr int kPathCapacity = 260;          // paths and web addresses
constexpr int kValueCapacity = 256;         // most values and display texts
constexpr int kTaxStateCapacity = 8;        // a state code: at most 7 characters
constexpr int kCountryCodeCapacity = 64;
constexpr int kQuantityTextCapacity = 64;   // a quantity field's text: 63 characters
constexpr int kPaymentTextCapacity = 32;    // payment method, card number, expiration: 31
constexpr int kCodePageCapacity = 8;        // a code page's number: at most 7 characters

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
  ProductCode,   // a Windows Installer code: a GUID in braces
  DiscDocument,  // a file or folder named relative to the program's folder
  ScriptAddress, // the web address of the vendor's mail script
  Mailbox,       // the mailbox the mail script forwards registrations to
  ThankYouPage,  // the web address the mail script sends the launcher on to
  CodePage,      // the number of the code page a file's texts are written in
};

enum KeyTraits {
  kPlainKey = 0,
  // Read into the buffer that holds the text read just before it: an absent
  // key silently repeats that text.
  kRepeatsPrevious = 1,
  // Absent has a meaning of its own (no installer; screens only on English
  // systems), so its absence is worth a warning, not an error.
  kMayBeAbsent = 2,
  // Absent, the disc does not use what the key turns on: nothing to report.
  kOptIn = 4,
  // A key of the product's registration file, not of the settings file.
  kInRegistrationFile = 8,
};

// A row as the disc checker goes through it, whatever it is read into.
struct VocabularyKey {
  const char *section;
  int keyId;  // its string-table text is the key's name
  // Bytes of the buffer the text is read into, terminator included; 0 for a
  // key read as a whole number.
  int capacity;
  ValueKind kind;
  bool repeatsPrevious;
  // FieldName only: bytes of the buffer the field's text is read into; 0 when
  // the launcher only writes the field.
  int fieldCapacity;
  bool mayBeAbsent;
  bool optIn;
  bool inRegistrationFile;
};

// A key read as text. The capacity is part of the type: a read into a buffer
// of another size does not compile.
template <int Capacity>
struct Setting : VocabularyKey {};

// A key read as a whole number.
struct WholeNumberSetting : VocabularyKey {};

template <int Capacity>
constexpr int TextCapacity(const Setting<Capacity> *) { return Capacity; }
constexpr int TextCapacity(const WholeNumberSetting *) { return 0; }

template <typename Row>
constexpr Row MakeRow(const char *section, int keyId, ValueKind kind, int traits,
                      int fieldCapacity = 0) {
  return {{section, keyId, TextCapacity(static_cast<const Row *>(nullptr)), kind,
           (traits & kRepeatsPrevious) != 0, fieldCapacity, (traits & kMayBeAbsent) != 0,
           (traits & kOptIn) != 0, (traits & kInRegistrationFile) != 0}};
}

#define VELINST_SETTING(row, id, constant, name, section, Type, kind, ...) \
  inline constexpr Type row = MakeRow<Type>(section, constant, ValueKind::kind, __VA_ARGS__);
#include "resources/settings_keys.inc"
#undef VELINST_SETTING

// Every row, in the table's order.
inline constexpr const VocabularyKey *kSettingsKeys[] = {
#define VELINST_SETTING(row, ...) &row,
#include "resources/settings_keys.inc"
#undef VELINST_SETTING
};
constexpr int kSettingsKeyCount = sizeof kSettingsKeys / sizeof kSettingsKeys[0];

// Section names match as the profile service matches them: ignoring the case
// of A-Z.
constexpr bool SameSectionName(const char *a, const char *b) {
  for (;; ++a, ++b) {
    const char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a - 'A' + 'a') : *a;
    const char y = *b >= 'A' && *b <= 'Z' ? static_cast<char>(*b - 'A' + 'a') : *b;
    if (x != y) return false;
    if (x == '\0') return true;
  }
}

// Named where a section's rows cannot serve as one array: it is no constant
// expression, so the compiler reports its name.
void SectionRowsMustStandTogetherWithOneCapacity();

// The rows of one section, in the table's order, for code that reads them by
// position (the ordering keys, the documents). They stand together in the
// table and are all read into buffers of Capacity bytes, or this does not
// compile.
template <int Capacity>
class SectionKeys {
 public:
  constexpr explicit SectionKeys(const char *section) {
    for (int i = 0; i < kSettingsKeyCount; ++i) {
      if (!SameSectionName(kSettingsKeys[i]->section, section)) continue;
      if (count_ == 0) first_ = i;
      if (first_ + count_ != i || kSettingsKeys[i]->capacity != Capacity)
        SectionRowsMustStandTogetherWithOneCapacity();
      ++count_;
    }
  }
  constexpr int size() const { return count_; }
  constexpr const Setting<Capacity> &operator[](int position) const {
    return static_cast<const Setting<Capacity> &>(*kSettingsKeys[first_ + position]);
  }

 private:
  int first_ = 0;
  int count_ = 0;
};

// [Documents] "Document1"-"Document8".
constexpr int kDocumentCount = 8;
inline constexpr SectionKeys<kPathCapacity> kDocuments{"Documents"};
static_assert(kDocuments.size() == kDocumentCount, "eight documents");
