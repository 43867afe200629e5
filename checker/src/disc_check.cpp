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
          SectionOf(kOrderLabelKeys)})
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

std::vector<Finding> CheckDisc(const std::string &folder) {
  DiscCheck check;
  check.folder = folder;
  const std::string settingsPath = FindOnDisc(folder, "VelInst.ini");
  if (settingsPath.empty()) {
    check.findings.Error(DiscPathForReport(folder, "VelInst.ini"), 1,
                         "the settings file is missing: the launcher reads everything that "
                         "depends on the disc from it");
    return check.findings.list;
  }
  check.settings = LoadSettingsFile(settingsPath, check.findings);
  CheckSettings(check);
  CheckTemplates(check);
  std::vector<Finding> sorted = check.findings.list;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding &a, const Finding &b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  return sorted;
}
