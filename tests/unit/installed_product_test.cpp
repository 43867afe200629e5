// The installed product, the disc's documents and stepping aside for the
// installer, through the registry, shell and window fakes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_forms.h"
#include "fake_platform.h"
#include "resources/texts.h"
#include "settings/settings.h"
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
    UseSettings("Uninstall Entry=Corvinel 4\r\nVersion=4.0.2\r\nRun Caption=&Start\r\n");
    OpenFakeTemplate("Start", {});
    Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
  }
  void UseSettings(const std::string &general) {
    CopyText(SettingsPath, kPathCapacity,
             folder.Write("VelInst.ini", "[General]\r\nInstaller=Setup.exe\r\n" + general).c_str());
  }
  void Install(RegistryRoot root, const std::string &version) {
    Set(root, "DisplayName", "Corvinel 4");
    Set(root, "DisplayVersion", version);
    Set(root, "DisplayIcon", "\"C:\\Corvinel\\Corvinel.exe\",0");
    Set(root, "ModifyPath", "MsiExec.exe /I{C0}");
    Set(root, "UninstallString", "C:\\Program Files\\Corvinel\\unins000.exe /SILENT");
  }
  void Set(RegistryRoot root, const char *value, const std::string &text) {
    Fake().registry[RegistryPlace(root, kEntry, value)] = text;
  }
  // What the last showing of the state set, per command: caption and
  // enabled as "(kept) 1".
  std::string Button(int command) {
    std::string shown = "none";
    for (const ButtonSetting &button : Forms().buttons)
      if (button.command == command) shown = button.caption + " " + std::to_string(button.enabled);
    return shown;
  }
  TempFolder folder;
  WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x77);
};

TEST(VersionTest, VersionsCompareNumberByNumber) {
  struct Case {
    const char *left, *right;
    int sign;
  } cases[] = {
      {"4.0.2", "4.0.10", -1}, {"4.1", "4.0.9", 1},      {"4.0", "4.0.0", 0},
      {"4.0.2", "4.0.2", 0},   {"v4.0 build 7", "4.0.7", 0}, {"10", "9.99", 1},
      {"", "1", -1},           {"99999999999999999999999", "1", 1},
  };
  for (const Case &c : cases) {
    const int result = CompareVersions(c.left, c.right);
    EXPECT_EQ(c.sign, (result > 0) - (result < 0)) << c.left << " vs " << c.right;
  }
}

TEST(CommandLineTest, EntryCommandsSplitIntoProgramAndArguments) {
  struct Case {
    const char *line, *program, *parameters;
  } cases[] = {
      {"\"C:\\Program Files\\X\\unins.exe\" /S", "C:\\Program Files\\X\\unins.exe", "/S"},
      {"C:\\Program Files (x86)\\X\\uninst.exe /S /D", "C:\\Program Files (x86)\\X\\uninst.exe",
       "/S /D"},
      {"MsiExec.exe /X{1234}", "MsiExec.exe", "/X{1234}"},
      {"C:\\X\\UNINS.EXE", "C:\\X\\UNINS.EXE", ""},
      {"C:\\X.exed\\u.exe", "C:\\X.exed\\u.exe", ""},
      {"setup -remove", "setup", "-remove"},
      {"\"C:\\unterminated\\u.exe", "C:\\unterminated\\u.exe", ""},
  };
  for (const Case &c : cases) {
    char program[64], parameters[64];
    SplitCommandLine(c.line, program, sizeof program, parameters, sizeof parameters);
    EXPECT_STREQ(c.program, program) << c.line;
    EXPECT_STREQ(c.parameters, parameters) << c.line;
  }
  char program[8], parameters[8];  // a program cut by its buffer is no program
  SplitCommandLine("C:\\Long\\name.exe", program, sizeof program, parameters, sizeof parameters);
  EXPECT_STREQ("", program);
}

TEST(CommandLineTest, DisplayIconNamesTheProgramWithoutItsIconNumber) {
  struct Case {
    const char *icon, *program;
  } cases[] = {
      {"\"C:\\P F\\app.exe\",0", "C:\\P F\\app.exe"}, {"C:\\app.EXE,-101", "C:\\app.EXE"},
      {"C:\\a,b\\app.exe", "C:\\a,b\\app.exe"},        {"C:\\app.ico", ""},
      {"C:\\app.exe,x", ""},                           {"", ""},
  };
  for (const Case &c : cases) {
    char program[64];
    ProgramOfIcon(c.icon, program, sizeof program);
    EXPECT_STREQ(c.program, program) << c.icon;
  }
}

