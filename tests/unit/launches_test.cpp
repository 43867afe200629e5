#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fake_platform.h"
#include "platform/shell_open.h"
#include "resources/texts.h"
#include "settings/settings_path.h"
#include "shell/browser.h"
#include "shell/commands.h"
#include "shell/installer.h"
#include "shell/language_gate.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    Fake().programFilePath = "D:\\VelInst.exe";
    UseSettings("[General]\r\nInstaller=setup\\Setup.exe\r\n"
                "Corvinel=http://www.velmora.com/corvinel.htm\r\n"
                "Velmora Site=http://www.velmora.com/\r\n"
                "OrderOnline=http://www.velmora.com/order.htm\r\n");
  }
  void UseSettings(const std::string &content) {
    CopyText(SettingsPath, kPathCapacity, folder.Write("VelInst.ini", content).c_str());
  }
  void RegisterBrowser(const std::string &openCommand) {
    Fake().classesRoot[".htm"] = "TestHTML";
    Fake().classesRoot["TestHTML\\shell\\open\\command"] = openCommand;
  }
  TempFolder folder;
  WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x1234);
};

TEST_F(LaunchTest, InstallerStartsFromTheProgramDirectoryThroughTheShell) {
  EXPECT_EQ(42, LaunchInstaller(backdrop));
  ASSERT_EQ(1u, Fake().shellLaunches.size());
  EXPECT_EQ("D:\\setup\\Setup.exe", Fake().shellLaunches[0].path);
  EXPECT_EQ(backdrop, Fake().shellLaunches[0].owner);
}

