#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "fake_platform.h"
#include "resources/texts.h"
#include "settings/key_service.h"
#include "settings/paths.h"
#include "settings/settings_path.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFakePlatform(); }
  TempFolder folder;
};

TEST_F(SettingsTest, AbsentKeyKeepsTheDestinationAsDefault) {
  std::string file = folder.Write("VelInst.ini", "[General]\r\nStartup=start.vrm\r\n");
  char value[32] = "abc";
  EXPECT_EQ(3, ReadKeyString(KEY_INSTALLER, value, sizeof value, file.c_str(), "General"));
  EXPECT_STREQ("abc", value);

  char empty[32] = "";
  EXPECT_EQ(0, ReadKeyString(KEY_INSTALLER, empty, sizeof empty, file.c_str(), "General"));
  EXPECT_STREQ("", empty);

  // The default loses its trailing blanks and is cut to capacity - 1.
  char padded[8] = "ab  ";
  EXPECT_EQ(2, ReadKeyString(KEY_INSTALLER, padded, sizeof padded, file.c_str(), "General"));
  EXPECT_STREQ("ab", padded);
  char longDefault[4] = {'w', 'x', 'y', 'z'};  // not even terminated
  EXPECT_EQ(3, ReadKeyString(KEY_INSTALLER, longDefault, sizeof longDefault,
                             file.c_str(), "General"));
  EXPECT_STREQ("wxy", longDefault);
}

TEST_F(SettingsTest, MissingFileOrSectionIsTheAbsentCase) {
  char value[32] = "keep";
  EXPECT_EQ(4, ReadKeyString(KEY_STARTUP, value, sizeof value,
                             folder.Path("missing.ini").c_str(), "General"));
  EXPECT_STREQ("keep", value);
  std::string file = folder.Write("VelInst.ini", "[Other]\r\nStartup=x\r\n");
  EXPECT_EQ(4, ReadKeyString(KEY_STARTUP, value, sizeof value, file.c_str(), "General"));
  EXPECT_STREQ("keep", value);
  EXPECT_EQ(7u, ReadKeyInt(KEY_ENGLISH_ONLY, 7, file.c_str(), "general"));
}

TEST_F(SettingsTest, PresentValueReplacesTheDefaultAndIsCut) {
  std::string file = folder.Write(
      "VelInst.ini", "[General]\r\nVelmoraState=TEXASLONGER\r\nStartup = start.vrm \r\n");
  char state[8] = "xx";
  EXPECT_EQ(7, ReadKeyString(KEY_TAX_STATE, state, sizeof state, file.c_str(), "General"));
  EXPECT_STREQ("TEXASLO", state);
  char startup[260] = "default";
  EXPECT_EQ(9, ReadKeyString(KEY_STARTUP, startup, sizeof startup, file.c_str(), "General"));
  EXPECT_STREQ("start.vrm", startup);
}

TEST_F(SettingsTest, SectionAndKeyNamesMatchWithoutRegardToCase) {
  std::string file = folder.Write("VelInst.ini", "[General]\r\nisenglishonly=0\r\n");
  EXPECT_EQ(0u, ReadKeyInt(KEY_ENGLISH_ONLY, 1, file.c_str(), "general"));
  std::string other = folder.Write("b.ini", "[GENERAL]\r\nISENGLISHONLY=5\r\n");
  EXPECT_EQ(5u, ReadKeyInt(KEY_ENGLISH_ONLY, 1, other.c_str(), "General"));
  EXPECT_EQ(1u, ReadKeyInt(KEY_ENGLISH_ONLY, 1, folder.Path("none.ini").c_str(), "general"));
}

TEST_F(SettingsTest, WriteCreatesFileSectionAndKeyAndKeepsOtherLines) {
  std::string file = folder.Path("profile.ini");
  WriteKeyString(KEY_PROFILE_CITY, "Austin", file.c_str(), "registration info");
  char city[64] = "";
  EXPECT_EQ(6, ReadKeyString(KEY_PROFILE_CITY, city, sizeof city, file.c_str(),
                             "registration info"));
  EXPECT_STREQ("Austin", city);

  folder.Write("profile.ini", "; kept\r\n[Other]\r\nA=1\r\n[registration info]\r\nCITY=Old\r\nZIP=1\r\n");
  WriteKeyString(KEY_PROFILE_CITY, "New York", file.c_str(), "registration info");
  WriteKeyString(KEY_PROFILE_FAX, "", file.c_str(), "registration info");
  EXPECT_EQ("; kept\r\n[Other]\r\nA=1\r\n[registration info]\r\nCITY=New York\r\nZIP=1\r\nFAX=\r\n",
            folder.Read("profile.ini"));
}

