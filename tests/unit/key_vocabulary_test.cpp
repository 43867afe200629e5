// The disc checker's vocabulary against the launcher itself. The launcher
// reads the settings file only through vocabulary rows, which carry their
// section and capacity; while it runs its operations, every key name it
// loads is a key of the vocabulary or of the profile, every key of the
// vocabulary is loaded, the registration file is read with its row's
// capacity, and no read of the settings file goes to the profile service.
#include <set>
#include <string>

#include "customer/form_checks.h"
#include "customer_fixture.h"
#include "disc_check.h"
#include "fake_printer.h"
#include "order/order_form.h"
#include "registration/destination.h"
#include "resources/text_table.h"
#include "resources/texts.h"
#include "settings/settings_path.h"
#include "shell/backdrop_events.h"
#include "shell/commands.h"
#include "shell/installer.h"
#include "shell/language_gate.h"
#include "shell/product_buttons.h"

namespace {

class VocabularyTest : public CustomerTest {
 protected:
  // Runs every operation of the launcher that reads the disc's files.
  void RunTheLauncher() {
    // A settings file for the display language, read for its code page: one
    // the system cannot show, so VelInst.ini and the gate follow.
    Fake().displayLanguageId = 0x0415;
    Fake().existingPaths.insert(folder.Path("disc") + "\\VelInst.15.ini");
    BuildSettingsPath();
    UseSettings(std::string(VELINST_SOURCE_DIR) + "/disc/VelInst.ini");
    Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
    LanguageGateStartsInstaller();
    OpenStartupTemplate(nullptr);
    LaunchInstaller(nullptr);
    OpenRegistrationForm();
    OnTemplateOpened("Registration");
    OpenRegistrationForm();
    CustomerRecord record = {};
    CollectRegistration(record);  // every required field missing
    RegistrationDestination destination = {};
    ReadRegistrationDestination(destination);
    OpenBuyerForm();
    OnTemplateOpened("Buyer");
    OpenBuyerForm();
    CheckBuyerForm(BuyerRecord);
    IsOrderFormCurrent();
    OpenBuyerForm({{"buyer_first_name", "Ann"}, {"buyer_last_name", "Lee"},
                   {"buyer_street1", "1 Main St"}, {"buyer_city", "Austin"},
                   {"buyer_state", "TX"}, {"buyer_zip", "78701"},
                   {"buyer_country", "USA"}, {"buyer_phone", "555-0100"}});
    DispatchCommand(nullptr, kCommandOpenOrderForm);
    OpenFakeTemplate("Order", {});
    for (const char *country : {"USA", "Canada", "Elsewhere"}) {
      CopyText(BuyerRecord.country, sizeof BuyerRecord.country, country);
      RecalculateOrderForm(BuyerRecord);
    }
    DispatchCommand(nullptr, kCommandPrintPurchase);  // no card details: the warning's texts
    Forms().current.radioSelections[1] = "Visa";
    Forms().current.fields = {{"card_number", "4111"}, {"card_expiration", "12/28"}};
    // The installed product, in the disc's version and an older one; the
    // installer started from the screens; every command, with the order
    // form filled in and the product installed; AutoPlay.
    const std::string entry =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvinel Professional 4.0";
    Fake().registry[RegistryPlace(RegistryRoot::Machine64, entry, "DisplayName")] = "Corvinel";
    for (const char *version : {"4.0.2", "4.0.1"}) {
      Fake().registry[RegistryPlace(RegistryRoot::Machine64, entry, "DisplayVersion")] = version;
      ShowProductState();
    }
    LaunchInstaller(reinterpret_cast<WindowHandle>(0x77));
    for (const CommandRow &row : kCommandTable)
      for (unsigned number : row.numbers)
        if (number != 0) DispatchCommand(nullptr, number);
    CancelAutoPlayForTheRun();
  }
};

bool IsKeyName(int id) {
  for (int i = 0; i < kTextTableCount; ++i)
    if (kTextTable[i].id == id) return std::string(kTextTable[i].constant).rfind("KEY_", 0) == 0;
  return false;
}

TEST_F(VocabularyTest, EveryKeyReadIsAVocabularyKeyAndEveryVocabularyKeyIsRead) {
  RunTheLauncher();
  std::set<std::string> vocabulary;
  for (const VocabularySection &section : SettingsSections())
    for (const VocabularyKey &key : section.keys) vocabulary.insert(TextOf(key.keyId));
  std::set<std::string> profileKeys;
  int registrationFileReads = 0;
  for (const ProfileRead &each : Fake().profileReadLog) {
    SCOPED_TRACE("[" + each.section + "] " + each.key);
    EXPECT_NE(each.file, SettingsPath);
    if (each.file.find("register.ini") != std::string::npos) {
      ++registrationFileReads;
      EXPECT_EQ(each.key, TextOf(kRegisterProduct.keyId));
      EXPECT_TRUE(EqualsIgnoringCase(each.section.c_str(), kRegisterProduct.section));
      EXPECT_EQ(kRegisterProduct.capacity, each.capacity);
    } else {
      profileKeys.insert(each.key);
    }
  }
  EXPECT_GT(registrationFileReads, 0);
  std::set<std::string> loaded;
  for (int id : Fake().textsLoaded) {
    if (!IsKeyName(id)) continue;
    loaded.insert(TextOf(id));
    EXPECT_TRUE(vocabulary.count(TextOf(id)) != 0 || profileKeys.count(TextOf(id)) != 0 ||
                id == kRegisterProduct.keyId)
        << TextOf(id);
  }
  for (const std::string &key : vocabulary) EXPECT_EQ(1u, loaded.count(key)) << key;
}

}  // namespace
