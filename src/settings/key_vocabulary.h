#pragma once
// The vocabulary of a disc's settings: every key the launcher reads from the
// disc's files, in which section, into a buffer of what size, and what its
// value is. Each reader's tables stand beside its code (the field maps in
// customer/, the ordering keys in order/); the general ones stand here. The
// disc checker (velinst-check) checks a disc against all of them, and
// docs/settings.md describes them.

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
};

struct VocabularyKey {
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
};

struct VocabularySection {
  const char *name;
  const VocabularyKey *keys;
  int count;
};

template <int Count>
constexpr VocabularySection MakeSection(const char *name, const VocabularyKey (&keys)[Count]) {
  return {name, keys, Count};
}

// Sections of VelInst.ini: [General], [Form Name], [Validate Error].
extern const VocabularySection kGeneralKeys;
extern const VocabularySection kFormNameKeys;
extern const VocabularySection kValidateErrorKeys;
// Section [Register] of the product's registration file.
extern const VocabularySection kRegisterKeys;

// The row of keyId in the section, or nullptr.
const VocabularyKey *FindVocabularyKey(const VocabularySection &section, int keyId);