TEST_F(InstalledProductTest, EachPlaceOfTheEntryAndEachVersionShowsItsButtons) {
  struct Case {
    const char *what;
    int root;  // -1: not installed
    const char *version;
    const char *install, *run, *modify, *uninstall;
  } cases[] = {
      {"not installed", -1, "", "(kept) 1", "(kept) 0", "(kept) 0", "(kept) 0"},
      {"64-bit keys, same version", 1, "4.0.2", "&Start 1", "(kept) 1", "(kept) 1", "(kept) 1"},
      {"32-bit keys, older", 2, "4.0.1", "&Update 1", "(kept) 1", "(kept) 1", "(kept) 1"},
      {"customer's keys, newer", 3, "4.1", "&Start 1", "(kept) 1", "(kept) 1", "(kept) 1"},
      {"version unknown", 1, "", "&Start 1", "(kept) 1", "(kept) 1", "(kept) 1"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Fake().registry.clear();
    Forms().buttons.clear();
    if (c.root >= 0) Install(static_cast<RegistryRoot>(c.root), c.version);
    OnTemplateOpened("Start");
    EXPECT_EQ(c.install, Button(kCommandInstall));
    EXPECT_EQ(c.run, Button(kCommandRunProduct));
    EXPECT_EQ(c.modify, Button(kCommandModifyProduct));
    EXPECT_EQ(c.uninstall, Button(kCommandUninstallProduct));
  }
  // The machine's keys come before the customer's.
  Fake().registry.clear();
  Install(RegistryRoot::CurrentUser, "4.0.2");
  Install(RegistryRoot::Machine32, "3.0");
  OnTemplateOpened("Start");
  EXPECT_EQ("&Update 1", Button(kCommandInstall));
}

TEST_F(InstalledProductTest, ProgramComesFromTheInstallFolderOrTheIconButNeverTheUninstaller) {
  Install(RegistryRoot::Machine64, "4.0.2");
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandInstall));  // up to date: Run
  ASSERT_EQ(1u, Fake().shellStarts.size());
  EXPECT_EQ("C:\\Corvinel\\Corvinel.exe", Fake().shellStarts[0].file);
  EXPECT_EQ("C:\\Corvinel", Fake().shellStarts[0].directory);
  EXPECT_FALSE(Fake().shellStarts[0].watched);

  UseSettings("Uninstall Entry=Corvinel 4\r\nInstalled Program=bin\\corvinel.exe\r\n");
  Set(RegistryRoot::Machine64, "InstallLocation", "%ProgramFiles%\\Corvinel");
  Fake().expandableRegistry.insert(RegistryPlace(RegistryRoot::Machine64, kEntry, "InstallLocation"));
  Fake().environment["PROGRAMFILES"] = "C:\\Program Files";
  DispatchCommand(backdrop, kCommandRunProduct);
  EXPECT_EQ("C:\\Program Files\\Corvinel\\bin\\corvinel.exe", Fake().shellStarts[1].file);

  // An icon taken from the uninstaller names no program to run.
  UseSettings("Uninstall Entry=Corvinel 4\r\n");
  Set(RegistryRoot::Machine64, "DisplayIcon", "c:\\program files\\corvinel\\UNINS000.EXE,0");
  OnTemplateOpened("Start");
  EXPECT_EQ("&Run 0", Button(kCommandInstall));
  EXPECT_EQ("(kept) 0", Button(kCommandRunProduct));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandInstall));
  EXPECT_EQ(2u, Fake().shellStarts.size());
}

TEST_F(InstalledProductTest, UpdateAndInstallStartTheInstallerChangeAndUninstallTheEntrysCommands) {
  Install(RegistryRoot::Machine64, "4.0.1");
  Fake().watchedProgramRunning = false;
  DispatchCommand(backdrop, kCommandInstall);
  DispatchCommand(backdrop, kCommandModifyProduct);
  DispatchCommand(backdrop, kCommandUninstallProduct);
  // Each watched one is done with at a tick before the next may start.
  ASSERT_EQ(1u, Fake().shellStarts.size());
  for (unsigned command : {kCommandModifyProduct, kCommandUninstallProduct}) {
    CheckWatchedProgram();
    DispatchCommand(backdrop, command);
  }
  ASSERT_EQ(3u, Fake().shellStarts.size());
  EXPECT_EQ("D:\\Setup.exe", Fake().shellStarts[0].file);
  EXPECT_EQ("(none)", Fake().shellStarts[0].parameters);
  EXPECT_EQ("MsiExec.exe", Fake().shellStarts[1].file);
  EXPECT_EQ("/I{C0}", Fake().shellStarts[1].parameters);
  EXPECT_EQ("C:\\Program Files\\Corvinel\\unins000.exe", Fake().shellStarts[2].file);
  EXPECT_EQ("/SILENT", Fake().shellStarts[2].parameters);
  for (const ShellStartCall &start : Fake().shellStarts) EXPECT_TRUE(start.watched);

  // Not installed: nothing to change or remove.
  Fake().registry.clear();
  CheckWatchedProgram();
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandUninstallProduct));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandRunProduct));
  EXPECT_EQ(3u, Fake().shellStarts.size());
}

