#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "fake_printer.h"
#include "printing/print_job.h"
#include "printing/print_setup.h"
#include "registration/printed_registration.h"
#include "shell/commands.h"

namespace {

WindowHandle Backdrop() { return reinterpret_cast<WindowHandle>(0x1234); }

using Calls = std::vector<std::string>;

class PrintJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ResetFakePrinting();
    RunPrintSettings = {};
  }

  // Opens one job and prints the page on it; returns the job as it was open.
  PrintJob OneJob(const Page &page = Page{}) {
    PrintJob job;
    EXPECT_EQ(1, OpenPrintJob(Backdrop(), job));
    PrintJob open = job;
    EXPECT_EQ(1, PrintPage(job, page));
    return open;
  }

  static void ExpectNothingLeftOpen() {
    EXPECT_EQ(0, LiveDrawingContexts());
    EXPECT_EQ(0, LiveFonts());
    EXPECT_EQ(std::vector<std::string>{}, Printing().faults);
  }
};

TEST_F(PrintJobTest, FrameOpensAndClosesOnePageInOrderAndReleasesEverything) {
  PrintJob job = OneJob();
  EXPECT_EQ((Calls{"print dialog (default printer)", "printer context", "release block",
                   "release block", "metrics",
                   // the sample is measured on the screen in the print font
                   "screen context", "font -88 Arial", "select font into screen", "measure",
                   "restore font into screen", "delete font", "release screen context",
                   "font -88 Arial", "select font into printer",
                   // PrintPage
                   "start document", "start page", "transparent", "end page", "end document",
                   "restore font into printer", "delete font", "delete printer context"}),
            Printing().calls);
  EXPECT_EQ(std::vector<std::string>{"Print Document"}, Printing().documentNames);
  EXPECT_EQ(std::vector<WindowHandle>{Backdrop()}, Printing().screenWindows);
  EXPECT_EQ((std::vector<std::string>{"Office Laser"}), Printing().printerContexts);
  EXPECT_EQ(4800, job.units.pageWidth);
  EXPECT_EQ(6600, job.units.pageHeight);
  EXPECT_EQ(0, LivePrintBlocks());  // the default printer's blocks were released
  ExpectNothingLeftOpen();
  EXPECT_TRUE(Fake().messageBoxes.empty());
  // The wait cursor showed for the whole job.
  EXPECT_EQ((Calls{"wait", "restore"}), Fake().cursorCalls);
  EXPECT_EQ(kFakeStartCursor, Fake().shownCursor);
}

TEST_F(PrintJobTest, PrintFontIsArialOfCharacterHeight88ForA600DpiPrinter) {
  OneJob();
  ASSERT_EQ(1u, Printing().measuredIn.size());
  const FontDescription &font = Printing().measuredIn[0];
  EXPECT_EQ(-88, font.height);
  EXPECT_EQ(400, font.weight);
  EXPECT_EQ(1, font.charSet);
  EXPECT_STREQ("Arial", font.faceName);
  EXPECT_EQ(0, font.width + font.escapement + font.orientation + font.italic + font.underline +
                   font.strikeOut + font.outPrecision + font.clipPrecision + font.quality +
                   font.pitchAndFamily);
}

