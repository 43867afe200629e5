#include "disc_check.h"

#include <algorithm>

#include "customer/customer_fields.h"
#include "customer/field_maps.h"
#include "disc_files.h"
#include "order/order_keys.h"
#include "resources/text_table.h"
#include "resources/texts.h"

namespace {

// A field map's fields are read into the record fields they belong to.
int RecordFieldWidth(int keyId) {
  CustomerRecord record = {};
  for (const FieldMap *map : {&kRegistrationFormMap, &kBuyerFormMap})
    for (int i = 0; i < map->count; ++i)
      if (map->rows[i].key.keyId == keyId) return FieldOf(record, map->rows[i].field).width;
  return 0;
}

VocabularySection SectionNamed(const char *name) {
  for (const VocabularySection &section : SettingsSections())
    if (SameSectionName(section.name, name)) return section;
  return {name, {}};
}

}  // namespace

const std::vector<VocabularySection> &SettingsSections() {
  static const std::vector<VocabularySection> sections = [] {
    std::vector<VocabularySection> all;
    for (const VocabularyKey *row : kSettingsKeys) {
      if (row->inRegistrationFile) continue;
      auto section = std::find_if(all.begin(), all.end(), [&](const VocabularySection &each) {
        return SameSectionName(each.name, row->section);
      });
      if (section == all.end()) section = all.insert(all.end(), {row->section, {}});
      section->keys.push_back(*row);
      if (const int width = RecordFieldWidth(row->keyId)) section->keys.back().fieldCapacity = width;
    }
    return all;
  }();
  return sections;
}

const std::vector<FormFields> &FormFieldSections() {
  static const std::vector<FormFields> forms = {
      {SectionNamed(kRegistrationFormMap.rows[0].key.section), &kFormNameRegistration},
      {SectionNamed(kBuyerFormMap.rows[0].key.section), &kFormNameBuyer},
      {SectionNamed(kOrderFormKeys[0].section), &kFormNameOrder},
  };
  return forms;
}

const VocabularySection &RegistrationFileSection() {
  static const VocabularySection section = [] {
    VocabularySection file = {kRegisterProduct.section, {}};
    for (const VocabularyKey *row : kSettingsKeys)
      if (row->inRegistrationFile) file.keys.push_back(*row);
    return file;
  }();
  return section;
}

std::string KeyLabel(const char *section, int keyId) {
  return std::string("[") + section + "] " + TextOf(keyId);
}

// One settings file with the screens and files it names.
void CheckSettingsFile(const std::string &folder, const std::string &path, bool languageFile,
                       Findings &findings) {
  DiscCheck check;
  check.folder = folder;
  check.languageFile = languageFile;
  check.settings = LoadSettingsFile(path, check.findings);
  CheckSettings(check);
  CheckTemplates(check);
  findings.list.insert(findings.list.end(), check.findings.list.begin(), check.findings.list.end());
}

std::vector<Finding> CheckDisc(const std::string &folder) {
  Findings findings;
  const std::string settingsPath = FindOnDisc(folder, "VelInst.ini");
  if (settingsPath.empty()) {
    findings.Error(DiscPathForReport(folder, "VelInst.ini"), 1,
                   "the settings file is missing: the launcher reads everything that "
                   "depends on the disc from it");
    return findings.list;
  }
  CheckSettingsFile(folder, settingsPath, false, findings);
  for (const std::string &path : LanguageSettingsFiles(folder)) {
    if (IsPrimaryLanguageFileNeverRead(path)) {
      findings.Warning(path, 1,
                       "the launcher never reads this file: Chinese in Simplified and in "
                       "Traditional script do not stand in for each other; name it "
                       "VelInst.0804.ini (Simplified) or VelInst.0404.ini (Traditional)");
      continue;
    }
    CheckSettingsFile(folder, path, true, findings);
  }
  // A screen that the settings of several languages share is reported once.
  std::vector<Finding> sorted = findings.list;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding &a, const Finding &b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  std::vector<Finding> once;
  for (const Finding &finding : sorted) {
    const bool seen = std::any_of(once.begin(), once.end(), [&](const Finding &other) {
      return other.file == finding.file && other.line == finding.line &&
             other.severity == finding.severity && other.message == finding.message;
    });
    if (!seen) once.push_back(finding);
  }
  return once;
}
