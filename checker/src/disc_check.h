#pragma once
// velinst-check: a disc folder against the launcher's own rules, before the
// disc is pressed.
#include <string>
#include <vector>

#include "findings.h"
#include "settings/key_vocabulary.h"
#include "settings_file.h"

// Every finding about the disc in `folder`, sorted by file and line.
std::vector<Finding> CheckDisc(const std::string &folder);

// What the two parts of the check share.
struct DiscCheck {
  std::string folder;
  SettingsFile settings;
  Findings findings;
  bool languageFile = false;  // VelInst.LLLL.ini or VelInst.PP.ini, not VelInst.ini
};

// A section of the vocabulary, as the checker goes through it.
struct VocabularySection {
  const char *name;
  std::vector<VocabularyKey> keys;
};

// A form's field section and the [Form Name] key of the template it
// belongs to. The order form's template is also [General] "Orderform Dtp".
struct FormFields {
  VocabularySection section;
  const VocabularyKey *formName;
};

// The sections of VelInst.ini the launcher reads, the three forms, and
// [Register] of the registration file.
const std::vector<VocabularySection> &SettingsSections();
const std::vector<FormFields> &FormFieldSections();
const VocabularySection &RegistrationFileSection();

// The keys of the settings file: presence, lengths and values, the files
// they name, the registration file.
void CheckSettings(DiscCheck &check);

// The screens: the start and order templates and every screen reached from
// them, the forms' field names and lengths, the template names, the payment
// options.
void CheckTemplates(DiscCheck &check);

// "[General] Installer", for messages.
std::string KeyLabel(const char *section, int keyId);
