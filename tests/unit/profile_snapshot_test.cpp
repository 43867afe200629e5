// The snapshot the launcher reads its settings file through, against the
// profile service on the same files, and how it follows a file that changes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "fake_platform.h"
#include "profile_cases.h"
#include "resources/texts.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

class ProfileSnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFakePlatform(); }
  TempFolder folder;
};

TEST_F(ProfileSnapshotTest, ReadsEveryFileAsTheProfileServiceDoes) {
  int reads = 0;
  EXPECT_EQ(std::vector<std::string>(), CompareProfileReads(folder.Path("") + "/", false, &reads));
  EXPECT_GT(reads, 900);
}

// The settings file is looked at once per operation, and at every read
// outside one: a change shows at the next operation, never in the middle of one.
TEST_F(ProfileSnapshotTest, AChangedSettingsFileIsReadAgainAtTheNextOperation) {
  const std::string path = folder.Write("VelInst.ini", "[General]\r\nStartup=one.vrm\r\n");
  CopyText(SettingsPath, kPathCapacity, path.c_str());
  auto startup = [] {
    char value[kPathCapacity] = "";
    ReadSetting(kGeneralStartup, value);
    return std::string(value);
  };
  EXPECT_EQ("one.vrm", startup());
  {
    SettingsOperation operation;
    EXPECT_EQ("one.vrm", startup());
    folder.Write("VelInst.ini", "[General]\r\nStartup=second.vrm\r\n");
    EXPECT_EQ("one.vrm", startup());
    {
      SettingsOperation nested;
      EXPECT_EQ("second.vrm", startup());
    }
    folder.Write("VelInst.ini", "[General]\r\nStartup=third one.vrm\r\n");
    EXPECT_EQ("second.vrm", startup());
  }
  EXPECT_EQ("third one.vrm", startup());
  std::filesystem::remove(path);
  EXPECT_EQ("", startup());
  folder.Write("VelInst.ini", "[General]\r\nStartup=back.vrm\r\n");
  EXPECT_EQ("back.vrm", startup());
  // Another settings path is another file, even inside an operation.
  SettingsOperation operation;
  startup();
  CopyText(SettingsPath, kPathCapacity,
           folder.Write("other.ini", "[General]\r\nStartup=other.vrm\r\n").c_str());
  EXPECT_EQ("other.vrm", startup());
  EXPECT_EQ(0, Fake().profileReads);  // none of it through the profile service
}

// A file system keeps write times only to its resolution (2 s on FAT), so a
// file rewritten at the same size soon after its last write may keep its
// stamp: one written shortly before it was read is read again at the next
// look, one unchanged for longer is not read again.
TEST_F(ProfileSnapshotTest, ASameSizeRewriteWithTheSameStampIsReadWhileTheStampIsRecent) {
  struct Case {
    const char *name;
    int millisecondsBeforeTheRead;
    bool readAgain;
  };
  const Case cases[] = {
      {"written as it is read", 0, true},
      {"written 1.5 s before", 1500, true},
      {"written by a clock 1 s ahead", -1000, true},
      {"written 3 s before", 3000, false},
      {"written an hour before", 3600000, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.Write("VelInst.ini", "[General]\r\nIsEnglishOnly=0\r\n");
    CopyText(SettingsPath, kPathCapacity, path.c_str());
    const auto written = std::filesystem::file_time_type::clock::now() -
                         std::chrono::milliseconds(c.millisecondsBeforeTheRead);
    std::filesystem::last_write_time(path, written);
    EXPECT_EQ(0u, ReadSettingInt(kGeneralEnglishOnly, 7));
    folder.Write("VelInst.ini", "[General]\r\nIsEnglishOnly=1\r\n");
    std::filesystem::last_write_time(path, written);
    const int readsBefore = Fake().fileContentReads;
    const unsigned flag = ReadSettingInt(kGeneralEnglishOnly, 7);
    EXPECT_EQ(c.readAgain ? 1 : 0, Fake().fileContentReads - readsBefore);
    if (c.readAgain) {
      EXPECT_EQ(1u, flag);
    }
  }
}

}  // namespace