TEST_F(InstalledProductTest, DiscWithoutTheNewKeysStartsTheInstallerAsAlways) {
  UseSettings("");
  Install(RegistryRoot::Machine64, "4.0.2");
  OnTemplateOpened("Start");
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandInstall));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandRunProduct));
  EXPECT_TRUE(Forms().buttons.empty());
  EXPECT_TRUE(Fake().shellStarts.empty());
  ASSERT_EQ(1u, Fake().shellLaunches.size());
  EXPECT_EQ("D:\\Setup.exe", Fake().shellLaunches[0].path);
  EXPECT_FALSE(CancelsAutoPlay());
  UseSettings("Cancel AutoPlay=1\r\n");
  EXPECT_TRUE(CancelsAutoPlay());
}

TEST_F(InstalledProductTest, TheLauncherStepsAsideWhileTheInstallerRunsAndComesBackOrEnds) {
  struct Case {
    const char *mode;
    std::vector<std::string> windowCalls;
    bool runGoesOn;
  } cases[] = {
      {"0", {}, true},
      {"1", {"hide", "show"}, true},
      {"2", {"hide"}, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string("mode ") + c.mode);
    Fake().windowCalls.clear();
    Fake().watchedProgramRunning = true;
    UseSettings(std::string("Uninstall Entry=Corvinel 4\r\nHide While Installing=") + c.mode +
                "\r\n");
    Forms().buttons.clear();
    DispatchCommand(backdrop, kCommandInstall);
    // Hidden forms are no reason to end the run; shown ones stay pressed.
    if (c.mode[0] != '0') Fake().topLevelWindowClasses.clear();
    EXPECT_TRUE(OnTimerTick());
    EXPECT_EQ(0, DispatchCommand(backdrop, kCommandInstall));  // one at a time
    EXPECT_EQ(c.mode[0] == '0' ? "(kept) 0" : "none", Button(kCommandInstall));
    Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
    // The installer ends: the state is shown afresh unless the run ends.
    Install(RegistryRoot::Machine64, "4.0.2");
    Fake().watchedProgramRunning = false;
    EXPECT_EQ(c.runGoesOn, OnTimerTick());
    EXPECT_EQ(c.windowCalls, Fake().windowCalls);
    EXPECT_EQ(c.runGoesOn ? "&Run 1" : "none", Button(kCommandInstall));
    EXPECT_EQ(WatchedState::None, CheckWatchedProgram());
    Fake().registry.clear();
  }
  // Started with nothing to wait for: the launcher that is to end ends now.
  Fake().shellHandsOverProgram = false;
  DispatchCommand(backdrop, kCommandInstall);
  EXPECT_EQ(1, Fake().quitRequests);
  EXPECT_EQ(WatchedState::None, CheckWatchedProgram());
}

TEST_F(InstalledProductTest, DocumentsOpenThroughTheShellOnlyWhenOnTheDisc) {
  CopyText(SettingsPath, kPathCapacity,
           folder.Write("VelInst.ini", "[Documents]\r\nDocument1=ReadMe.txt\r\nDocument2=.\r\n"
                                       "Document8=manual\\guide.pdf\r\n")
               .c_str());
  Fake().existingPaths = {"D:\\ReadMe.txt", "D:\\."};
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandFirstDocument));
  EXPECT_EQ(42, DispatchCommand(backdrop, kCommandFirstDocument + 1));
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandFirstDocument + 7));  // not on the disc
  EXPECT_EQ(0, DispatchCommand(backdrop, kCommandFirstDocument + 2));  // not named
  ASSERT_EQ(2u, Fake().shellStarts.size());
  EXPECT_EQ("D:\\ReadMe.txt", Fake().shellStarts[0].file);
  EXPECT_EQ("D:\\", Fake().shellStarts[1].file);
  EXPECT_EQ(backdrop, Fake().shellStarts[1].owner);
  EXPECT_FALSE(Fake().shellStarts[1].watched);
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

}  // namespace
