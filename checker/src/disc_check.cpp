#include "disc_check.h"

#include <algorithm>
#include <iterator>

#include "customer/customer_fields.h"
#include "customer/field_maps.h"
#include "disc_files.h"
#include "order/order_keys.h"
#include "resources/text_table.h"
#include "resources/texts.h"
#include "settings/settings.h"

namespace {

// A field map as vocabulary: each key names an edit field whose text is
// read into its record field.
VocabularySection FieldMapSection(const FieldMap &map) {
  VocabularySection section = {map.rows[0].key.section, {}};
  CustomerRecord record = {};
  for (int i = 0; i < map.count; ++i) {
    section.keys.push_back(map.rows[i].key);
    section.keys.back().fieldCapacity = FieldOf(record, map.rows[i].field).width;
  }
  return section;
}

template <int Capacity, size_t Count>
VocabularySection SectionOf(const Setting<Capacity> (&rows)[Count]) {
  return {rows[0].section, std::vector<VocabularyKey>(std::begin(rows), std::end(rows))};
}

VocabularySection SectionOf(const VocabularyRows &list) {
  VocabularySection section = {list.rows[0]->section, {}};
  for (int i = 0; i < list.count; ++i) section.keys.push_back(*list.rows[i]);
  return section;
}

}  // namespace

const std::vector<FormFields> &FormFieldSections() {
  static const std::vector<FormFields> forms = {
      {FieldMapSection(kRegistrationFormMap), &kFormNameRegistration},
      {FieldMapSection(kBuyerFormMap), &kFormNameBuyer},
      {SectionOf(kOrderFormKeys), &kFormNameOrder},
  };
  return forms;
}

const std::vector<VocabularySection> &SettingsSections() {
  static const std::vector<VocabularySection> sections = [] {
    std::vector<VocabularySection> all = {SectionOf(kGeneralRows), SectionOf(kFormNameRows)};
    for (const FormFields &form : FormFieldSections()) all.push_back(form.section);
    for (const VocabularySection &section :
         {SectionOf(kValidateErrorRows), SectionOf(kUnitPriceKeys), SectionOf(kShippingPriceKeys),
          SectionOf(kCountryCodeRows), VocabularySection{kPaymentStringCheck.section, {kPaymentStringCheck}},
          SectionOf(kOrderLabelKeys), SectionOf(kDocumentRows)})
      all.push_back(section);
    return all;
  }();
  return sections;
}

const VocabularySection &RegistrationFileSection() {
  static const VocabularySection section = {kRegisterProduct.section, {kRegisterProduct}};
  return section;
}

std::string KeyLabel(const char *section, int keyId) {
  return std::string("[") + section + "] " + TextOf(keyId);
}

// One settings file with the screens and files it names.
void CheckSettingsFile(const std::string &folder, const std::string &path, Findings &findings) {
  DiscCheck check;
  check.folder = folder;
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
  CheckSettingsFile(folder, settingsPath, findings);
  for (const std::string &path : LanguageSettingsFiles(folder))
    CheckSettingsFile(folder, path, findings);
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