TEST_F(SettingsTest, WrittenValuesReadBackAsWrittenQuotesIncluded) {
  std::string file = folder.Path("profile.ini");
  for (const char *value : {"\"Rose Cottage\"", "'Rose'", "\"\"", "\"", "'", "\"a'",
                            "\"a\" and \"b\"", "Smith & Sons", ""}) {
    WriteKeyString(KEY_PROFILE_STREET2, value, file.c_str(), "registration info");
    char read[256] = "default";
    ReadKeyString(KEY_PROFILE_STREET2, read, sizeof read, file.c_str(), "registration info");
    EXPECT_STREQ(value, read);
  }
  WriteKeyString(KEY_PROFILE_CITY, "\"Rose Cottage\"", file.c_str(), "registration info");
  EXPECT_NE(std::string::npos, folder.Read("profile.ini").find("CITY=\"\"Rose Cottage\"\"\r\n"));
}

TEST_F(SettingsTest, ProgramDirectoryEndsAfterTheLastSeparator) {
  struct Case {
    const char *program;
    const AnsiSpelling *spelling;
    const char *directory;
    const char *settingsPath;  // nullptr: not looked at
  };
  // In code page 932 "\x83\x5C" is one letter: its second byte ends no folder.
  const Case cases[] = {
      {"D:\\SETUP.EXE", nullptr, "D:\\", "D:\\VelInst.ini"},
      {"E:SETUP.EXE", nullptr, "E:", nullptr},
      {"SETUP.EXE", nullptr, "", ""},
      {"C:\\a\\b:c\\x.exe", nullptr, "C:\\a\\b:c\\", "C:\\a\\b:c\\VelInst.ini"},
      {"D:\\disc\\\x83\x5C.exe", &kFakeShiftJis, "D:\\disc\\", "D:\\disc\\VelInst.ini"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.program);
    Fake().programFilePath = c.program;
    Fake().textSpelling = c.spelling != nullptr ? *c.spelling : AnsiSpelling();
    char directory[260] = "stale";
    EXPECT_EQ(static_cast<int>(strlen(c.directory)),
              GetProgramDirectory(directory, sizeof directory));
    EXPECT_STREQ(c.directory, directory);
    if (c.settingsPath == nullptr) continue;
    EXPECT_EQ(c.settingsPath[0] != '\0' ? 1 : 0, BuildSettingsPath());
    EXPECT_STREQ(c.settingsPath, SettingsPath);
  }
}

TEST_F(SettingsTest, UnknownProgramDirectoryBuildsNoRelativePaths) {
  std::string file = folder.Write("VelInst.ini", "[General]\r\nInstaller=setup.exe\r\n");
  // A failed query and a path without a separator both give no directory.
  for (const char *program : {"", "SETUP.EXE"}) {
    Fake().programFilePath = program;
    CopyText(SettingsPath, kPathCapacity, "stale");
    EXPECT_EQ(0, BuildSettingsPath()) << program;
    EXPECT_STREQ("", SettingsPath);
    CopyText(SettingsPath, kPathCapacity, file.c_str());
    char path[kPathCapacity] = "stale";
    EXPECT_EQ(0, BuildDiscPath(kGeneralInstaller, path)) << program;
    EXPECT_STREQ("", path);
  }
}

TEST_F(SettingsTest, ProgramPathOutsideTheCodePageIsTakenByItsShortForm) {
  const std::string program = "D:\\Disc named in Cyrillic\\VelInst.exe";
  Fake().programFilePath = program;
  Fake().pathsOutsideCodePage[program] = "D:\\DISCNA~1\\VelInst.exe";
  ASSERT_EQ(1, BuildSettingsPath());
  EXPECT_STREQ("D:\\DISCNA~1\\VelInst.ini", SettingsPath);

  // No short form: no settings path rather than one that names nothing.
  Fake().pathsOutsideCodePage[program] = "";
  EXPECT_EQ(0, BuildSettingsPath());
  EXPECT_STREQ("", SettingsPath);
}

TEST_F(SettingsTest, TooLongProgramDirectoryBuildsNoSettingsPathAndReadsNothing) {
  // 248 characters of directory fit with "VelInst.ini"; 249 do not.
  Fake().programFilePath = "C:\\" + std::string(244, 'd') + "\\x.exe";
  ASSERT_EQ(1, BuildSettingsPath());
  EXPECT_EQ(259u, strlen(SettingsPath));

  Fake().programFilePath = "C:\\" + std::string(245, 'd') + "\\x.exe";
  EXPECT_EQ(0, BuildSettingsPath());
  EXPECT_STREQ("", SettingsPath);
  int readsBefore = Fake().profileReads;
  char value[16] = "kept ";
  EXPECT_EQ(4, ReadKeyString(KEY_STARTUP, value, sizeof value, SettingsPath, "General"));
  EXPECT_STREQ("kept", value);
  EXPECT_EQ(1u, ReadKeyInt(KEY_ENGLISH_ONLY, 1, SettingsPath, "general"));
  EXPECT_EQ(readsBefore, Fake().profileReads);
}

