// The installed product as installers leave it: versions, the entry's
// commands as Windows' own list of programs reads them, the program to
// start, names outside the code page, and what the buttons show while the
// product's setup runs and afterwards. test_disc_features.py shows the rest
// under wine64.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "fake_forms.h"
#include "fake_platform.h"
#include "platform/shell_open.h"
#include "product/installed_product.h"
#include "product/product_code.h"
#include "product/product_program.h"
#include "product/version.h"
#include "product/watched_programs.h"
#include "settings/settings_path.h"
#include "shell/backdrop_events.h"
#include "shell/commands.h"
#include "shell/step_aside.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kEntry = kUninstall + "Corvinel 4";
const char kCode[] = "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}";
const char kGeneral[] = "Uninstall Entry=Corvinel 4\r\nVersion=4.0.2\r\nRun Caption=&Start\r\n"
                        "Installed Program=c.exe\r\n";

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(InstalledProductText, VersionsProductCodesAndIcons) {
  struct Pair {
    const char *older, *newer;
    int order;  // of `older` against `newer`
  } pairs[] = {
      {"4.0.2", "4.0.10", -1},     {"4.9", "4.10", -1},
      {"4.0", "4.0.0", 0},         {"v4.0 build 7", "4.0.7", 0},
      {"", "1", -1},               {"9", "99999999999999999999", -1},
      {"2.1-rc1", "2.1", -1},      {"2.1 beta 2", "2.1", -1},
      {"2.1b2", "2.1", -1},        {"2.1 Beta", "2.1 beta", 0},
      {"2.1-beta", "2.1-rc1", -1}, {"2.1-rc9", "2.1-rc10", -1},
      {"2.0.9", "2.1-rc1", -1},    {"1.0-alpha", "1.0-alpha.1", -1},
      {"4.0 (x64)", "4.0.2", -1},  {"4.0 (x64)", "4.0", 0},
      {"4.0.2 x64", "4.0.2", 0},   {"3.0 Release", "3.0", 0},
      {"1.0+build.5", "1.0", 0},   {"4.0a", "4.0", 0},
  };
  for (const Pair &c : pairs) {
    EXPECT_EQ(c.order, Sign(CompareVersions(c.older, c.newer))) << c.older << " to " << c.newer;
    EXPECT_EQ(-c.order, Sign(CompareVersions(c.newer, c.older))) << c.newer << " to " << c.older;
  }
  for (auto c : {std::make_pair(kCode, true),
                 std::make_pair("{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}", true),
                 std::make_pair("0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9", false),
                 std::make_pair("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8FG}", false),
                 std::make_pair("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F90}", false)})
    EXPECT_EQ(c.second, IsProductCode(c.first)) << c.first;
  for (auto c : {std::make_pair("\"C:\\P F\\a.exe\",0", "C:\\P F\\a.exe"),
                 std::make_pair("C:\\a,b\\a.EXE,-101", "C:\\a,b\\a.EXE"),
                 std::make_pair("C:\\a.ico", ""), std::make_pair("C:\\a.exe,x", ""),
                 std::make_pair("C:\\much too long\\a.exe", "")}) {
    char program[20];
    ProgramOfIcon(c.first, program, sizeof program);
    EXPECT_STREQ(c.second, program) << c.first;
  }
}

class InstalledProductTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ResetFakeForms();
    Watched = WatchedPrograms{};
    SteppedAside = StepAside{};
    Fake().programFilePath = "D:\\VelInst.exe";
    Fake().environment["SYSTEMROOT"] = "C:\\WINDOWS";
    UseSettings(kGeneral);
  }
  void UseSettings(const std::string &general) {
    CopyText(SettingsPath, kPathCapacity,
             folder.Write("VelInst.ini", "[General]\r\nInstaller=Setup.exe\r\n" + general +
                                             "[Documents]\r\nDocument1=Manual.xyz\r\n")
                 .c_str());
  }
  void Set(RegistryRoot root, const std::string &key, const char *value, const std::string &data) {
    Fake().registry[RegistryPlace(root, key, value)] = data;
  }
  void Install(RegistryRoot root, const char *version, const std::string &key = kEntry) {
    for (auto value : {std::make_pair("DisplayName", "Corvinel 4"),
                       std::make_pair("DisplayVersion", version),
                       std::make_pair("InstallLocation", "C:\\C"),
                       std::make_pair("ModifyPath", "C:\\C\\setup.exe /modify"),
                       std::make_pair("UninstallString", "\"C:\\C\\unins000.exe\" /S")})
      Set(root, key, value.first, value.second);
    Fake().existingPaths.insert("C:\\C\\c.exe");
  }
  void Uninstall(RegistryRoot root, const std::string &key = kEntry) {
    Fake().registry.erase(RegistryPlace(root, key, "DisplayName"));
  }
  static std::string Command(const ProductCommand &command) {
    return std::string(command.program) + (command.arguments[0] != '\0' ? " " : "") +
           command.arguments;
  }
  InstalledProduct Read() {
    InstalledProduct product;
    EXPECT_TRUE(ReadInstalledProduct(product));
    return product;
  }
  // The buttons of commands 3024, 3030, 3031, 3032 as last set.
  std::string Buttons() {
    std::string shown;
    for (int command : {3024, 3030, 3031, 3032}) {
      std::string last = "none";
      for (const ButtonSetting &button : Forms().buttons)
        if (button.command == command) last = button.caption + " " + std::to_string(button.enabled);
      shown += (shown.empty() ? "" : ", ") + last;
    }
    return shown;
  }
  // The one process the last watched start began.
  unsigned long Started() { return Fake().nextProcessId - 1; }
  void End(unsigned long process) { Fake().processes[process].running = false; }
  TempFolder folder;
  WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x77);
};

TEST_F(InstalledProductTest, ChangeAndUninstallFollowWindowsOwnListOfPrograms) {
  const std::string msi = kUninstall + kCode;
  const std::string msiexec = "C:\\WINDOWS\\system32\\msiexec.exe ";
  struct Case {
    const std::string *key;
    unsigned long windowsInstaller, noModify, noRepair, noRemove;
    std::string change, removal;
  } cases[] = {
      {&kEntry, 0, 0, 0, 0, "C:\\C\\setup.exe /modify", "C:\\C\\unins000.exe /S"},
      {&kEntry, 0, 1, 0, 1, "", ""},
      {&kEntry, 0, 0, 1, 0, "C:\\C\\setup.exe /modify", "C:\\C\\unins000.exe /S"},
      // A product of Windows Installer is removed, not shown its wizard.
      {&msi, 1, 0, 0, 0, "C:\\WINDOWS\\system32\\MsiExec.exe /I" + std::string(kCode),
       msiexec + "/x" + kCode},
      {&msi, 1, 1, 0, 0, msiexec + "/fomus " + kCode, msiexec + "/x" + kCode},
      {&msi, 1, 1, 1, 1, "", ""},
      // Named by no product code, the entry's own commands stand.
      {&kEntry, 1, 0, 0, 0, "C:\\WINDOWS\\system32\\MsiExec.exe /I" + std::string(kCode),
       "C:\\WINDOWS\\system32\\MsiExec.exe /I" + std::string(kCode)},
  };
  for (const Case &c : cases) {
    ResetFakePlatform();
    const std::string name = c.key == &msi ? kCode : "Corvinel 4";
    UseSettings("Uninstall Entry=" + name + "\r\n");
    Install(RegistryRoot::Machine64, "4.0", *c.key);
    if (c.windowsInstaller != 0) {
      Set(RegistryRoot::Machine64, *c.key, "ModifyPath", std::string("MsiExec.exe /I") + kCode);
      Set(RegistryRoot::Machine64, *c.key, "UninstallString",
          std::string("MsiExec.exe /I") + kCode);
    }
    for (auto flag : {std::make_pair("WindowsInstaller", c.windowsInstaller),
                      std::make_pair("NoModify", c.noModify), std::make_pair("NoRepair", c.noRepair),
                      std::make_pair("NoRemove", c.noRemove)})
      Fake().registryNumbers[RegistryPlace(RegistryRoot::Machine64, *c.key, flag.first)] =
          flag.second;
    const InstalledProduct product = Read();
    EXPECT_EQ(c.change, Command(product.change)) << name << c.noModify << c.noRepair;
    EXPECT_EQ(c.removal, Command(product.removal)) << name << c.noRemove;
  }
}