TEST_F(PrintJobTest, UnitsComeFromTheSampleAndScaleWithThePrintersResolution) {
  struct Case {
    TextSize sample;
    int dotsPerInchX, dotsPerInchY;
    int columnUnit, lineUnit, fontHeight;
  };
  const Case cases[] = {
      {{600, 101}, 600, 600, 50, 126, -88},  // 126.25 truncated
      {{600, 103}, 600, 600, 50, 128, -88},  // 128.75 truncated, not rounded
      {{611, 99}, 600, 600, 50, 123, -88},   // 50.9 and 123.75 truncated
      {{600, 101}, 300, 300, 25, 63, -44},   // half the resolution, half the units
      {{600, 101}, 300, 600, 25, 126, -88},  // horizontal for columns, vertical for lines
      {{600, 101}, 1200, 1200, 100, 252, -176},
  };
  for (const Case &c : cases) {
    ResetFakePrinting();
    Printing().printers[0].dotsPerInchX = c.dotsPerInchX;
    Printing().printers[0].dotsPerInchY = c.dotsPerInchY;
    Printing().screenExtent = c.sample;
    PrintJob job = OneJob();
    const std::string where = std::to_string(c.sample.width) + "x" +
                              std::to_string(c.sample.height) + " at " +
                              std::to_string(c.dotsPerInchX) + "x" + std::to_string(c.dotsPerInchY);
    EXPECT_EQ(c.columnUnit, job.units.columnUnit) << where;
    EXPECT_EQ(c.lineUnit, job.units.lineUnit) << where;
    // The sample is always measured in the font as laid out for 600 dpi.
    EXPECT_EQ(-88, Printing().measuredIn.at(0).height) << where;
    EXPECT_EQ("font " + std::to_string(c.fontHeight) + " Arial", Printing().calls.at(12)) << where;
  }
  EXPECT_EQ(-44, ScaleToPrinter(-88, 300));  // truncated toward zero
  EXPECT_EQ(-52, ScaleToPrinter(-88, 360));
  EXPECT_EQ(126, ScaleToPrinter(126, 0));  // no resolution reported: as laid out
}

TEST_F(PrintJobTest, MeasuringAnEmptyTextDoesNotTouchTheScreen) {
  TextSize size = MeasureText(Backdrop(), "", PrintFontDescription(-88));
  EXPECT_EQ(0, size.width);
  EXPECT_EQ(0, size.height);
  EXPECT_TRUE(Printing().calls.empty());
}

