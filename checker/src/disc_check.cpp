#include "disc_check.h"

#include <algorithm>
#include <list>

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
  static std::list<std::vector<VocabularyKey>> keep;  // lives as long as the sections
  std::vector<VocabularyKey> keys;
  CustomerRecord record = {};
  for (int i = 0; i < map.count; ++i)
    keys.push_back({map.rows[i].keyId, kValueCapacity, ValueKind::FieldName, false,
                    FieldOf(record, map.rows[i].field).width, false});
  keep.push_back(keys);
  return {map.section, keep.back().data(), static_cast<int>(keep.back().size())};
}

}  // namespace

const std::vector<FormFields> &FormFieldSections() {
  static const std::vector<FormFields> forms = {
      {FieldMapSection(kRegistrationFormMap), KEY_FORM_REGISTRATION},
      {FieldMapSection(kBuyerFormMap), KEY_FORM_BUYER},
      {kOrderFormKeys, KEY_FORM_ORDER},
  };
  return forms;
}

const std::vector<VocabularySection> &SettingsSections() {
  static const std::vector<VocabularySection> sections = [] {
    std::vector<VocabularySection> all = {kGeneralKeys, kFormNameKeys};
    for (const FormFields &form : FormFieldSections()) all.push_back(form.section);
    for (const VocabularySection &section :
         {kValidateErrorKeys, kUnitPriceKeys, kShippingPriceKeys, kCountryCodeKeys,
          kPaymentStringKeys, kOrderLabelKeys})
      all.push_back(section);
    return all;
  }();
  return sections;
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