TEST_F(InstalledProductTest, ProgramInItsFolderElseItsAppPathsElseItsIcon) {
  const std::string appPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\c.exe";
  struct Case {
    const char *location, *userAppPath, *machineAppPath, *icon, *there, *program;
  } cases[] = {
      {"C:\\C", "", "", "", "C:\\C\\c.exe", "C:\\C\\c.exe"},
      {"C:\\Gone", "\"C:\\P\\c.exe\"", "C:\\M\\c.exe", "", "C:\\P\\c.exe", "C:\\P\\c.exe"},
      {"", "", "C:\\M\\c.exe", "C:\\I\\i.exe", "C:\\M\\c.exe", "C:\\M\\c.exe"},
      {"", "", "", "\"C:\\I\\i.exe\",0", "C:\\I\\i.exe", "C:\\I\\i.exe"},
      {"", "", "", "C:\\I\\i.exe", "", ""},
      // Windows Installer keeps its products' icons in programs of its own.
      {"", "", "", "c:\\windows\\Installer\\{X}\\i.exe,0", "c:\\windows\\Installer\\{X}\\i.exe",
       ""},
      {"", "", "", "c:\\c\\UNINS000.EXE", "c:\\c\\UNINS000.EXE", ""},
  };
  for (const Case &c : cases) {
    Fake().registry.clear();
    Install(RegistryRoot::Machine32, "4.0");
    Fake().existingPaths = {c.there};
    using Value = std::tuple<RegistryRoot, std::string, const char *, const char *>;
    for (const Value &value :
         {Value{RegistryRoot::Machine32, kEntry, "InstallLocation", c.location},
          Value{RegistryRoot::CurrentUser, appPath, nullptr, c.userAppPath},
          Value{RegistryRoot::Machine64, appPath, nullptr, c.machineAppPath},
          Value{RegistryRoot::Machine32, kEntry, "DisplayIcon", c.icon}})
      if (*std::get<3>(value) != '\0')
        Set(std::get<0>(value), std::get<1>(value), std::get<2>(value), std::get<3>(value));
    EXPECT_STREQ(c.program, Read().program) << c.location << " " << c.icon;
  }
}

TEST_F(InstalledProductTest, NamesOutsideTheCodePageAndTheSixtyFourBitFolders) {
  const std::string home = "C:\\Users\\\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9";
  Install(RegistryRoot::CurrentUser, "4.0");
  Set(RegistryRoot::CurrentUser, kEntry, "InstallLocation", home + "\\C");
  Set(RegistryRoot::CurrentUser, kEntry, "UninstallString", "\"" + home + "\\C\\unins000.exe\" /S");
  Set(RegistryRoot::CurrentUser, kEntry, "ModifyPath",
      home + "\\C\\setup.exe /log \"" + home + "\\log.txt\"");
  for (const char *file : {"\\C\\c.exe", "\\C\\unins000.exe", "\\C\\setup.exe", "\\log.txt"})
    Fake().pathsOutsideCodePage[home + file] = std::string("C:\\Users\\DF3A~1") + file;
  Fake().existingPaths = {"C:\\Users\\DF3A~1\\C\\c.exe"};
  InstalledProduct product = Read();
  EXPECT_STREQ("C:\\Users\\DF3A~1\\C\\c.exe", product.program);
  EXPECT_EQ("C:\\Users\\DF3A~1\\C\\unins000.exe /S", Command(product.removal));
  EXPECT_EQ("C:\\Users\\DF3A~1\\C\\setup.exe /log \"C:\\Users\\DF3A~1\\log.txt\"",
            Command(product.change));
  DispatchCommand(backdrop, kCommandRunProduct);
  EXPECT_EQ("C:\\Users\\DF3A~1\\C\\c.exe in C:\\Users\\DF3A~1\\C",
            Fake().shellStarts.back().file + " in " + Fake().shellStarts.back().directory);
  // An argument with no short form cannot be passed: nothing to start.
  Fake().pathsOutsideCodePage[home + "\\log.txt"] = "";
  EXPECT_STREQ("", Read().change.program);
  // Letters the code page has are converted to it.
  Set(RegistryRoot::CurrentUser, kEntry, "InstallLocation", "C:\\M\xC3\xBCller");
  Fake().existingPaths = {"C:\\M\xFCller\\c.exe"};
  EXPECT_STREQ("C:\\M\xFCller\\c.exe", Read().program);

  // %ProgramFiles% of the machine's 64-bit keys is the 64-bit folder, also
  // where the program's own variable names the 32-bit one.
  Fake().registry.clear();
  Fake().environment["PROGRAMFILES"] = "C:\\Program Files (x86)";
  for (RegistryRoot root : {RegistryRoot::Machine64, RegistryRoot::Machine32}) {
    Install(root, "4.0");
    Set(root, kEntry, "InstallLocation", "%programfiles%\\C");
    Fake().expandableValues.insert(RegistryPlace(root, kEntry, "InstallLocation"));
  }
  Fake().existingPaths = {"C:\\Program Files\\C\\c.exe", "C:\\Program Files (x86)\\C\\c.exe"};
  Fake().environment["PROGRAMW6432"] = "C:\\Program Files";
  EXPECT_STREQ("C:\\Program Files\\C\\c.exe", Read().program);
  Uninstall(RegistryRoot::Machine64);
  EXPECT_STREQ("C:\\Program Files (x86)\\C\\c.exe", Read().program);
  // A 32-bit Windows sets no such variable.
  Install(RegistryRoot::Machine64, "4.0");
  Set(RegistryRoot::Machine64, kEntry, "InstallLocation", "%programfiles%\\C");
  Fake().environment.erase("PROGRAMW6432");
  EXPECT_STREQ("C:\\Program Files (x86)\\C\\c.exe", Read().program);
}

