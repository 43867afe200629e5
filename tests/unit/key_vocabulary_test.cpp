// The disc checker's vocabulary against the launcher itself: every read the
// launcher makes of the disc's files, recorded by the profile fake while it
// runs its operations, is a key of the vocabulary with the same capacity,
// and every key of the vocabulary that the built operations use is read.
#include <set>
#include <string>

#include "customer/form_checks.h"
#include "customer_fixture.h"
#include "disc_check.h"
#include "resources/text_table.h"
#include "resources/texts.h"
#include "shell/backdrop_events.h"
#include "shell/browser.h"
#include "shell/installer.h"
#include "shell/language_gate.h"

namespace {

class VocabularyTest : public CustomerTest {
 protected:
  // Runs every operation of the launcher that reads the disc's files.
  void RunTheLauncher() {
    Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
    PassLanguageGate();
    OpenStartupTemplate(nullptr);
    LaunchInstaller(nullptr);
    for (int key : {KEY_PRODUCT_PAGE, KEY_VENDOR_SITE, KEY_ORDER_ONLINE}) OpenSettingsUrl(key);
    OpenRegistrationForm();
    OnTemplateOpened("Registration");
    OpenRegistrationForm();
    CustomerRecord record = {};
    CollectRegistration(record);  // every required field missing
    OpenBuyerForm();
    OnTemplateOpened("Buyer");
    OpenBuyerForm();
    CheckBuyerForm(BuyerRecord);
    IsOrderFormCurrent();
  }
};

const VocabularyKey *FindRead(const VocabularySection &section, const ProfileRead &read) {
  if (!EqualsIgnoringCase(section.name, read.section.c_str())) return nullptr;
  for (int i = 0; i < section.count; ++i)
    if (read.key == TextOf(section.keys[i].keyId)) return &section.keys[i];
  return nullptr;
}

TEST_F(VocabularyTest, EveryReadIsAVocabularyKeyOfThatCapacity) {
  RunTheLauncher();
  std::set<std::string> read;
  for (const ProfileRead &each : Fake().profileReadLog) {
    SCOPED_TRACE("[" + each.section + "] " + each.key);
    const VocabularyKey *key = nullptr;
    if (each.file == SettingsPath) {
      for (const VocabularySection &section : SettingsSections())
        if (key == nullptr) key = FindRead(section, each);
    } else if (each.file.find("register.ini") != std::string::npos) {
      key = FindRead(kRegisterKeys, each);
    } else {
      continue;  // the profile file, which is not on the disc
    }
    ASSERT_NE(nullptr, key);
    EXPECT_EQ(key->capacity, each.capacity);
    read.insert(each.key);
  }
  // Ordering reads the [General] tax state and order-form template, the
  // payment texts and its own sections.
  for (const VocabularySection *section : {&kGeneralKeys, &kFormNameKeys, &kValidateErrorKeys}) {
    for (int i = 0; i < section->count; ++i) {
      const int id = section->keys[i].keyId;
      if (id == KEY_TAX_STATE || id == KEY_ORDER_FORM_TEMPLATE || id == KEY_MISSING_CARD_NUMBER ||
          id == KEY_MISSING_EXPIRATION)
        continue;
      EXPECT_EQ(1u, read.count(TextOf(id))) << section->name << " " << TextOf(id);
    }
  }
  for (const FormFields &form : FormFieldSections()) {
    if (form.formNameKeyId == KEY_FORM_ORDER) continue;
    for (int i = 0; i < form.section.count; ++i)
      EXPECT_EQ(1u, read.count(TextOf(form.section.keys[i].keyId))) << form.section.name;
  }
  EXPECT_EQ(1u, read.count(TextOf(KEY_COUNTRY_USA)));
  EXPECT_EQ(1u, read.count(TextOf(KEY_PRODUCT)));
}

}  // namespace
