#pragma once
// Common ground of the customer and registration tests: the sample disc's
// settings file, a Windows directory and an application-data folder in a
// temporary folder, the registration file beside the program, and empty
// forms and internet fakes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "customer/customer_record.h"
#include "fake_forms.h"
#include "fake_internet.h"
#include "fake_platform.h"
#include "registration/internet_library.h"
#include "settings/settings_path.h"
#include "product/watched_programs.h"
#include "shell/step_aside.h"
#include "temp_folder.h"
#include "text/bounded.h"

class CustomerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ResetFakeForms();
    ResetFakeInternet();
    InternetLibraryHandle = nullptr;
    Watched = WatchedPrograms{};
    SteppedAside = StepAside{};
    UseSettings(std::string(VELINST_SOURCE_DIR) + "/disc/VelInst.ini");
    Fake().windowsFolder = folder.Path("windows");
    Fake().writableFolders = {Fake().windowsFolder};
    Fake().applicationDataFolder = folder.Path("appdata");
    // Paths are built with "\", so the disc's files land in the temporary
    // folder under names such as "disc\register.ini".
    Fake().programFilePath = folder.Path("disc") + "\\VelInst.exe";
    folder.Write("disc\\register.ini", "[Register]\r\nProduct=Corvinel Professional 4.0\r\n");
  }

  void UseSettings(const std::string &path) {
    CopyText(SettingsPath, kPathCapacity, path.c_str());
  }

  // Opens the registration form of the sample disc with every field empty
  // but those given (by edit-field name).
  void OpenRegistrationForm(const std::map<std::string, std::string> &texts = {}) {
    std::map<std::string, std::string> fields = {
        {"reg_product", ""},  {"reg_serial", ""},  {"reg_date", ""},
        {"reg_first_name", ""}, {"reg_last_name", ""}, {"reg_street1", ""},
        {"reg_street2", ""},  {"reg_city", ""},    {"reg_state", ""},
        {"reg_zip", ""},      {"reg_country", ""}, {"reg_email", ""},
        {"reg_phone", ""},    {"reg_fax", ""},     {"reg_where_bought", ""}};
    for (const auto &text : texts) fields.at(text.first) = text.second;
    OpenFakeTemplate("Registration", fields);
  }

  void OpenBuyerForm(const std::map<std::string, std::string> &texts = {}) {
    std::map<std::string, std::string> fields = {
        {"buyer_first_name", ""}, {"buyer_last_name", ""}, {"buyer_street1", ""},
        {"buyer_street2", ""},    {"buyer_city", ""},      {"buyer_state", ""},
        {"buyer_zip", ""},        {"buyer_country", ""},   {"buyer_email", ""},
        {"buyer_phone", ""},      {"buyer_fax", ""}};
    for (const auto &text : texts) fields.at(text.first) = text.second;
    OpenFakeTemplate("Buyer", fields);
  }

  // A registration form with every required field filled in.
  void OpenCompleteRegistrationForm() {
    OpenRegistrationForm({{"reg_first_name", "Ann"},
                          {"reg_last_name", "Lee"},
                          {"reg_street1", "1 Main St"},
                          {"reg_city", "Austin"},
                          {"reg_state", "TX"},
                          {"reg_zip", "78701"},
                          {"reg_country", "USA"}});
  }

  std::string Field(const std::string &name) const { return Forms().current.fields.at(name); }

  std::string WindowsProfile() const { return folder.Read("windows\\VelmoraReg.ini"); }
  bool WindowsProfileExists() const { return folder.Exists("windows\\VelmoraReg.ini"); }

  TempFolder folder;
};