TEST_F(PrintJobTest, WithoutAPrinterNoJobStartsAndNothingIsShown) {
  Printing().defaultPrinter = -1;
  PrintJob job;
  EXPECT_EQ(0, OpenPrintJob(Backdrop(), job));
  EXPECT_EQ(Calls{"print dialog (default printer)"}, Printing().calls);
  ASSERT_EQ(1u, Printing().dialogs.size());
  EXPECT_EQ(Backdrop(), Printing().dialogs[0].owner);
  // The default printer only, and no system box saying there is none.
  EXPECT_EQ(0x480u, Printing().dialogs[0].flags);
  EXPECT_TRUE(Fake().messageBoxes.empty());
  EXPECT_EQ(0, LivePrintBlocks());
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, PrinterThatCannotBeOpenedStartsNoJobAndLeaksNothing) {
  Printing().printerContextFails = true;
  PrintJob job;
  EXPECT_EQ(0, OpenPrintJob(Backdrop(), job));
  EXPECT_EQ((Calls{"print dialog (default printer)", "printer context", "release block",
                   "release block"}),
            Printing().calls);
  EXPECT_EQ(0, LivePrintBlocks());
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, WithoutThePrintFontTheJobGoesOnInThePrintersFont) {
  Printing().fontCreationFails = true;
  Page page = {};
  AddText(page, {kAlignLeft, kLeftMargin, 5}, "text");
  const PrintJob job = OneJob(page);
  EXPECT_EQ(126, job.units.lineUnit);  // measured in the screen's font, units as measured
  EXPECT_EQ(50, job.units.columnUnit);
  ASSERT_EQ(1u, Printing().printed.size());
  EXPECT_FALSE(Printing().printed[0].inPrintFont);
  EXPECT_TRUE(Printing().printed[0].onPage);
  for (const std::string &call : Printing().calls) {
    EXPECT_NE("delete font", call);
    EXPECT_EQ(std::string::npos, call.find("select")) << call;
  }
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, APageIsDrawnInLineAndColumnUnitsAndFractionsOfThePageWidth) {
  Printing().printers[0].pageWidth = 4801;  // odd: half of it is truncated
  Page page = {};
  AddText(page, {kAlignCentre, kPageCentre, 3}, "Title");
  AddText(page, {kAlignRight, AtColumn(20), 12}, "Caption:");
  AddText(page, {kAlignLeft, kLeftMargin, 21}, "Question?");
  AddText(page, {kAlignRight, {0, 17, 57}, 24}, "12.50");  // 17 columns + 57% of the width
  AddText(page, {kAlignLeft, AtColumn(8), 12}, "Product\tUnit Price", true);
  page.tabs = {AtColumn(8), {{0, 0, 33}, {0, 0, 45}, {0, 0, 57}}, 3};
  OneJob(page);  // line unit 126, column unit 50

  const std::vector<PrintedText> &printed = Printing().printed;
  ASSERT_EQ(5u, printed.size());
  struct Expected {
    const char *text;
    unsigned alignment;
    int x, y;
  };
  const Expected rows[] = {{"Title", 6, 2400, 378},
                           {"Caption:", 2, 1000, 1512},
                           {"Question?", 0, 126, 2646},
                           {"12.50", 2, 850 + 2736, 3024},
                           {"Product\tUnit Price", 0, 400, 1512}};
  for (size_t i = 0; i < printed.size(); ++i) {
    EXPECT_EQ(rows[i].text, printed[i].text) << i;
    EXPECT_EQ(rows[i].alignment, printed[i].alignment) << i;
    EXPECT_EQ(rows[i].x, printed[i].x) << i;
    EXPECT_EQ(rows[i].y, printed[i].y) << i;
    EXPECT_TRUE(printed[i].onPage) << i;
    EXPECT_TRUE(printed[i].inPrintFont) << i;
    EXPECT_EQ(i == 4, printed[i].tabbed) << i;
  }
  EXPECT_EQ((std::vector<int>{1584, 2160, 2736}), printed[4].tabStops);
  EXPECT_EQ(400, printed[4].tabOrigin);
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, EachJobWithoutSetUpAsksForTheDefaultPrinterOfThatMoment) {
  OneJob();
  Printing().defaultPrinter = 1;
  OneJob();
  EXPECT_EQ((std::vector<std::string>{"Office Laser", "Draft Printer"}),
            Printing().printerContexts);
  EXPECT_EQ(nullptr, RunPrintSettings.deviceNames);  // the lookups never reach the run
  EXPECT_EQ(0, LivePrintBlocks());
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, ConfirmedSetUpHoldsForTheRunAndACancelKeepsIt) {
  RunPrintSettings.flags = 0x1234;  // overwritten, not combined
  Printing().setupChoice = 1;
  Printing().setupLandscape = true;
  EXPECT_NE(0, DispatchCommand(Backdrop(), kCommandPrintSetup));
  ASSERT_EQ(1u, Printing().dialogs.size());
  EXPECT_EQ(Backdrop(), Printing().dialogs[0].owner);
  EXPECT_EQ(0x40u, Printing().dialogs[0].flags);

  PrintJob job = OneJob();
  EXPECT_EQ(3300, job.units.pageWidth);  // landscape on the chosen printer
  EXPECT_EQ(2400, job.units.pageHeight);

  // Cancelled: the dialog started from the choice and nothing changed.
  Printing().setupChoice = 0;
  Printing().setupLandscape = false;
  Printing().setupConfirms = false;
  const PrintSettings chosen = RunPrintSettings;
  EXPECT_EQ(0, DispatchCommand(Backdrop(), 3095));  // the command's second number
  EXPECT_EQ(chosen.deviceNames, Printing().dialogs.back().deviceNames);
  OneJob();

  // Both set-up commands open the same dialog; the default printer is not
  // asked for once a printer was chosen.
  Printing().setupConfirms = true;
  EXPECT_NE(0, DispatchCommand(Backdrop(), 3095));
  OneJob();
  EXPECT_EQ((std::vector<std::string>{"Draft Printer landscape", "Draft Printer landscape",
                                      "Office Laser"}),
            Printing().printerContexts);
  for (const std::string &call : Printing().calls)
    EXPECT_NE("print dialog (default printer)", call);
  EXPECT_EQ(2, LivePrintBlocks());  // the run's choice, kept for the run
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, ADocumentThatDoesNotStartEndsTheJobThereAndReleasesEverything) {
  Printing().documentStartFails = true;  // the driver's save dialog cancelled, say
  Page page = {};
  AddText(page, {kAlignLeft, kLeftMargin, 5}, "text");
  PrintJob job;
  ASSERT_EQ(1, OpenPrintJob(Backdrop(), job));
  EXPECT_EQ(0, PrintPage(job, page));
  const Calls &calls = Printing().calls;
  ASSERT_EQ("start document", calls.at(calls.size() - 4));
  EXPECT_EQ((Calls{"restore font into printer", "delete font", "delete printer context"}),
            Calls(calls.end() - 3, calls.end()));
  EXPECT_TRUE(Printing().printed.empty());
  ExpectNothingLeftOpen();
  EXPECT_EQ(kFakeStartCursor, Fake().shownCursor);
  // The printed forms print nothing more.
  CustomerRecord record = {};
  EXPECT_EQ(0, PrintRegistrationForm(Backdrop(), record));
  EXPECT_TRUE(Printing().printed.empty());
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, AJobClosedBeforeItsDocumentStartsPrintsNothingAndReleasesEverything) {
  PrintJob job;
  ASSERT_EQ(1, OpenPrintJob(Backdrop(), job));
  EXPECT_EQ("select font into printer", Printing().calls.back());  // nothing started yet
  ClosePrintJob(job);
  EXPECT_TRUE(Printing().documentNames.empty());
  EXPECT_EQ((Calls{"wait", "restore"}), Fake().cursorCalls);
  ExpectNothingLeftOpen();
}