TEST_F(SettingsTest, DiscPathIsTheProgramDirectoryAndTheValue) {
  std::string file = folder.Write("VelInst.ini", "[General]\r\nInstaller=setup\\setup.exe\r\n");
  CopyText(SettingsPath, kPathCapacity, file.c_str());
  Fake().programFilePath = "D:\\VelInst.exe";
  char path[kPathCapacity];
  EXPECT_EQ(1, BuildDiscPath(kGeneralInstaller, path));
  EXPECT_STREQ("D:\\setup\\setup.exe", path);
  EXPECT_EQ(0, BuildDiscPath(kGeneralStartup, path));  // absent value: nothing built
  EXPECT_STREQ("", path);
  folder.Write("VelInst.ini", "[General]\r\nInstaller=" + std::string(257, 'x') + "\r\n");
  EXPECT_EQ(0, BuildDiscPath(kGeneralInstaller, path));  // would not fit in 260
  EXPECT_STREQ("", path);
}

}  // namespace

namespace {

// The disc's settings files for a language, each with the [General] lines
// given; which of them a display language gets on a system running programs
// in the code page given.
struct LanguageCase {
  const char *what;
  unsigned short display;
  unsigned systemCodePage;
  std::vector<std::pair<const char *, const char *>> files;
  const char *chosen;
};

const LanguageCase kLanguageCases[] = {
    {"German, undeclared, on a Western system: as ever", 0x0407, 1252,
     {{"VelInst.07.ini", ""}}, "VelInst.07.ini"},
    {"German, undeclared, on a Cyrillic system", 0x0407, 1251, {{"VelInst.07.ini", ""}},
     "VelInst.ini"},
    {"Polish, undeclared, on a Western system (Polish is 1250)", 0x0415, 1252,
     {{"VelInst.15.ini", ""}}, "VelInst.ini"},
    {"Polish in 1250 on a Western system", 0x0415, 1252,
     {{"VelInst.15.ini", "Code Page=1250"}}, "VelInst.ini"},
    {"Polish in 1250 on a Central European system", 0x0415, 1250,
     {{"VelInst.15.ini", "Code Page=1250"}}, "VelInst.15.ini"},
    {"the declared code page over the language's", 0x0415, 1252,
     {{"VelInst.15.ini", "Code Page=1252"}}, "VelInst.15.ini"},
    {"a value that is no number", 0x0407, 1252,
     {{"VelInst.07.ini", "Code Page=Windows-1252"}}, "VelInst.ini"},
    {"an empty value counts as undeclared", 0x0407, 1252, {{"VelInst.07.ini", "Code Page="}},
     "VelInst.07.ini"},
    {"the language's own file before its primary language's", 0x0C07, 1252,
     {{"VelInst.0C07.ini", ""}, {"VelInst.07.ini", ""}}, "VelInst.0C07.ini"},
    {"an own file the system cannot show gives way to the primary one", 0x0407, 1252,
     {{"VelInst.0407.ini", "Code Page=1251"}, {"VelInst.07.ini", ""}}, "VelInst.07.ini"},
    {"the primary language's file for another country", 0x0C07, 1252,
     {{"VelInst.07.ini", ""}}, "VelInst.07.ini"},
    {"another language's files serve nobody else", 0x0410, 1252,
     {{"VelInst.0407.ini", ""}, {"VelInst.07.ini", ""}, {"VelInst.0C.ini", ""}}, "VelInst.ini"},
    {"a Unicode-only language, undeclared", 0x0439, 1252, {{"VelInst.39.ini", ""}},
     "VelInst.ini"},
    {"a Unicode-only language in UTF-8 on a UTF-8 system", 0x0439, 65001,
     {{"VelInst.39.ini", "Code Page=65001"}}, "VelInst.39.ini"},
    {"Simplified Chinese has no primary file", 0x0804, 936, {{"VelInst.04.ini", ""}},
     "VelInst.ini"},
    {"Traditional never serves Simplified", 0x0804, 950,
     {{"VelInst.0404.ini", "Code Page=950"}}, "VelInst.ini"},
    {"Singapore in Simplified script", 0x1004, 936,
     {{"VelInst.0404.ini", ""}, {"VelInst.0804.ini", ""}}, "VelInst.0804.ini"},
    {"Hong Kong in Traditional script", 0x0C04, 950,
     {{"VelInst.0804.ini", ""}, {"VelInst.0404.ini", ""}}, "VelInst.0404.ini"},
    {"Macao in Traditional script", 0x1404, 950, {{"VelInst.0404.ini", "Code Page=950"}},
     "VelInst.0404.ini"},
};

TEST_F(SettingsTest, DisplayLanguageGetsItsSettingsOnlyInTheSystemsCodePage) {
  for (const LanguageCase &c : kLanguageCases) {
    SCOPED_TRACE(c.what);
    TempFolder disc;
    Fake().programFilePath = disc.Path("disc") + "\\VelInst.exe";
    Fake().displayLanguageId = c.display;
    Fake().ansiCodePage = c.systemCodePage;
    Fake().existingPaths.clear();
    for (const auto &file : c.files)
      Fake().existingPaths.insert(disc.Write(std::string("disc\\") + file.first,
                                             std::string("[General]\r\n") + file.second + "\r\n"));
    ASSERT_EQ(1, BuildSettingsPath());
    EXPECT_EQ(disc.Path(std::string("disc\\") + c.chosen), SettingsPath);
    EXPECT_EQ(std::string(c.chosen) != "VelInst.ini", SettingsForDisplayLanguage);
  }
}

}  // namespace
