// The disc checker's vocabulary against the launcher itself: every read the
// launcher makes of the disc's files, recorded by the profile fake while it
// runs its operations, is a key of the vocabulary with the same capacity,
// and every key of the vocabulary that the built operations use is read.
#include <cctype>
#include <set>
#include <string>

#include "customer/form_checks.h"
#include "customer_fixture.h"
#include "disc_check.h"
#include "fake_printer.h"
#include "order/order_form.h"
#include "order/purchase_form.h"
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
    OpenBuyerForm({{"buyer_first_name", "Ann"}, {"buyer_last_name", "Lee"},
                   {"buyer_street1", "1 Main St"}, {"buyer_city", "Austin"},
                   {"buyer_state", "TX"}, {"buyer_zip", "78701"},
                   {"buyer_country", "USA"}, {"buyer_phone", "555-0100"}});
    OpenOrderForm(nullptr);
    OpenFakeTemplate("Order", {});
    for (const char *country : {"USA", "Canada", "Elsewhere"}) {
      CopyText(BuyerRecord.country, sizeof BuyerRecord.country, country);
      RecalculateOrderForm(BuyerRecord);
    }
    PrintPurchase(nullptr);  // no card details: the warning's texts
    Forms().current.radioSelections[1] = "Visa";
    Forms().current.fields = {{"card_number", "4111"}, {"card_expiration", "12/28"}};
    PrintPurchase(nullptr);
  }
};

// Section names are compared without regard to case.
std::string Lower(std::string name) {
  for (char &c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return name;
}

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
    read.insert(Lower(each.section) + "] " + each.key);
  }
  for (const VocabularySection &section : SettingsSections()) {
    for (int i = 0; i < section.count; ++i) {
      const int id = section.keys[i].keyId;
      EXPECT_EQ(1u, read.count(Lower(section.name) + "] " + TextOf(id)))
          << section.name << " " << TextOf(id);
    }
  }
  EXPECT_EQ(1u, read.count(std::string("register] ") + TextOf(KEY_PRODUCT)));
}

}  // namespace