TEST_F(InstalledProductTest, UpgradeCodeFindsTheNewestProductOfTheFamily) {
  const char older[] = "{11111111-2222-3333-4444-555555555555}";
  const char newer[] = "{66666666-7777-8888-9999-AAAAAAAAAAAA}";
  UseSettings(std::string(kGeneral) + "Upgrade Code=" + kCode + "\r\n");
  Install(RegistryRoot::Machine64, "4.0.1");  // the disc's own entry name
  Install(RegistryRoot::Machine32, "4.0.3", kUninstall + newer);
  Install(RegistryRoot::Machine64, "3.9", kUninstall + older);
  Fake().registryNumbers[RegistryPlace(RegistryRoot::Machine32, kUninstall + newer,
                                       "WindowsInstaller")] = 1;
  Fake().relatedProducts[kCode] = {older, newer, "{00000000-0000-0000-0000-000000000000}"};
  InstalledProduct product = Read();
  EXPECT_STREQ("4.0.3", product.version);
  EXPECT_EQ(std::string("C:\\WINDOWS\\system32\\msiexec.exe /x") + newer, Command(product.removal));
  // None of the family installed: the entry the settings name.
  Fake().relatedProducts[kCode] = {"{00000000-0000-0000-0000-000000000000}"};
  EXPECT_STREQ("4.0.1", Read().version);
}

TEST_F(InstalledProductTest, ButtonsWhileTheProductsSetupRunsAndAfterwards) {
  DispatchCommand(backdrop, kCommandInstall);  // not installed: the installer, watched
  EXPECT_EQ("(kept) 0, (kept) 0, (kept) 0, (kept) 0", Buttons());
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandInstall));  // one at a time
  EXPECT_EQ(WatchedState::Running, CheckStepAside());
  // The installer starts a copy of itself and ends: still watched.
  const unsigned long installer = Started();
  const unsigned long copy = StartFakeProcess(installer);
  End(installer);
  EXPECT_EQ(WatchedState::Running, CheckStepAside());
  End(copy);
  Install(RegistryRoot::CurrentUser, "");  // a version unknown: Run
  Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
  EXPECT_TRUE(OnTimerTick());
  EXPECT_EQ("&Start 1, (kept) 1, (kept) 1, (kept) 1", Buttons());
  EXPECT_EQ(0, Fake().programsHeld);
  // An older version: Update; none of the product starts while its
  // uninstaller runs.
  Install(RegistryRoot::CurrentUser, "4.0.1");
  DispatchCommand(backdrop, kCommandUninstallProduct);
  EXPECT_EQ("C:\\C\\unins000.exe /S",
            Fake().shellStarts.back().file + " " + Fake().shellStarts.back().parameters);
  EXPECT_EQ("&Update 0, (kept) 0, (kept) 0, (kept) 0", Buttons());
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandModifyProduct));
  // Without the keys: no registry, no buttons, the installer as of old.
  End(Started());
  CheckStepAside();
  UseSettings("");
  Forms().buttons.clear();
  OnTemplateOpened("Start");
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandInstall));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandRunProduct));
  EXPECT_TRUE(Forms().buttons.empty());
  EXPECT_EQ("D:\\Setup.exe", Fake().shellLaunches.at(0).path);
}

