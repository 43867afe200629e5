#pragma once
// A scripted printing system: tests choose the printers, the default one,
// what the customer does in the print set-up dialog and what the screen
// measures; the fake records every call of the print frame and every text
// drawn, with the alignment and tab stops in force and whether on a page in
// the print font, and keeps count of what was allocated and not released.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/save_file.h"

struct FakePrinterDevice {
  std::string device;
  std::string port;
  int pageWidth;
  int pageHeight;
  int dotsPerInchX;
  int dotsPerInchY;
  bool gone = false;  // removed since the run began: it cannot be opened
  std::string driver = "";
};

// What the Save dialog was asked, and by whom.
struct SaveQuestion {
  WindowHandle owner;
  std::string title;
  std::string typeName;
  std::string extension;
  std::string fileName;
};

// One text output, as the printer context stood when it was made.
struct PrintedText {
  std::string text;
  int x;
  int y;
  unsigned alignment;
  bool tabbed;
  std::vector<int> tabStops;
  int tabOrigin;
  bool inPrintFont;  // a font made by the program was selected, not the printer's own
  bool onPage;       // between the start and the end of a page
};

struct FakePrinting {
  // Inputs.
  std::vector<FakePrinterDevice> printers = {
      {"Office Laser", "LPT1:", 4800, 6600, 600, 600},
      {"Draft Printer", "FILE:", 2400, 3300, 300, 300},
  };
  int defaultPrinter = 0;  // -1: no printer installed
  // The print set-up dialog: which printer the customer picks, whether in
  // landscape, and whether they confirm.
  int setupChoice = 0;
  bool setupLandscape = false;
  bool setupConfirms = true;
  TextSize screenExtent = {600, 101};  // what the screen measures for any text
  bool printerContextFails = false;
  bool fontCreationFails = false;
  bool documentStartFails = false;  // a cancelled "print to file" dialog, say
  // The Save dialog of a printer that writes a file: the customer's choice,
  // or a cancel; runs while it is up, as the customer's waiting would.
  std::wstring fileChosen = L"C:\\Users\\Customer\\Documents\\Printed.pdf";
  bool fileSaveConfirms = true;
  std::function<void()> whileChoosingFile;

  // Records.
  std::vector<std::string> calls;  // in order, e.g. "start page", "font -88 Arial"
  std::vector<PrintSettings> dialogs;  // the settings each dialog call was given
  std::vector<std::string> printerContexts;  // device (and " landscape") of each made
  std::vector<WindowHandle> screenWindows;   // window of each screen context asked for
  std::vector<FontDescription> measuredIn;   // screen font of each measurement
  std::vector<std::string> documentNames;
  std::vector<std::wstring> documentOutputs;  // the file of each document; empty: the printer
  std::vector<SaveQuestion> saveQuestions;
  std::vector<PrintedText> printed;
  std::vector<std::string> faults;  // misuse of the printing system
};

// Whether the device-names block carries the mark of the system's default
// printer.
bool MarkedAsDefaultPrinter(PrintBlock deviceNames);

// The one instance the fake uses; ResetFakePrinting() restores the
// defaults and forgets every block, context and font.
FakePrinting &Printing();
void ResetFakePrinting();

// Blocks, contexts and fonts made and not yet released.
int LivePrintBlocks();
int LiveDrawingContexts();
int LiveFonts();
