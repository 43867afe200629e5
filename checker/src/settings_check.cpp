// The keys of VelInst.ini and of the registration file.
#include <string>

#include "disc_check.h"
#include "disc_files.h"
#include "order/decimal.h"
#include "product/product_code.h"
#include "registration/destination.h"
#include "resources/text_table.h"
#include "resources/texts.h"
#include "settings/key_vocabulary.h"
#include "settings/language_files.h"
#include "text/bounded.h"

namespace {

// The launcher runs from the disc's root, such as D:\ (3 characters), and
// keeps the profile in the Windows folder, such as C:\WINDOWS\ (11).
constexpr int kDiscRootLength = 3;
constexpr int kWindowsFolderLength = 11;

bool HasPrefixIgnoringCase(const std::string &text, const char *prefix) {
  const std::string start = text.substr(0, std::char_traits<char>::length(prefix));
  return EqualsIgnoringCase(start.c_str(), prefix);
}

void ReportAbsent(DiscCheck &check, const SettingsFile &file, const char *section,
                  const VocabularyKey &key, int line) {
  const std::string label = KeyLabel(section, key.keyId);
  if (key.optIn) return;
  if (key.mayBeAbsent) {
    check.findings.Warning(file.path, line,
                           label + " is absent: " +
                               (key.keyId == KEY_INSTALLER
                                    ? "no installer is started"
                                    : "the screens are shown on English systems only"));
  } else if (key.repeatsPrevious) {
    check.findings.Error(file.path, line,
                         label + " is absent: the launcher reads it into the buffer of the "
                                 "text read just before it and would silently use that text "
                                 "again");
  } else {
    check.findings.Error(file.path, line, label + " is absent: the launcher reads it as empty");
  }
}

void CheckWebAddress(DiscCheck &check, const std::string &label, const SettingValue &value) {
  const std::string &address = value.text;
  const bool http = HasPrefixIgnoringCase(address, "http://");
  const bool https = HasPrefixIgnoringCase(address, "https://");
  const size_t hostStart = http ? 7 : 8;
  if ((!http && !https) || address.size() <= hostStart || address[hostStart] == '/') {
    check.findings.Error(check.settings.path, value.line,
                         label + " " + Quoted(address) +
                             " is not an absolute http:// or https:// web address");
  } else if (address.find_first_of(" \t\"'") != std::string::npos) {
    check.findings.Error(check.settings.path, value.line,
                         label + " holds a blank or a quote: the browser would take it for "
                                 "the end of the address; write %20 for a blank");
  }
}

void CheckDiscFileName(DiscCheck &check, const std::string &label, const SettingValue &value) {
  if (IsAbsoluteDiscName(value.text)) {
    check.findings.Error(check.settings.path, value.line,
                         label + " " + Quoted(value.text) +
                             " must name a file relative to the disc's root folder");
  } else if (kDiscRootLength + value.text.size() >= static_cast<size_t>(kPathCapacity)) {
    check.findings.Error(check.settings.path, value.line,
                         label + " is too long: with the disc's drive (D:\\) in front the path "
                                 "does not fit the launcher's 259 characters");
  } else if (FindOnDisc(check.folder, value.text).empty()) {
    check.findings.Error(check.settings.path, value.line,
                         label + " names " + Quoted(value.text) + ", which is not on the disc");
  }
}

// A document may be a folder of the disc too ("." is the disc itself).
void CheckDocument(DiscCheck &check, const std::string &label, const SettingValue &value) {
  if (!IsAbsoluteDiscName(value.text) && !FindOnDisc(check.folder, value.text, true).empty())
    return;
  CheckDiscFileName(check, label, value);
}

void CheckProfileName(DiscCheck &check, const std::string &label, const SettingValue &value) {
  if (value.text.find_first_of("\\/:") != std::string::npos) {
    check.findings.Error(check.settings.path, value.line,
                         label + " must be a file name without a folder: the profile is kept "
                                 "in the Windows folder");
  } else if (kWindowsFolderLength + value.text.size() >= static_cast<size_t>(kPathCapacity)) {
    check.findings.Error(check.settings.path, value.line,
                         label + " is too long for the profile's path in the Windows folder");
  }
}

// Whether the disc's registrations go over https: the thank-you page must
// then be https too.
bool RegistrationIsSecure(const DiscCheck &check) {
  const SettingValue address = LookUp(check.settings, kGeneralRegistrationAddress);
  WebAddress script = {};
  return address.present && ReadScriptAddress(address.text.c_str(), script) == nullptr &&
         script.secure;
}

// A value of where registrations go, as the launcher checks it when it sends one.
void CheckDestinationValue(DiscCheck &check, const std::string &label, const SettingValue &value,
                           const char *fault) {
  if (fault != nullptr)
    check.findings.Error(check.settings.path, value.line,
                         label + " " + Quoted(value.text) + " " + fault +
                             " (Register Online would send nothing)");
}

// A value that is wrong in itself: the key, the value and what is wrong.
void ValueError(DiscCheck &check, const std::string &label, const SettingValue &value,
                const char *fault) {
  check.findings.Error(check.settings.path, value.line, label + " " + Quoted(value.text) + fault);
}

// The value of one present key, by what it is.
void CheckValue(DiscCheck &check, const char *section, const VocabularyKey &key,
                const SettingValue &value) {
  const std::string label = KeyLabel(section, key.keyId);
  const std::string &path = check.settings.path;
  if (key.capacity > 0 && value.text.size() >= static_cast<size_t>(key.capacity)) {
    check.findings.Error(path, value.line,
                         label + " is " + std::to_string(value.text.size()) +
                             " characters long; the launcher keeps only the first " +
                             std::to_string(key.capacity - 1));
    return;
  }
  switch (key.kind) {
    case ValueKind::WebAddress: CheckWebAddress(check, label, value); break;
    case ValueKind::DiscFile:
    case ValueKind::TemplateFile: CheckDiscFileName(check, label, value); break;
    case ValueKind::ProfileName: CheckProfileName(check, label, value); break;
    case ValueKind::Flag:
      if (value.text != "0" && value.text != "1")
        check.findings.Error(path, value.line, label + " must be 0 or 1");
      break;
    case ValueKind::HideMode:
      if (value.text != "0" && value.text != "1" && value.text != "2")
        check.findings.Error(path, value.line,
                             label + " must be 0 (stay shown), 1 (come back) or 2 (end)");
      break;
    case ValueKind::Version:
      if (value.text.find_first_of("0123456789") == std::string::npos)
        ValueError(check, label, value,
                   " holds no number: no installed version is older, so Update is never offered");
      break;
    case ValueKind::ProductFile:
      if (IsAbsoluteDiscName(value.text))
        check.findings.Error(path, value.line,
                             label + " must name the program relative to the product's "
                                     "installation folder");
      break;
    case ValueKind::ProductCode:
      if (!IsProductCode(value.text.c_str()))
        ValueError(check, label, value,
                   " is not a code in braces such as {0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}: the "
                   "installed product is not looked for by it");
      break;
    case ValueKind::DiscDocument: CheckDocument(check, label, value); break;
    case ValueKind::Decimal: {
      int length = 0;
      ParseDecimal(value.text.c_str(), &length);
      if (length == 0 || static_cast<size_t>(length) != value.text.size())
        ValueError(check, label, value,
                   " is not a decimal number with nothing after it (such as 12.50): the launcher "
                   "reads only the number at its start, or 0");
      break;
    }
    case ValueKind::TemplateName:
    case ValueKind::FieldName:
      if (value.text.empty())
        check.findings.Error(path, value.line, label + " is empty: it must name a " +
                                                   (key.kind == ValueKind::FieldName
                                                        ? "field of its form"
                                                        : "template"));
      break;
    case ValueKind::ScriptAddress: {
      WebAddress script = {};
      CheckDestinationValue(check, label, value, ReadScriptAddress(value.text.c_str(), script));
      break;
    }
    case ValueKind::Mailbox:
      CheckDestinationValue(check, label, value, CheckMailbox(value.text.c_str()));
      break;
    case ValueKind::ThankYouPage:
      CheckDestinationValue(check, label, value,
                            CheckThankYouPage(value.text.c_str(), RegistrationIsSecure(check)));
      break;
    case ValueKind::CodePage:  // read from a language's file only: CheckCodePage
    case ValueKind::Text: break;
  }
}

// The code page a language's settings file is written in: the launcher shows
// the file only where it is the system's.
void CheckCodePage(DiscCheck &check) {
  const SettingValue value = LookUp(check.settings, kGeneralCodePage);
  const std::string label = KeyLabel(kGeneralCodePage.section, kGeneralCodePage.keyId);
  if (!check.languageFile) {
    if (value.present)
      check.findings.Warning(check.settings.path, value.line,
                             label + " does nothing in VelInst.ini: the launcher reads it only "
                                     "from a settings file for a language");
  } else if (!value.present || value.text.empty()) {
    check.findings.Warning(check.settings.path, value.line,
                           label + " is absent: the launcher takes this file to be written in "
                                   "the code page Windows gives its language and shows it "
                                   "only where that is the system's; name the code page its "
                                   "texts are saved in, such as 1252");
  } else if (value.text.size() < static_cast<size_t>(kGeneralCodePage.capacity) &&
             !IsAnsiCodePage(ParseCodePage(value.text.c_str()))) {
    // (A longer value is reported as such.)
    check.findings.Error(check.settings.path, value.line,
                         label + " " + Quoted(value.text) +
                             " is not a code page Windows runs programs in (874, 932, 936, 949, "
                             "950, 1250 to 1258, 65001): the launcher never shows this file");
  }
}

bool AllOptIn(const VocabularySection &section) {
  for (const VocabularyKey &key : section.keys)
    if (!key.optIn) return false;
  return true;
}

// Keys that only the uninstall entry gives a meaning.
void CheckInstalledProductKeys(DiscCheck &check) {
  if (LookUp(check.settings, kGeneralUninstallEntry).present) return;
  for (const VocabularyKey *key : {static_cast<const VocabularyKey *>(&kGeneralVersion),
                                   static_cast<const VocabularyKey *>(&kGeneralUpgradeCode),
                                   static_cast<const VocabularyKey *>(&kGeneralInstalledProgram),
                                   static_cast<const VocabularyKey *>(&kGeneralRunCaption),
                                   static_cast<const VocabularyKey *>(&kGeneralUpdateCaption)}) {
    const SettingValue value = LookUp(check.settings, *key);
    if (value.present)
      check.findings.Warning(check.settings.path, value.line,
                             KeyLabel(key->section, key->keyId) + " does nothing without " +
                                 KeyLabel(kGeneralUninstallEntry.section, KEY_UNINSTALL_ENTRY));
  }
}

void CheckSection(DiscCheck &check, const VocabularySection &section) {
  const int sectionLine = SectionLine(check.settings, section.name);
  if (sectionLine == 0 && AllOptIn(section)) return;
  if (sectionLine == 0) {
    std::string keys;
    for (const VocabularyKey &key : section.keys)
      keys += std::string(keys.empty() ? "" : ", ") + TextOf(key.keyId);
    check.findings.Error(check.settings.path, 1,
                         std::string("section [") + section.name +
                             "] is missing; the launcher reads its keys " + keys);
    return;
  }
  for (const VocabularyKey &key : section.keys) {
    const SettingValue value = LookUp(check.settings, section.name, key.keyId);
    if (value.present)
      CheckValue(check, section.name, key, value);
    else
      ReportAbsent(check, check.settings, section.name, key, sectionLine);
  }
}

// The product's registration file must name the product.
void CheckRegistrationFile(DiscCheck &check) {
  const SettingValue name = LookUp(check.settings, kGeneralRegistrationFile);
  const std::string path = FindOnDisc(check.folder, name.text);
  if (!name.present || path.empty()) return;  // reported with [General]
  Findings &findings = check.findings;
  SettingsFile file = LoadSettingsFile(path, findings);
  const SettingValue product = LookUp(file, kRegisterProduct);
  const std::string label = KeyLabel(kRegisterProduct.section, kRegisterProduct.keyId);
  if (!product.present || product.text.empty()) {
    findings.Error(path, product.line,
                   label + " is " + (product.present ? "empty" : "absent") +
                       ": the registration form's product name would stay empty");
  } else if (product.text.size() >= static_cast<size_t>(kRegisterProduct.capacity)) {
    findings.Error(path, product.line,
                   label + " is longer than the launcher's " +
                       std::to_string(kRegisterProduct.capacity - 1) + " characters");
  }
}

}  // namespace

void CheckSettings(DiscCheck &check) {
  for (const VocabularySection &section : SettingsSections()) CheckSection(check, section);
  CheckInstalledProductKeys(check);
  CheckCodePage(check);
  CheckRegistrationFile(check);
}