TEST_F(LaunchTest, NoInstallerOrOneTooLongStartsNothingAndShowsNothing) {
  UseSettings("[General]\r\nInstaller=\r\n");
  EXPECT_EQ(0, LaunchInstaller(backdrop));
  UseSettings("[General]\r\nInstaller=" + std::string(257, 'x') + "\r\n");
  EXPECT_EQ(0, LaunchInstaller(backdrop));
  EXPECT_TRUE(Fake().shellLaunches.empty());
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(LaunchTest, EnglishIsEnglishOfEveryCountry) {
  const std::pair<unsigned short, bool> kLanguages[] = {
      // The thirteen English languages of old, 0x0409 to 0x3409.
      {0x0409, true}, {0x0809, true}, {0x0C09, true}, {0x1009, true}, {0x1409, true},
      {0x1809, true}, {0x1C09, true}, {0x2009, true}, {0x2409, true}, {0x2809, true},
      {0x2C09, true}, {0x3009, true}, {0x3409, true},
      // Those added since: India, Malaysia, Singapore, Indonesia, Hong Kong,
      // the United Arab Emirates; English without a country.
      {0x4009, true}, {0x4409, true}, {0x4809, true}, {0x3809, true}, {0x3C09, true},
      {0x4C09, true}, {0x0009, true},
      // Others: German, Chinese, Tamil (0x49, whose low byte is not English),
      // the ids Windows gives a locale without one of its own.
      {0x0407, false}, {0x0804, false}, {0x0449, false}, {0x0C00, false}, {0x1000, false},
      {0x0000, false}};
  for (const auto &language : kLanguages) {
    Fake().systemLanguageId = language.first;
    EXPECT_EQ(language.second, IsEnglishSystemLanguage()) << std::hex << language.first;
  }
}

TEST_F(LaunchTest, LanguageGateStartsTheInstallerOnOtherLanguagesUnlessTurnedOff) {
  Fake().systemLanguageId = 0x0407;
  EXPECT_TRUE(LanguageGateStartsInstaller());  // "IsEnglishOnly" absent: default 1
  ASSERT_EQ(1u, Fake().shellLaunches.size());
  EXPECT_EQ(nullptr, Fake().shellLaunches[0].owner);

  UseSettings("[General]\r\nisenglishonly=0\r\nInstaller=Setup.exe\r\n");
  EXPECT_FALSE(LanguageGateStartsInstaller());
  Fake().systemLanguageId = 0x4009;  // English (India): the screens, as in the UK
  UseSettings("[General]\r\nInstaller=Setup.exe\r\n");
  EXPECT_FALSE(LanguageGateStartsInstaller());
  EXPECT_EQ(1u, Fake().shellLaunches.size());
}

TEST_F(LaunchTest, ProgramFolderIsThePathBeforeItsLastSeparator) {
  char folderName[512];
  for (auto c : {std::make_pair("\"C:\\VIEWER\\VIEW.EXE", "\"C:\\VIEWER"),
                 std::make_pair("C:\\VIEWER\\VIEW.EXE", "C:\\VIEWER"),
                 std::make_pair("VIEW.EXE", "VIEW.EXE"),
                 std::make_pair("\\VIEW.EXE", "\\VIEW.EXE")}) {  // first char not searched
    ProgramFolderOf(c.first, folderName, sizeof folderName);
    EXPECT_STREQ(c.second, folderName) << c.first;
  }
  Fake().textSpelling = kFakeShiftJis;  // "\x83\x5C" is one letter in code page 932
  ProgramFolderOf("\"C:\\Tools\\\x83\x5C.exe", folderName, sizeof folderName);
  EXPECT_STREQ("\"C:\\Tools", folderName);
}

TEST_F(LaunchTest, BrowserGetsItsQuotedPathThenTheAddressInItsFolder) {
  RegisterBrowser("\"C:\\VIEWER\\VIEW.EXE\" -nohome \"%1\"");
  EXPECT_EQ(1, DispatchCommand(backdrop, kCommandProductPage));
  EXPECT_EQ(1, DispatchCommand(backdrop, 3065));  // the same command
  EXPECT_EQ(1, DispatchCommand(backdrop, kCommandVendorSite));
  RegisterBrowser("C:\\VIEWER\\VIEW.EXE %1");
  EXPECT_EQ(1, DispatchCommand(backdrop, kCommandOrderOnline));
  ASSERT_EQ(4u, Fake().programStarts.size());
  const char *expected[] = {"http://www.velmora.com/corvinel.htm",
                            "http://www.velmora.com/corvinel.htm", "http://www.velmora.com/",
                            "http://www.velmora.com/order.htm"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ("C:\\VIEWER\\VIEW.EXE", Fake().programStarts[i].application);
    EXPECT_EQ(std::string("\"C:\\VIEWER\\VIEW.EXE\" ") + expected[i],
              Fake().programStarts[i].commandLine);
    EXPECT_EQ("C:\\VIEWER", Fake().programStarts[i].directory);
  }
}

TEST_F(LaunchTest, UnquotedBrowserPathWithBlanksIsTakenWhole) {
  RegisterBrowser("C:\\Program Files\\Viewer\\view.exe -osint -url %1");
  EXPECT_TRUE(OpenInBrowser("http://x/"));
  ASSERT_EQ(1u, Fake().programStarts.size());
  EXPECT_EQ("C:\\Program Files\\Viewer\\view.exe", Fake().programStarts[0].application);
  EXPECT_EQ("\"C:\\Program Files\\Viewer\\view.exe\" http://x/",
            Fake().programStarts[0].commandLine);
  EXPECT_EQ("C:\\Program Files\\Viewer", Fake().programStarts[0].directory);
}

TEST_F(LaunchTest, OpenCommandStoredForExpansionNamesTheProgramThroughVariables) {
  const std::string command = "\"%ProgramFiles%\\Viewer\\view.exe\" -nohome \"%1\"";
  Fake().environment["PROGRAMFILES"] = "C:\\Program Files";
  RegisterBrowser(command);
  Fake().expandableKeys.insert("TestHTML\\shell\\open\\command");
  EXPECT_TRUE(OpenInBrowser("http://x/"));
  ASSERT_EQ(1u, Fake().programStarts.size());
  EXPECT_EQ("C:\\Program Files\\Viewer\\view.exe", Fake().programStarts[0].application);
  EXPECT_EQ("\"C:\\Program Files\\Viewer\\view.exe\" http://x/", Fake().programStarts[0].commandLine);
  EXPECT_EQ("C:\\Program Files\\Viewer", Fake().programStarts[0].directory);

  // The same text stored as plain text is taken as it stands.
  Fake().expandableKeys.clear();
  OpenInBrowser("http://x/");
  EXPECT_EQ("%ProgramFiles%\\Viewer\\view.exe", Fake().programStarts[1].application);

  // Expanded beyond the 512 bytes of the command: nothing is started.
  Fake().expandableKeys.insert("TestHTML\\shell\\open\\command");
  Fake().environment["PROGRAMFILES"] = "C:\\" + std::string(490, 'p');
  EXPECT_FALSE(OpenInBrowser("http://x/"));
  EXPECT_EQ(2u, Fake().programStarts.size());
}

TEST_F(LaunchTest, OnlyWebAddressesGoToTheShell) {
  RegisterBrowser("VIEW.EXE");
  Fake().shellAddressResult = 42;
  for (const char *address : {"HTTPS://x/", "http://x/", "https:/x/", "www.x", "ftp://x/", ""})
    EXPECT_TRUE(OpenInBrowser(address)) << address;
  EXPECT_EQ((std::vector<std::string>{"HTTPS://x/", "http://x/"}), Fake().shellAddresses);
  EXPECT_EQ(4u, Fake().programStarts.size());  // the rest by the ".htm" program
}

TEST_F(LaunchTest, AShellThatCannotOpenTheAddressHandsItOnUnlessTheCustomerCancelled) {
  RegisterBrowser("VIEW.EXE");
  const struct {
    long long shellResult;
    bool opened;
    size_t programStarts;
  } cases[] = {
      {33, true, 0},
      {2, true, 1},   // no program for the protocol: the ".htm" program
      {0, true, 1},
      {kShellCancelled, false, 0},  // the customer said no: nothing else either
  };
  for (const auto &c : cases) {
    Fake().programStarts.clear();
    Fake().shellAddressResult = c.shellResult;
    EXPECT_EQ(c.opened, OpenInBrowser("https://x/")) << c.shellResult;
    EXPECT_EQ(c.programStarts, Fake().programStarts.size()) << c.shellResult;
  }
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(LaunchTest, NoAssociationOrFailedStartOpensNothing) {
  EXPECT_FALSE(OpenInBrowser("http://x/"));
  Fake().classesRoot[".htm"] = "TestHTML";  // no open command
  EXPECT_FALSE(OpenInBrowser("http://x/"));
  EXPECT_TRUE(Fake().programStarts.empty());
  RegisterBrowser("\"C:\\My Viewer\\view.exe\" %1");
  Fake().startProgramSucceeds = false;
  EXPECT_FALSE(OpenInBrowser("http://x/"));
  EXPECT_EQ("C:\\My Viewer\\view.exe", Fake().programStarts.back().application);
  // A file-type name that leaves no room for the command key opens nothing.
  Fake().classesRoot[".htm"] = std::string(495, 'T');
  EXPECT_FALSE(OpenInBrowser("http://x/"));
  EXPECT_EQ(1u, Fake().programStarts.size());
  EXPECT_TRUE(Fake().messageBoxes.empty());
}

TEST_F(LaunchTest, EmptyAddressStillStartsTheBrowser) {
  UseSettings("[General]\r\n");
  RegisterBrowser("VIEW.EXE");
  EXPECT_TRUE(OpenSettingsUrl(kGeneralProductPage));
  EXPECT_EQ("\"VIEW.EXE\" ", Fake().programStarts[0].commandLine);
  EXPECT_EQ("VIEW.EXE", Fake().programStarts[0].directory);
}

TEST_F(LaunchTest, CommandTableRoutesInstallAndExitAndIgnoresUnlistedNumbers) {
  DispatchCommand(backdrop, kCommandInstall);
  EXPECT_EQ(1u, Fake().shellLaunches.size());
  for (unsigned unlisted : {0u, 3025u, 3050u, 3070u, 4003u, 4005u, 40003u})
    EXPECT_EQ(0, DispatchCommand(backdrop, unlisted)) << unlisted;
  EXPECT_EQ(0, Fake().quitRequests);
  EXPECT_TRUE(Fake().programStarts.empty());
  EXPECT_EQ(1u, Fake().shellLaunches.size());
  DispatchCommand(backdrop, kCommandExit);
  EXPECT_EQ(1, Fake().quitRequests);
}

}  // namespace