TEST_F(InstalledProductTest, AfterUninstallTheEntryIsWatchedAWhileWithTheScreensBack) {
  UseSettings(std::string(kGeneral) + "Hide While Installing=1\r\n");
  Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
  Install(RegistryRoot::CurrentUser, "4.0.2");
  DispatchCommand(backdrop, kCommandUninstallProduct);
  EXPECT_EQ(std::vector<std::string>{"hide"}, Fake().windowCalls);
  EXPECT_EQ(WatchedState::Hidden, CheckStepAside());
  // The customer cancelled: the screens come back as the product is.
  End(Started());
  EXPECT_TRUE(OnTimerTick());
  EXPECT_EQ((std::vector<std::string>{"hide", "show"}), Fake().windowCalls);
  EXPECT_EQ("&Start 1, (kept) 1, (kept) 1, (kept) 1", Buttons());
  // An uninstaller that finished outside the programs watched: the entry
  // goes within the time, and the screen follows.
  Fake().milliseconds += kEntryWatchMilliseconds - 1;
  EXPECT_EQ(WatchedState::None, CheckStepAside());
  Uninstall(RegistryRoot::CurrentUser);
  EXPECT_TRUE(OnTimerTick());
  EXPECT_EQ("(kept) 1, (kept) 0, (kept) 0, (kept) 0", Buttons());
  // After the time the entry is no longer looked at.
  Install(RegistryRoot::CurrentUser, "4.0.2");
  DispatchCommand(backdrop, kCommandUninstallProduct);
  End(Started());
  EXPECT_EQ(WatchedState::Ended, CheckStepAside());
  Fake().milliseconds += kEntryWatchMilliseconds;
  EXPECT_EQ(WatchedState::None, CheckStepAside());
  Uninstall(RegistryRoot::CurrentUser);
  EXPECT_EQ(WatchedState::None, CheckStepAside());
  // With 2 the run ends when the programs have, and at once when the shell
  // handed over none to wait for.
  UseSettings(std::string(kGeneral) + "Hide While Installing=2\r\n");
  Install(RegistryRoot::CurrentUser, "4.0.2");
  DispatchCommand(backdrop, kCommandUninstallProduct);
  EXPECT_EQ(WatchedState::Hidden, CheckStepAside());
  End(Started());
  EXPECT_FALSE(OnTimerTick());
  Fake().shellHandsOverProgram = false;
  DispatchCommand(backdrop, kCommandModifyProduct);
  EXPECT_EQ(1, Fake().quitRequests);
}

TEST_F(InstalledProductTest, ALaunchThatFailsSaysWhatCouldNotBeOpened) {
  Install(RegistryRoot::CurrentUser, "4.0.2");
  Fake().existingPaths.insert("D:\\Manual.xyz");
  struct Case {
    unsigned command;
    long long result;
    const char *box;  // "" for none
  } cases[] = {
      {kCommandRunProduct, 2, "This could not be opened:\r\n\r\nC:\\C\\c.exe"},
      {kCommandInstall, 5, "This could not be opened:\r\n\r\nC:\\C\\c.exe"},
      {kCommandUninstallProduct, kShellCancelled, ""},
      {kCommandModifyProduct, 0, "This could not be opened:\r\n\r\nC:\\C\\setup.exe"},
      {kCommandFirstDocument, kLaunchNoProgram,
       "No program on this computer opens files of this type:\r\n\r\nD:\\Manual.xyz"},
      {kCommandFirstDocument, 42, ""},
  };
  for (const Case &c : cases) {
    Fake().messageBoxes.clear();
    Fake().shellStartResult = c.result;
    DispatchCommand(backdrop, c.command);
    EXPECT_EQ(c.box, Fake().messageBoxes.empty() ? "" : Fake().messageBoxes[0].text) << c.command;
    if (c.box[0] != '\0') {
      EXPECT_EQ(backdrop, Fake().messageBoxes.at(0).owner);
    }
  }
  // The installer's own launch stays silent, as it always was.
  Uninstall(RegistryRoot::CurrentUser);
  Fake().shellStartResult = 2;
  Fake().messageBoxes.clear();
  DispatchCommand(backdrop, kCommandInstall);
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

}  // namespace