TEST_F(PrintJobTest, AChosenPrinterThatHasGoneIsForgottenForTheDefaultPrinter) {
  Printing().setupChoice = 1;
  ASSERT_NE(0, DispatchCommand(Backdrop(), kCommandPrintSetup));
  Printing().printers[1].gone = true;
  OneJob();
  OneJob();
  EXPECT_EQ((std::vector<std::string>{"Office Laser", "Office Laser"}),
            Printing().printerContexts);
  EXPECT_EQ(nullptr, RunPrintSettings.deviceNames);
  EXPECT_EQ(0, LivePrintBlocks());
  ExpectNothingLeftOpen();

  // Set-up refuses a choice whose printer has gone: it opens afresh.
  Printing().printers[1].gone = false;
  ASSERT_NE(0, DispatchCommand(Backdrop(), 3095));
  Printing().printers[1].gone = true;
  Printing().setupChoice = 0;
  Printing().dialogs.clear();
  EXPECT_NE(0, DispatchCommand(Backdrop(), kCommandPrintSetup));
  ASSERT_EQ(2u, Printing().dialogs.size());
  EXPECT_NE(nullptr, Printing().dialogs[0].deviceNames);
  EXPECT_EQ(nullptr, Printing().dialogs[1].deviceNames);
  EXPECT_EQ(2, LivePrintBlocks());  // the new choice only
  EXPECT_EQ(std::vector<std::string>{}, Printing().faults);
}

TEST_F(PrintJobTest, AChoiceOfTheDefaultPrinterOutlivesAChangeOfTheSystemsDefault) {
  ASSERT_NE(0, DispatchCommand(Backdrop(), kCommandPrintSetup));  // the default, printer 0
  EXPECT_FALSE(MarkedAsDefaultPrinter(RunPrintSettings.deviceNames));
  Printing().defaultPrinter = 1;
  Printing().dialogs.clear();
  EXPECT_NE(0, DispatchCommand(Backdrop(), kCommandPrintSetup));
  EXPECT_EQ(1u, Printing().dialogs.size());  // taken, not refused
  OneJob();
  EXPECT_EQ("Office Laser", Printing().printerContexts.back());
}

}  // namespace
