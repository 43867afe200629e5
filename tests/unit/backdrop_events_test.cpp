#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_forms.h"
#include "fake_platform.h"
#include "settings/settings_path.h"
#include "shell/backdrop_events.h"
#include "shell/commands.h"
#include "temp_folder.h"
#include "text/bounded.h"

namespace {

class BackdropEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ResetFakeForms();
    RecalcPending = false;
    Fake().programFilePath = "D:\\VelInst.exe";
    CopyText(SettingsPath, kPathCapacity,
             folder.Write("VelInst.ini",
                          "[General]\r\nStartup=screens\\start.vrm\r\n"
                          "[Form Name]\r\nregistration=Registration\r\nBUYER=Buyer\r\n"
                          "Order=Order\r\n")
                 .c_str());
  }
  // A form window of the engine exists and `name` is the current template.
  void ShowForm(const std::string &name) {
    Fake().topLevelWindowClasses.insert(kTemplateWindowClass);
    OpenFakeTemplate(name, {});
  }
  TempFolder folder;
  WindowHandle backdrop = reinterpret_cast<WindowHandle>(0x77);
};

TEST_F(BackdropEventsTest, OrderFormIsCurrentByNameIgnoringTheCaseOfLettersOnly) {
  EXPECT_FALSE(IsOrderFormCurrent());  // no form window at all
  ShowForm("ORDER");
  EXPECT_TRUE(IsOrderFormCurrent());
  ShowForm("order ");
  EXPECT_FALSE(IsOrderFormCurrent());
  ShowForm("");
  EXPECT_FALSE(IsOrderFormCurrent());
  // The engine's own record of a current template does not count without a
  // form window on the desktop.
  ShowForm("Order");
  Fake().topLevelWindowClasses.clear();
  EXPECT_FALSE(IsOrderFormCurrent());
}

TEST_F(BackdropEventsTest, AbsentOrderNameNeverMakesTheOrderFormCurrent) {
  folder.Write("VelInst.ini", "[General]\r\n");
  ShowForm("Order");
  EXPECT_FALSE(IsOrderFormCurrent());
  OnFieldChanged();
  EXPECT_FALSE(RecalcPending);
}

TEST_F(BackdropEventsTest, FieldChangesCountOnlyOnTheOrderFormAndAreConsumedByOneTick) {
  ShowForm("Buyer");
  OnFieldChanged();
  EXPECT_FALSE(RecalcPending);

  ShowForm("Order");
  OnFieldChanged();
  OnFieldChanged();
  OnFieldChanged();
  EXPECT_TRUE(RecalcPending);
  EXPECT_TRUE(OnTimerTick());
  EXPECT_FALSE(RecalcPending);
}

TEST_F(BackdropEventsTest, PendingRecalculationWaitsWhileAnotherTemplateIsCurrent) {
  ShowForm("Order");
  OnFieldChanged();
  ShowForm("Buyer");
  EXPECT_TRUE(OnTimerTick());
  EXPECT_TRUE(RecalcPending);
  ShowForm("order");
  EXPECT_TRUE(OnTimerTick());
  EXPECT_FALSE(RecalcPending);
}

TEST_F(BackdropEventsTest, TickEndsTheRunWhenNoFormWindowIsLeft) {
  ShowForm("Start");
  EXPECT_TRUE(OnTimerTick());
  Fake().topLevelWindowClasses.clear();
  EXPECT_FALSE(OnTimerTick());
  // A form window of another process keeps the run going too.
  Fake().topLevelWindowClasses.insert("Template Window Class");
  EXPECT_TRUE(OnTimerTick());
}

TEST_F(BackdropEventsTest, CommandsEndTheRunOrNotAndDisableTheFormsByTheirRows) {
  const std::string disabled = "disable Template Window Class, enable";
  const struct {
    unsigned command;
    int quitRequests;
    std::string formCalls;
  } cases[] = {
      {kCommandNothing, 0, ""},
      {kCommandQuit, 1, ""},
      {kCommandExit, 1, disabled},
      {0x10000 | kCommandExit, 1, disabled},  // only the low 16 bits count
      {40003, 0, ""},                         // no row: nothing at all
      {kCommandFirstDocument, 0, disabled},   // no document: nothing to open
  };
  for (const auto &c : cases) {
    Fake().quitRequests = 0;
    Fake().formCalls.clear();
    Fake().keyboardHolders.clear();
    EXPECT_TRUE(OnBackdropCommand(backdrop, c.command));
    EXPECT_EQ(c.quitRequests, Fake().quitRequests) << c.command;
    std::string formCalls;
    for (const std::string &call : Fake().formCalls)
      formCalls += (formCalls.empty() ? "" : ", ") + call;
    EXPECT_EQ(c.formCalls, formCalls) << c.command;
    // The backdrop holds the keyboard while the forms wait.
    const std::vector<WindowHandle> holders =
        c.formCalls.empty() ? std::vector<WindowHandle>{} : std::vector<WindowHandle>{backdrop};
    EXPECT_EQ(holders, Fake().keyboardHolders) << c.command;
  }
}

TEST_F(BackdropEventsTest, StartupTemplateOpensFromTheProgramDirectory) {
  OpenStartupTemplate(backdrop);
  ASSERT_EQ(1u, Forms().creates.size());
  EXPECT_EQ("D:\\screens\\start.vrm", Forms().creates[0].path);
  EXPECT_EQ(backdrop, Forms().creates[0].owner);
  EXPECT_EQ(0x80000000UL, Forms().creates[0].flags);
  EXPECT_EQ(0, Forms().creates[0].x);
  EXPECT_EQ(0, Forms().creates[0].y);
  EXPECT_EQ(1, Forms().creates[0].show);

  folder.Write("VelInst.ini", "[General]\r\nStartup=" + std::string(257, 's') + "\r\n");
  OpenStartupTemplate(backdrop);
  folder.Write("VelInst.ini", "[General]\r\n");
  OpenStartupTemplate(backdrop);
  EXPECT_EQ(1u, Forms().creates.size());  // nothing opened with a cut or empty path
}

TEST_F(BackdropEventsTest, OpeningTheRegistrationOrBuyerFormPrefillsItOthersNothing) {
  CopyText(SettingsPath, kPathCapacity, VELINST_SOURCE_DIR "/disc/VelInst.ini");
  OnTemplateOpened("Start");
  OnTemplateOpened("Order");
  EXPECT_TRUE(Forms().edits.empty());

  OnTemplateOpened("REGISTRATION");
  ASSERT_EQ(15u, Forms().edits.size());
  EXPECT_EQ("reg_product", Forms().edits.front().field);

  Forms().edits.clear();
  OnTemplateOpened("buyer");
  ASSERT_EQ(11u, Forms().edits.size());
  EXPECT_EQ("buyer_first_name", Forms().edits.front().field);
}

TEST_F(BackdropEventsTest, AutoPlayIsCancelledForTheWholeRunOnlyWhenTheSettingsSaySo) {
  for (auto c : {std::make_pair("", false), std::make_pair("Cancel AutoPlay=0", false),
                 std::make_pair("Cancel AutoPlay=1", true)}) {
    Fake().autoPlayCalls.clear();
    folder.Write("VelInst.ini", std::string("[General]\r\n") + c.first + "\r\n");
    CancelAutoPlayForTheRun();
    EXPECT_EQ(c.second ? std::vector<std::string>{"cancel"} : std::vector<std::string>{},
              Fake().autoPlayCalls)
        << c.first;
  }
}

}  // namespace
