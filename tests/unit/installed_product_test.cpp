// The installed product and stepping aside for the installer, through the
// registry, shell and window fakes; the end-to-end scenarios of
// test_disc_features.py show the rest under wine64.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "fake_forms.h"
#include "fake_platform.h"
#include "settings/settings_path.h"
#include "shell/backdrop_events.h"
#include "shell/commands.h"
#include "shell/installed_product.h"
#include "shell/step_aside.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

const char kEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvinel 4";

class InstalledProductTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ResetFakeForms();
    WatchedProgram = WatchedLaunch{};
    Fake().programFilePath = "D:\\VelInst.exe";
    UseSettings(kGeneral);
  }
  const std::string kGeneral = "Uninstall Entry=Corvinel 4\r\nVersion=4.0.2\r\nRun Caption=&Start\r\n";
  void UseSettings(const std::string &general) {
    CopyText(SettingsPath, kPathCapacity,
             folder.Write("VelInst.ini", "[General]\r\nInstaller=Setup.exe\r\n" + general +
                                             "[Documents]\r\nDocument1=.\r\n")
                 .c_str());
  }
  void Install(RegistryRoot root, const char *version, const char *icon = "C:\\C\\c.exe,0") {
    for (auto value : {std::make_pair("DisplayName", "Corvinel 4"),
                       std::make_pair("DisplayVersion", version), std::make_pair("DisplayIcon", icon),
                       std::make_pair("ModifyPath", "MsiExec.exe /I{C0}"),
                       std::make_pair("UninstallString", "C:\\C\\unins000.exe /S")})
      Fake().registry[RegistryPlace(root, kEntry, value.first)] = value.second;
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
  TempFolder folder;
  WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x77);
};

TEST(InstalledProductText, VersionsCommandLinesAndIconsAsEntriesHoldThem) {
  for (auto c : {std::make_tuple("4.0.2", "4.0.10", -1), std::make_tuple("4.1", "4.0.9", 1),
                 std::make_tuple("4.0", "4.0.0", 0), std::make_tuple("v4.0 build 7", "4.0.7", 0),
                 std::make_tuple("", "1", -1), std::make_tuple("99999999999999999999", "9", 1)}) {
    const int result = CompareVersions(std::get<0>(c), std::get<1>(c));
    EXPECT_EQ(std::get<2>(c), (result > 0) - (result < 0)) << std::get<0>(c);
  }
  for (auto c : {std::make_pair("\"C:\\P F\\a.exe\",0", "C:\\P F\\a.exe"),
                 std::make_pair("C:\\a,b\\a.EXE,-101", "C:\\a,b\\a.EXE"),
                 std::make_pair("C:\\a.ico", ""), std::make_pair("C:\\a.exe,x", ""),
                 std::make_pair("C:\\much too long\\a.exe", "")}) {
    char program[20];
    ProgramOfIcon(c.first, program, sizeof program);
    EXPECT_STREQ(c.second, program) << c.first;
  }
}

TEST_F(InstalledProductTest, ButtonsWhileWatchedAndAfterwardsAndDiscsWithoutTheKeys) {
  DispatchCommand(backdrop, kCommandInstall);  // not installed: the installer, watched
  EXPECT_EQ("(kept) 0, (kept) 0, (kept) 0, (kept) 0", Buttons());
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandInstall));  // one at a time
  EXPECT_EQ(WatchedState::Running, CheckWatchedProgram());
  Fake().watchedProgramRunning = false;
  Install(RegistryRoot::CurrentUser, "");  // a version unknown: Run
  EXPECT_EQ(WatchedState::Ended, CheckWatchedProgram());
  EXPECT_EQ("&Start 1, (kept) 1, (kept) 1, (kept) 1", Buttons());
  EXPECT_TRUE(Fake().windowCalls.empty());
  // Run starts the program in its own folder, but not while the product's
  // uninstaller runs.
  DispatchCommand(backdrop, kCommandRunProduct);
  EXPECT_EQ("C:\\C\\c.exe C:\\C", Fake().shellStarts.back().file + " " +
                                          Fake().shellStarts.back().directory);
  Fake().watchedProgramRunning = true;
  DispatchCommand(backdrop, kCommandUninstallProduct);
  OnTemplateOpened("Start");
  EXPECT_EQ("&Start 0, (kept) 0, (kept) 0, (kept) 0", Buttons());
  Fake().watchedProgramRunning = false;
  EXPECT_EQ(WatchedState::Ended, CheckWatchedProgram());
  // Installed Program without an InstallLocation: the icon's program.
  UseSettings("Uninstall Entry=Corvinel 4\r\nInstalled Program=c.exe\r\n");
  OnTemplateOpened("Start");
  EXPECT_EQ("&Run 1, (kept) 1, (kept) 1, (kept) 1", Buttons());
  // With one, the program in it; in code page 932 "\x83\x5C" is one letter
  // whose second byte ends no folder.
  Fake().textSpelling = kFakeShiftJis;
  Fake().registry[RegistryPlace(RegistryRoot::CurrentUser, kEntry, "InstallLocation")] =
      "C:\\\x83\x5C";
  DispatchCommand(backdrop, kCommandRunProduct);
  EXPECT_EQ("C:\\\x83\x5C\\c.exe C:\\\x83\x5C", Fake().shellStarts.back().file + " " +
                                                  Fake().shellStarts.back().directory);
  UseSettings(kGeneral);
  // The uninstaller's icon names no program to run.
  Install(RegistryRoot::Machine32, "4.1", "c:\\c\\UNINS000.EXE");
  OnTemplateOpened("Start");
  EXPECT_EQ("&Start 0, (kept) 0, (kept) 1, (kept) 1", Buttons());
  // Started with nothing to wait for, a launcher that is to end ends now.
  UseSettings("Hide While Installing=2\r\n");
  Fake().shellHandsOverProgram = false;
  DispatchCommand(backdrop, kCommandInstall);
  EXPECT_EQ(1, Fake().quitRequests);
  // The disc's own folder opens as D:\, not D:\. .
  Fake().existingPaths = {"D:\\."};
  DispatchCommand(backdrop, kCommandFirstDocument);
  EXPECT_EQ("D:\\", Fake().shellStarts.back().file);
  // Without the keys: no registry, no buttons, the installer as of old.
  UseSettings("");
  Forms().buttons.clear();
  OnTemplateOpened("Start");
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandInstall));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandRunProduct));
  EXPECT_TRUE(Forms().buttons.empty());
  EXPECT_EQ("D:\\Setup.exe", Fake().shellLaunches.at(0).path);
}

}  // namespace
